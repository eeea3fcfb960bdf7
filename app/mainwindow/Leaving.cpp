// Leaving the installer: the release notes after an installation, a
// question before one.
#include "app/mainwindow/Leaving.h"

#include "app/Folders.h"
#include "app/PayloadCatalogue.h"
#include "app/mainwindow/mainwindow.h"
#include "win/LateImports.h"

bool ShowTextFile(const std::wstring& path) {
    if (!FileExists(path)) return false;
    // An open Notepad is asked to close, as the installer always has done,
    // and not waited for: it may ask its user about unsaved text, and the
    // shell opens the release notes in a Notepad of their own either way.
    const HWND notepad = FindWindowW(L"Notepad", nullptr);
    if (notepad) PostMessageW(notepad, WM_CLOSE, 0, 0);
    // What the shell answers is not examined: a file nobody can open is not
    // worth a message on the way out.
    win::ShellOpen(notepad, L"open", path.c_str(), SW_SHOWNORMAL);
    return true;
}

void TfrmMain::btnExitClick() {
    if (installerState.Installed) {
        if (SendMessageW(cbxReadme, BM_GETCHECK, 0, 0) == BST_CHECKED)
            ShowTextFile(PayloadItemPath(kReleaseNotes, installerState.ResolvedDestination));
        SendMessageW(Handle(), WM_CLOSE, 0, 0);
        return;
    }
    if (ShowMessageBoxAfterLog(L"Biztosan kilépsz a telepítőből?", L"Kilépés", MB_YESNO | MB_ICONQUESTION) ==
        IDYES)
        SendMessageW(Handle(), WM_CLOSE, 0, 0);
}
