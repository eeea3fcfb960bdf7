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

using gui::Control;
using gui::ControlKind;

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

// Each control's description; the field that gets its handle; its event.
constexpr gui::ControlLayout<TfrmMain> kControls[] = {
    {Control(L"Label1", ControlKind::Label, idLabel1)
         .At(11, 16).Size(395, 13)
         .Text(L"Kérlek válaszd ki a telepítés helyét, majd kattints a Telepítés gombra!")
         .Options(gui::kBold | gui::kWidthFollowsText | gui::kCentred),
     &TfrmMain::Label1, nullptr},
    {Control(L"btnExit", ControlKind::SpeedButton, idBtnExit)
         .At(323, 430).Size(75, 25).Text(L"Kilépés").AccessKey(L'K'),
     &TfrmMain::btnExit, &TfrmMain::btnExitClick},
    {Control(L"btnInstall", ControlKind::SpeedButton, idBtnInstall)
         .At(242, 430).Size(75, 25).Text(L"Telepítés").Options(gui::kBold).AccessKey(L'T'),
     &TfrmMain::btnInstall, &TfrmMain::btnInstallClick},
    {Control(L"gbxDestination", ControlKind::GroupBox, idGbxDestination)
         .At(24, 155).Size(374, 48).Text(L"Cél mappa").Tab(0),
     &TfrmMain::gbxDestination, nullptr},
    {Control(L"lblDestinationDir", ControlKind::Label, idLblDestinationDir)
         .In(L"gbxDestination").At(16, 14).Size(337, 25)
         .Options(gui::kVerticallyCentred | gui::kLiteralText),
     &TfrmMain::lblDestinationDir, nullptr},
    {Control(L"memProgress", ControlKind::Memo, idMemProgress).At(24, 213).Size(374, 188).Tab(1),
     &TfrmMain::memProgress, nullptr},
    {Control(L"btnDefault", ControlKind::PictureButton, idBtnDefault)
         .At(24, 48).Size(89, 89).Text(L"Alapértelmezett").Tab(2).Picture(IDP_DEFAULT),
     &TfrmMain::btnDefault, &TfrmMain::btnDefaultClick},
    {Control(L"btnDocuments", ControlKind::PictureButton, idBtnDocuments)
         .At(119, 48).Size(89, 89).Text(L"Dokumentumok").Tab(3).Picture(IDP_DOCUMENTS),
     &TfrmMain::btnDocuments, &TfrmMain::btnDocumentsClick},
    {Control(L"btnDesktop", ControlKind::PictureButton, idBtnDesktop)
         .At(214, 48).Size(89, 89).Text(L"Asztal").Tab(4).Picture(IDP_DESKTOP),
     &TfrmMain::btnDesktop, &TfrmMain::btnDesktopClick},
    {Control(L"btnBrowse", ControlKind::PictureButton, idBtnBrowse)
         .At(309, 48).Size(89, 89).Text(L"Egyéb (Tallóz...)").Tab(5).Picture(IDP_BROWSE),
     &TfrmMain::btnBrowse, &TfrmMain::btnBrowseClick},
    {Control(L"cbxReadme", ControlKind::CheckBox, idCbxReadme)
         .At(24, 407).Size(374, 17)
         .Text(L"Telepítés után a kiadási megjegyzések elolvasása")
         .Options(gui::kChecked)
         .Tab(6),
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
    RegisterWindowObjectClass(kForm.className, LoadProgramIcon(SM_CXICON, SM_CYICON),
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
        ShowMessageBoxAfterLog(L"Nem kompatibilis operációs rendszer! A telepítő leáll.", L"Hiba!", MB_ICONERROR);
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

int TfrmMain::ShowMessageBoxAfterLog(const std::wstring& text, const std::wstring& title, unsigned flags) {
    log_->Flush();
    return gui::ShowMessageBox(text, title, flags);
}

int TfrmMain::AskMessageBoxAfterLog(const std::wstring& text, const std::wstring& title, unsigned flags) {
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
