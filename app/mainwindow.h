// The installer's main window and the state every part of the installer shares.
#pragma once

#include "gui/Window.h"

#include <string>

// The one record of paths and progress; every field starts empty.
struct InstallerState {
    std::wstring OsProductName;
    std::wstring HomeDrive;
    std::wstring HomePath;
    std::wstring DocumentsDir;
    std::wstring DesktopDir;
    std::wstring DefaultDestination;
    std::wstring Destination;  // always the text of the destination label
    std::wstring EnvironmentLine;
    bool Installed = false;
};

extern InstallerState installerState;

class TfrmMain : public gui::Window {
public:
    TfrmMain();

    // Shows the window; its show event runs before the first paint.
    void Show();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FormShow();
};

extern TfrmMain* frmMain;
