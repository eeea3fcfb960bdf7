// The application object: the common controls, COM for the UI thread, the
// title of the default error box, the owner of message boxes, and the
// message loop.
#pragma once

#include "win/Com.h"

#include <optional>
#include <string>
#include <vector>

namespace gui {

class Application {
public:
    // Loads comctl32 by name: create it only after the DLL search is narrowed.
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The one running application; window procedures report errors through it.
    static Application& Current();
    static bool Exists();

    void SetTitle(std::wstring title) { title_ = std::move(title); }

    // The window that owns every message box: the innermost form shown
    // modally, else the main window. An owned box keeps its owner from
    // taking input while it is open; one owned by whichever window happens
    // to be active would leave the main window open to a second click.
    void SetMainWindow(HWND window) { mainWindow_ = window; }
    HWND MessageBoxOwner() const { return modalWindows_.empty() ? mainWindow_ : modalWindows_.back(); }

    // While one lives, its window is the innermost modal form.
    class ModalScope {
    public:
        explicit ModalScope(HWND window);
        ~ModalScope();
        ModalScope(const ModalScope&) = delete;
        ModalScope& operator=(const ModalScope&) = delete;
    };

    // Shows the exception being handled in the default error box; call it
    // from a catch block. The program runs on afterwards. An error raised
    // while the box is open (by a message its loop dispatches again) is not
    // shown a second time.
    void ShowException();

    // Runs the message loop until Terminate is called or the main window
    // closes. COM for the thread starts with it: nothing before the first
    // window needs COM, and loading it then would delay that window.
    void Run();
    void Terminate();

private:
    std::optional<win::ComApartment> com_;
    std::wstring title_;
    HWND mainWindow_ = nullptr;
    std::vector<HWND> modalWindows_;
    bool showingError_ = false;
};

}  // namespace gui
