#include "app/ChooseFolderPanel.h"
#include "app/DllHardening.h"
#include "app/mainwindow/mainwindow.h"
#include "gui/Application.h"
#include "gui/MessageBox.h"
#include "win/Library.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Before anything loads a DLL that is not a KnownDLL.
    HardenDllLoading();

    // comctl32 now; COM for this thread once the message loop runs.
    gui::Application application;
    application.SetTitle(L"KORdex telepítő");
    try {
        // Created first, the main window is the application's main window and
        // owns the task-bar button: closing it ends the program.
        TfrmMain mainForm;
        frmMain = &mainForm;
        application.SetMainWindow(mainForm.Handle());
        mainForm.Show();
        // Hidden until the fourth location button shows it. Made once the
        // main window shows, so that it does not hold up the first look it
        // has no part in, and before the message loop, so that it is there
        // before any handler can open it.
        TfrmCDF folderForm(mainForm.Handle());
        frmCDF = &folderForm;
        // The shell, which the shortcut and the folder dialog's icons need,
        // loaded once the window is up: later it would lengthen the run.
        win::LoadSystemLibrary(L"shell32.dll");
        application.Run();
        frmCDF = nullptr;
        frmMain = nullptr;
    } catch (...) {
        // Only the creation of the windows can get here; handlers report their own errors.
        application.ShowException();
        return 1;
    }
    return 0;
}
