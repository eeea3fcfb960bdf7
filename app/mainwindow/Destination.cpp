// The destination: the label that shows it, the check of the chosen folder,
// and the four location buttons that choose it.
#include "app/ChooseFolderPanel.h"
#include "app/FileAccess.h"
#include "app/FolderRules.h"
#include "app/Folders.h"
#include "app/mainwindow/mainwindow.h"
#include "gui/PictureButton.h"
#include "win/Error.h"
#include "win/Paths.h"

void TfrmMain::ShowDestination(const std::wstring& destination) {
    SetWindowTextW(lblDestinationDir, destination.c_str());
}

void TfrmMain::CheckDestination(const std::wstring& path) {
    // A destination without a drive or a relative one means the folder it
    // names now: the folder dialog moves the current folder later, and the
    // run must write where this check looked. A path that cannot be
    // resolved leaves none, and Install refuses.
    installerState.ResolvedDestination.clear();
    const std::wstring folder = path.empty() ? path : win::ResolvedFolder(path);
    installerState.ResolvedDestination = folder;
    // A failed creation is not reported here: the access check then fails.
    if (!DirectoryExists(folder)) ForceDirectories(folder);
    const ProgressLog::Batch batch(*log_);
    log_->Clear();
    waitingEntry_.reset();
    log_->Add(installerState.EnvironmentLine);
    const size_t verdict = log_->Add(L"> írási jogosultság ellenőrzése: ");
    try {
        if (HasFileAccess(FILE_WRITE_EA, folder + L"\\")) {
            // Only the last level, and only a plain empty folder: files already
            // there stay, and so does a junction with what it points to.
            RemoveEmptyFolder(folder);
            log_->Append(verdict, L"megfelelő");
        } else {
            log_->Append(verdict, L"nem megfelelő");
            log_->Add(L"");
            log_->Add(L"!FIGYELEM!");
            log_->Add(L"Az alapértelmezett könyvtárba írási jogosultság hiánya miatt nem telepíthető a program. "
                      L"Kérlek futtasd a programot rendszergazda módban, vagy válassz másik mappát! "
                      L"(pl.: Dokumentumok, vagy Asztal)");
            log_->Add(L"");
        }
        const size_t waiting = log_->Add(L"> várakozás a felhasználóra");
        log_->Append(waiting, L"...");
        waitingEntry_ = waiting;
    } catch (...) {
        ShowMessageBoxAfterLog(
            L"Probléma lépett fel a telepítés közben!\n\nHibaüzenet:\n" + win::CurrentExceptionMessage(), L"Hiba!",
            MB_ICONERROR);
    }
}

HWND TfrmMain::LocationButtonHandle(int number) const {
    switch (number) {
    case lbDefault: return btnDefault;
    case lbDocuments: return btnDocuments;
    case lbDesktop: return btnDesktop;
    case lbBrowse: return btnBrowse;
    }
    return nullptr;
}

void TfrmMain::SelectLocationButton(int number) {
    if (HWND button = LocationButtonHandle(number)) {
        PictureButtonOf(button).SetGreyed(false);
        PictureButtonOf(button).SetDown(true);
    }
}

void TfrmMain::DeselectLocationButton(int number) {
    if (HWND button = LocationButtonHandle(number)) {
        PictureButtonOf(button).SetGreyed(true);
        PictureButtonOf(button).SetDown(false);
    }
}

void TfrmMain::MarkLocationButton(int number) {
    for (int button = lbDefault; button <= lbBrowse; ++button) {
        if (button == number) SelectLocationButton(button);
        else DeselectLocationButton(button);
    }
}

void TfrmMain::ChooseLocation(int number, const std::wstring& destination) {
    MarkLocationButton(number);
    installerState.Destination = destination;
    ShowDestination(destination);
    CheckDestination(installerState.Destination);
}

void TfrmMain::btnDefaultClick() { ChooseLocation(lbDefault, installerState.DefaultDestination); }

void TfrmMain::btnDocumentsClick() { ChooseLocation(lbDocuments, WithProductFolder(installerState.DocumentsDir)); }

void TfrmMain::btnDesktopClick() { ChooseLocation(lbDesktop, WithProductFolder(installerState.DesktopDir)); }

// The fourth opens the folder dialog, whose OK makes its choice.
void TfrmMain::btnBrowseClick() {
    MarkLocationButton(lbBrowse);
    frmCDF->ShowModal();
}
