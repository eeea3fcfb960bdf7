// The installation run: folders, the five payload items and the desktop
// shortcut, each step reported in the log.
#include "app/FolderClaim.h"
#include "app/Folders.h"
#include "app/PayloadWriter.h"
#include "app/mainwindow/mainwindow.h"
#include "gui/PaintPump.h"
#include "win/Paths.h"
#include "win/ShutdownBlock.h"

#include <functional>

namespace {

const wchar_t kOk[] = L"OK";
const wchar_t kFailed[] = L"SIKERTELEN";
// What Windows Vista and 7 show beside the installer while it holds up a
// logoff or shutdown.
const wchar_t kRunInProgress[] = L"Telepítés folyamatban";

// How often the window reads its messages during the run's writes: often
// enough to answer at once; a run on a fast disk is over in a moment, and
// pays next to nothing for it.
constexpr DWORD kReadMessagesEveryMs = 200;

std::wstring CopyStepText(const PayloadItem& item) {
    return std::wstring(L"> ") + item.fileName + L" file másolása...";
}

// Sets a flag while it lives, also when an error ends the run.
class RunningScope {
public:
    explicit RunningScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningScope() { flag_ = false; }
    RunningScope(const RunningScope&) = delete;
    RunningScope& operator=(const RunningScope&) = delete;

private:
    bool& flag_;
};

}  // namespace

size_t TfrmMain::StartStep(const std::wstring& text) {
    const size_t entry = log_->Add(text);
    // Shown before the step's work starts: the run holds the thread, and the
    // log paints only when told to.
    log_->Flush();
    UpdateWindow(memProgress);
    return entry;
}

void TfrmMain::CreateFolderStep(const std::wstring& text, const std::wstring& folder) {
    const size_t entry = StartStep(text);
    // A failure is not fatal: the file steps then say what went wrong.
    CreateDirectoryW(folder.c_str(), nullptr);
    log_->Append(entry, DirectoryExists(folder) ? kOk : kFailed);
}

void TfrmMain::WriteItemStep(const PayloadItem& item, PayloadWriter& writer) {
    const size_t entry = StartStep(CopyStepText(item));
    writer.Write(item);
    log_->Append(entry, kOk);
}

void TfrmMain::btnInstallClick() {
    const std::wstring& chosen = installerState.Destination;
    // Without a folder the files would land in the root of the current drive.
    if (chosen.empty()) {
        ShowMessageBoxAfterLog(L"Nincs kiválasztva a telepítés helye! Kérlek válassz mappát a telepítés előtt.",
                               L"Hiba!", MB_ICONERROR);
        return;
    }
    // Where the last check looked; the log shows the destination as chosen.
    // An error that ended the probe after it chose the destination left it
    // unchecked: then it means the folder it names now, and leaving opens the
    // release notes there too.
    if (installerState.ResolvedDestination.empty()) installerState.ResolvedDestination = win::ResolvedFolder(chosen);
    const std::wstring destination = installerState.ResolvedDestination;
    const RunningScope running(running_);
    const win::ShutdownBlockReason logoffWaits(Handle(), kRunInProgress);
    // The log's writes are gathered and shown as each step starts (and
    // before the database question).
    const ProgressLog::Batch batch(*log_);
    // Between the pieces of the items' writes the window paints.
    gui::PaintPump paintPump(kReadMessagesEveryMs);
    PayloadWriter writer(destination, std::ref(paintPump));

    for (HWND button : {btnDefault, btnDocuments, btnDesktop, btnBrowse}) EnableWindow(button, FALSE);
    if (waitingEntry_) log_->Append(*waitingEntry_, kOk);
    log_->Add(L"");

    const size_t folderEntry = StartStep(L"> \"" + chosen + L"\" mappa létrehozása...");
    CreateDirectoryW(destination.c_str(), nullptr);
    SetCurrentDirectoryW(destination.c_str());
    log_->Append(folderEntry, DirectoryExists(destination) ? kOk : kFailed);
    // Held until the run ends, so that no other run clears its temporary files.
    const FolderClaim claim = ClearUnfinishedWrites(destination);
    CreateFolderStep(L"> [excel] mappa létrehozása...", destination + L"\\excel");
    CreateFolderStep(L"> [xml] mappa létrehozása...", destination + L"\\xml");

    WriteItemStep(kKordexExe, writer);

    const size_t databaseEntry = StartStep(CopyStepText(kDatacore));
    if (!PayloadFileExists(kDatacore, destination)) {
        writer.Write(kDatacore);
        log_->Append(databaseEntry, kOk);
    } else if (AskMessageBoxAfterLog(L"FONTOS FIGYELMEZTETÉS!\nA datacore.kdx fájl már létezik. Amennyiben "
                                     L"felülírod, minden benne tárolt adat elveszik!\n\nBiztosan folytatod a műveletet?",
                                     L"FIGYELMEZTETÉS!", MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES) {
        // No is the default button: a reflexive Enter keeps the user's data;
        // keys typed while the run was busy are thrown away before the box
        // opens, so a hurried "I" (Igen) or Y meant for nothing does not
        // answer a question the user has not read.
        writer.Write(kDatacore);
        log_->Append(databaseEntry, L"FELÜLÍRVA");
    } else {
        log_->Append(databaseEntry, L"KIHAGYVA");
    }

    WriteItemStep(kLibeay32, writer);
    WriteItemStep(kSsleay32, writer);
    WriteItemStep(kReleaseNotes, writer);

    const size_t shortcutEntry = StartStep(L"> parancsfile létrehozása az asztalon...");
    fslDT.SetLinkTarget(PayloadItemPath(kKordexExe, destination));
    fslDT.SetWorkingDirectory(destination);
    log_->Append(shortcutEntry, fslDT.Execute() ? kOk : kFailed);

    log_->Add(L"");
    log_->Add(L"Telepítés befejezve, kattints a Kilépés gombra");
    installerState.Installed = true;

    ShowWindow(btnInstall, SW_HIDE);
    SendMessageW(btnExit, WM_SETFONT, reinterpret_cast<WPARAM>(BoldFont()), TRUE);
    SetFocus(Handle());
}
