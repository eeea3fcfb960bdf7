// The installer's main window and the state every part of the installer shares.
// TfrmMain's members are defined by area of the window's work, one file each,
// as grouped below: mainwindow.cpp, Destination.cpp, InstallationRun.cpp and
// Leaving.cpp.
#pragma once

#include "app/ProgressLog.h"
#include "gui/Form.h"
#include "support/FastShellLink.h"

#include <memory>
#include <optional>
#include <string>

struct PayloadItem;
class PayloadWriter;

// The one record of paths and progress; every field starts empty.
struct InstallerState {
    std::wstring OsProductName;
    std::wstring HomeDrive;
    std::wstring HomePath;
    std::wstring DocumentsDir;
    std::wstring DesktopDir;
    std::wstring DefaultDestination;
    std::wstring Destination;  // always the text of the destination label
    // Destination as a full path, resolved by its last check: where the run
    // writes, whatever the current folder has become since.
    std::wstring ResolvedDestination;
    std::wstring EnvironmentLine;
    bool Installed = false;
};

extern InstallerState installerState;

// Fixed control IDs: tests and screen readers find the controls by them.
enum MainControlId {
    idLabel1 = 1001,
    idBtnExit,
    idBtnInstall,
    idGbxDestination,
    idLblDestinationDir,
    idMemProgress,
    idBtnDefault,
    idBtnDocuments,
    idBtnDesktop,
    idBtnBrowse,
    idCbxReadme,
};

// The four location buttons, numbered as the user sees them left to right.
enum LocationButton { lbDefault = 1, lbDocuments, lbDesktop, lbBrowse };

class TfrmMain : public gui::Form<TfrmMain> {
public:
    // The window (mainwindow.cpp).
    TfrmMain();
    // Shows the window; its show event runs before the first paint.
    void Show();

    // The controls, set from the control table.
    HWND Label1 = nullptr;
    HWND btnExit = nullptr;
    HWND btnInstall = nullptr;
    HWND gbxDestination = nullptr;
    HWND lblDestinationDir = nullptr;
    HWND memProgress = nullptr;
    HWND btnDefault = nullptr;
    HWND btnDocuments = nullptr;
    HWND btnDesktop = nullptr;
    HWND btnBrowse = nullptr;
    HWND cbxReadme = nullptr;

    // The destination (Destination.cpp). Makes a destination the user's
    // choice: the label shows it and the check reports on it. Also used by
    // the folder dialog.
    void ShowDestination(const std::wstring& destination);
    void CheckDestination(const std::wstring& path);
    void SelectLocationButton(int number);
    void DeselectLocationButton(int number);
    void btnDefaultClick();
    void btnDocumentsClick();
    void btnDesktopClick();
    void btnBrowseClick();  // opens the folder dialog

    // The installation run (InstallationRun.cpp).
    void btnInstallClick();

    // Leaving (Leaving.cpp).
    void btnExitClick();

protected:
    // The window (mainwindow.cpp).
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Showing() override { FormShow(); }

private:
    // The window (mainwindow.cpp): the environment probe, then the first
    // destination check.
    void FormShow();

    // A message box of the main window's. The box lets the window paint, so
    // the log's gathered writes are shown first.
    int ShowMessageBoxAfterLog(const std::wstring& text, const std::wstring& title, unsigned flags);
    // The same for a question: input that waited while the window was busy
    // does not answer it.
    int AskMessageBoxAfterLog(const std::wstring& text, const std::wstring& title, unsigned flags);

    // The destination (Destination.cpp). A location button's choice: the
    // marks, the destination, its check.
    void ChooseLocation(int number, const std::wstring& destination);
    // Marks button number as the one used last: selects it, deselects the
    // other three, in their order.
    void MarkLocationButton(int number);
    HWND LocationButtonHandle(int number) const;

    // The installation run (InstallationRun.cpp). A step's entry is shown
    // before its work starts.
    size_t StartStep(const std::wstring& text);
    void CreateFolderStep(const std::wstring& text, const std::wstring& folder);
    void WriteItemStep(const PayloadItem& item, PayloadWriter& writer);

    std::unique_ptr<ProgressLog> log_;
    // The "> várakozás a felhasználóra..." entry of the last destination check.
    std::optional<size_t> waitingEntry_;
    // While the installation runs: between the pieces of its writes the
    // window paints and answers what other programs send, which must start
    // nothing; a logoff or shutdown waits for the run's end.
    bool running_ = false;
    TFastShellLink fslDT;
};

extern TfrmMain* frmMain;
