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

using gui::ControlKind;
using gui::kNoTabStop;

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

// name, kind, id, container, geometry, text, options, tab order, picture, access key; field, event
const gui::ControlLayout<TfrmCDF> kControls[] = {
    {{L"lblDF", ControlKind::Label, idLblDF, nullptr, {10, 8, 300, 17}, L"Cél mappa:",
      gui::kTransparent | gui::kVerticallyCentred, kNoTabStop, 0},
     &TfrmCDF::lblDF, nullptr},
    {{L"btnCancel", ControlKind::SpeedButton, idBtnCancel, nullptr, {233, 230, 75, 25}, L"Mégsem", 0, kNoTabStop, 0,
      L'M'},
     &TfrmCDF::btnCancel, &TfrmCDF::btnCancelClick},
    {{L"btnOK", ControlKind::SpeedButton, idBtnOK, nullptr, {151, 230, 75, 25}, L"Kiválaszt", 0, kNoTabStop, 0,
      L'V'},
     &TfrmCDF::btnOK, &TfrmCDF::btnOKClick},
    {{L"edtDF", ControlKind::Edit, idEdtDF, nullptr, {10, 32, 300, 21}, L"", 0, 0, 0}, &TfrmCDF::edtDF, nullptr},
    {{L"dlbDF", ControlKind::DirectoryList, idDlbDF, nullptr, {10, 64, 300, 145}, L"", 0, 1, 0},
     &TfrmCDF::dlbDF, &TfrmCDF::dlbDFChange},
    {{L"dcbDF", ControlKind::DriveCombo, idDcbDF, nullptr, {10, 222, 135, 19}, L"", 0, 2, 0},
     &TfrmCDF::dcbDF, &TfrmCDF::dcbDFChange},
};

}  // namespace

TfrmCDF::TfrmCDF(HWND owner) {
    RegisterClassOnce(kForm.className, nullptr, nullptr);
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
