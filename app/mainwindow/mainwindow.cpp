// The main window itself: its control table, its creation and messages, and
// its show event, which probes the environment.
#include "app/mainwindow/mainwindow.h"

#include "app/EnvironmentProbe.h"
#include "app/FolderRules.h"
#include "app/resource.h"
#include "gui/Application.h"
#include "gui/MessageBox.h"
#include "support/Registry.h"

InstallerState installerState;
TfrmMain* frmMain = nullptr;

namespace {

using gui::ControlKind;
using gui::kNoTabStop;

const gui::FormLayout kForm{
    L"TfrmMain",
    L"KORdex v1.2 - program telepítő",
    417,
    473,
    // Fixed single border, system menu and minimise only.
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
    WS_EX_CONTROLPARENT,
    L"Tahoma",
    8,
};

// name, kind, id, container, geometry, text, options, tab order, picture, access key; field, event
const gui::ControlLayout<TfrmMain> kControls[] = {
    {{L"Label1", ControlKind::Label, idLabel1, nullptr, {11, 16, 395, 13},
      L"Kérlek válaszd ki a telepítés helyét, majd kattints a Telepítés gombra!",
      gui::kBold | gui::kWidthFollowsText | gui::kCentred, kNoTabStop, 0},
     &TfrmMain::Label1, nullptr},
    {{L"btnExit", ControlKind::SpeedButton, idBtnExit, nullptr, {323, 430, 75, 25}, L"Kilépés", 0, kNoTabStop, 0,
      L'K'},
     &TfrmMain::btnExit, &TfrmMain::btnExitClick},
    {{L"btnInstall", ControlKind::SpeedButton, idBtnInstall, nullptr, {242, 430, 75, 25}, L"Telepítés", gui::kBold,
      kNoTabStop, 0, L'T'},
     &TfrmMain::btnInstall, &TfrmMain::btnInstallClick},
    {{L"gbxDestination", ControlKind::GroupBox, idGbxDestination, nullptr, {24, 155, 374, 48}, L"Cél mappa", 0, 0, 0},
     &TfrmMain::gbxDestination, nullptr},
    {{L"lblDestinationDir", ControlKind::Label, idLblDestinationDir, L"gbxDestination", {16, 14, 337, 25},
      L"", gui::kVerticallyCentred | gui::kLiteralText, kNoTabStop, 0},
     &TfrmMain::lblDestinationDir, nullptr},
    {{L"memProgress", ControlKind::Memo, idMemProgress, nullptr, {24, 213, 374, 188}, L"", 0, 1, 0},
     &TfrmMain::memProgress, nullptr},
    {{L"btnDefault", ControlKind::PictureButton, idBtnDefault, nullptr, {24, 48, 89, 89}, L"Alapértelmezett", 0, 2,
      IDP_DEFAULT},
     &TfrmMain::btnDefault, &TfrmMain::btnDefaultClick},
    {{L"btnDocuments", ControlKind::PictureButton, idBtnDocuments, nullptr, {119, 48, 89, 89}, L"Dokumentumok", 0, 3,
      IDP_DOCUMENTS},
     &TfrmMain::btnDocuments, &TfrmMain::btnDocumentsClick},
    {{L"btnDesktop", ControlKind::PictureButton, idBtnDesktop, nullptr, {214, 48, 89, 89}, L"Asztal", 0, 4,
      IDP_DESKTOP},
     &TfrmMain::btnDesktop, &TfrmMain::btnDesktopClick},
    {{L"btnBrowse", ControlKind::PictureButton, idBtnBrowse, nullptr, {309, 48, 89, 89}, L"Egyéb (Tallóz...)", 0, 5,
      IDP_BROWSE},
     &TfrmMain::btnBrowse, &TfrmMain::btnBrowseClick},
    {{L"cbxReadme", ControlKind::CheckBox, idCbxReadme, nullptr, {24, 407, 374, 17},
      L"Telepítés után a kiadási megjegyzések elolvasása", gui::kChecked, 6, 0},
     &TfrmMain::cbxReadme, nullptr},
};

const wchar_t kCurrentVersionKey[] = L"\\Software\\Microsoft\\Windows NT\\CurrentVersion";
const wchar_t kVolatileEnvironmentKey[] = L"\\Volatile Environment";
const wchar_t kUserShellFoldersKey[] = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

HICON LoadProgramIcon(int metricX, int metricY) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_KORDEX), IMAGE_ICON,
                                         GetSystemMetrics(metricX), GetSystemMetrics(metricY), LR_SHARED));
}

}  // namespace

TfrmMain::TfrmMain() {
    RegisterClassOnce(kForm.className, LoadProgramIcon(SM_CXICON, SM_CYICON),
                      LoadProgramIcon(SM_CXSMICON, SM_CYSMICON));
    // No owner: the main window has the task-bar button and shows its caption there.
    Build(kForm, kControls);
    log_ = std::make_unique<ProgressLog>(memProgress);
    // The desktop shortcut: target and working folder come with the installation.
    fslDT.CreateIn().SetCreatePath(true);
    fslDT.CreateIn().SetShellFolder(sfDesktop);
    fslDT.SetLinkName(kProductFolderWord);
    fslDT.SetRunAs(raNormal);
}

void TfrmMain::Show() {
    ShowWindow(Handle(), SW_SHOWNORMAL);
    UpdateWindow(Handle());
}

// The environment probe, then the first destination check.
void TfrmMain::FormShow() {
    InstallerState& state = installerState;
    state.Installed = false;
    const ProgressLog::Batch batch(*log_);
    log_->Clear();
    log_->Add(L"> futási környezet ellenőrzése: ");
    state.OsProductName = ReadRegistryText(HKEY_LOCAL_MACHINE, kCurrentVersionKey, L"ProductName");
    if (!IsSupportedSystem(state.OsProductName)) {
        ShowMessageBox(L"Nem kompatibilis operációs rendszer! A telepítő leáll.", L"Hiba!", MB_ICONERROR);
        gui::Application::Current().Terminate();
        return;
    }
    state.HomeDrive = ReadRegistryText(HKEY_CURRENT_USER, kVolatileEnvironmentKey, L"HOMEDRIVE");
    state.HomePath = ReadRegistryText(HKEY_CURRENT_USER, kVolatileEnvironmentKey, L"HOMEPATH");
    state.DefaultDestination = WithProductFolder(state.HomeDrive);
    state.Destination = state.DefaultDestination;
    state.DocumentsDir = ExpandUserProfile(ReadRegistryText(HKEY_CURRENT_USER, kUserShellFoldersKey, L"Personal"),
                                           state.HomeDrive, state.HomePath);
    state.DesktopDir = ExpandUserProfile(ReadRegistryText(HKEY_CURRENT_USER, kUserShellFoldersKey, L"Desktop"),
                                         state.HomeDrive, state.HomePath);
    log_->Append(0, state.OsProductName);
    state.EnvironmentLine = log_->Entry(0);

    ShowDestination(state.Destination);
    CheckDestination(state.Destination);
    MarkLocationButton(lbDefault);
}

int TfrmMain::ShowMessageBox(const std::wstring& text, const std::wstring& title, unsigned flags) {
    log_->Flush();
    return gui::ShowMessageBox(text, title, flags);
}

int TfrmMain::AskMessageBox(const std::wstring& text, const std::wstring& title, unsigned flags) {
    log_->Flush();
    return gui::AskMessageBox(text, title, flags);
}

LRESULT TfrmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_CLOSE:
        // One run at a time: a click or a close that another program sends
        // while the run lets the window paint starts nothing.
        if (running_) return 0;
        return Form::HandleMessage(message, wParam, lParam);
    case WM_QUERYENDSESSION:
        // Ended mid-run, the installer would leave the folder half old, half
        // new, and no shortcut. Idle, it lets the session end.
        if (running_) return FALSE;
        return Form::HandleMessage(message, wParam, lParam);
    case WM_DESTROY:
        // Closing the main window ends the program, without a question.
        PostQuitMessage(0);
        return 0;
    default:
        return Form::HandleMessage(message, wParam, lParam);
    }
}
