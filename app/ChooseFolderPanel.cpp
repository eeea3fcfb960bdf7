#include "app/ChooseFolderPanel.h"

#include "app/FolderRules.h"
#include "app/Folders.h"
#include "app/mainwindow/mainwindow.h"
#include "gui/DirectoryList.h"
#include "gui/DriveCombo.h"
#include "win/Error.h"
#include "win/Paths.h"
#include "win/Window.h"

TfrmCDF* frmCDF = nullptr;

namespace {

using gui::Control;
using gui::ControlKind;

const gui::FormLayout kForm{
    L"TfrmCDF",
    L"Válaszd ki a telepítés helyét!",
    321,
    273,
    // Tool-window border: small caption with a close button only, fixed size.
    WS_POPUP | WS_CAPTION | WS_SYSMENU,
    WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT,
    L"MS Sans Serif",
    8,
};

// Each control's description; the field that gets its handle; its event.
constexpr gui::ControlLayout<TfrmCDF> kControls[] = {
    {Control(L"lblDF", ControlKind::Label, idLblDF)
         .At(10, 8).Size(300, 17)
         .Text(L"Cél mappa:")
         .Options(gui::kTransparent | gui::kVerticallyCentred),
     &TfrmCDF::lblDF, nullptr},
    {Control(L"btnCancel", ControlKind::SpeedButton, idBtnCancel)
         .At(233, 230).Size(75, 25).Text(L"Mégsem").AccessKey(L'M'),
     &TfrmCDF::btnCancel, &TfrmCDF::btnCancelClick},
    {Control(L"btnOK", ControlKind::SpeedButton, idBtnOK)
         .At(151, 230).Size(75, 25).Text(L"Kiválaszt").AccessKey(L'V'),
     &TfrmCDF::btnOK, &TfrmCDF::btnOKClick},
    {Control(L"edtDF", ControlKind::Edit, idEdtDF).At(10, 32).Size(300, 21).Tab(0), &TfrmCDF::edtDF, nullptr},
    {Control(L"dlbDF", ControlKind::DirectoryList, idDlbDF).At(10, 64).Size(300, 145).Tab(1),
     &TfrmCDF::dlbDF, &TfrmCDF::dlbDFChange},
    {Control(L"dcbDF", ControlKind::DriveCombo, idDcbDF).At(10, 222).Size(135, 19).Tab(2),
     &TfrmCDF::dcbDF, &TfrmCDF::dcbDFChange},
};

}  // namespace

TfrmCDF::TfrmCDF(HWND owner) {
    RegisterWindowObjectClass(kForm.className, nullptr, nullptr);
    // Created hidden at start; the user may never open it.
    Build(kForm, kControls, owner, gui::ControlsMade::kWhenFirstShown);
}

void TfrmCDF::ControlsReady() { DriveComboOf(dcbDF).Link(DirectoryListOf(dlbDF)); }

void TfrmCDF::FormActivate() {
    const std::wstring& destination = installerState.Destination;
    if (const auto folder = ListFolderFor(destination, DirectoryExists)) {
        // A folder removed since it was chosen: the list and the edit box
        // stay as they were.
        const std::wstring parent = win::ParentFolder(*folder);
        if (!DirectoryExists(*folder) && (parent.empty() || DirectoryExists(parent)))
            throw win::Error(L"The specified file was not found");
        DirectoryListOf(dlbDF).MoveTo(*folder);
    }
    SetWindowTextW(edtDF, destination.c_str());
}

void TfrmCDF::dlbDFChange() {
    SetWindowTextW(edtDF, DestinationIn(DirectoryListOf(dlbDF).Directory()).c_str());
}

void TfrmCDF::dcbDFChange() {}

void TfrmCDF::btnOKClick() {
    // Taken as typed, and shown so; a relative one means the folder that
    // its check resolves it to.
    installerState.Destination = win::WindowText(edtDF);
    frmMain->ShowDestination(installerState.Destination);
    // An error here (an empty destination) leaves the dialog open.
    frmMain->CheckDestination(installerState.Destination);
    Close();
}

void TfrmCDF::btnCancelClick() { Close(); }

LRESULT TfrmCDF::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The caption's close button cancels, and so does Esc (which the dialog
    // manager turns into IDCANCEL), as in every Windows dialog; the dialog
    // lives on, hidden.
    if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL && !lParam)) {
        btnCancelClick();
        return 0;
    }
    return Form::HandleMessage(message, wParam, lParam);
}
