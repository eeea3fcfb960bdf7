// The application object: the common controls, COM for the UI thread, the
// title of the default error box, and the message loop.
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

// Sent by the message loops to a top-level window when the user types a
// character (wParam) with Alt; the window answers nonzero when it pressed a
// control for it. Only our own windows receive it.
constexpr UINT kPressAccessKey = WM_APP;

// Keyboard handling as in a dialog, for the message loops: Tab, the arrow
// keys and Enter move between the controls; Alt shows the keyboard cues, and
// Alt with a character presses the control whose access key it is. True
// when the message needs no more handling.
bool HandleDialogMessage(MSG& msg);

// Lets the thread's windows paint while a long piece of work holds the
// thread and calls it often (between the pieces of a write), so that they
// show how far the work got and, on Windows, are not marked "Not Responding"
// (after 5 s without reading messages). It reads messages only once the
// interval has passed since it last did: work that is soon over pays next to
// nothing. Messages that other threads and programs send are answered then,
// as in any reading of messages; no input and no posted message is taken,
// so nothing that the user does starts meanwhile.
class PaintPump {
public:
    explicit PaintPump(DWORD intervalMs) : intervalMs_(intervalMs), last_(GetTickCount()) {}
    void operator()();

private:
    DWORD intervalMs_;
    DWORD last_;
};

// Runs the work of a window procedure: an exception it raises is shown in the
// default error box instead of crossing the callback, and answers 0.
template <typename Work>
LRESULT Guarded(Work&& work) noexcept {
    try {
        return work();
    } catch (...) {
        try {
            Application::Current().ShowException();
        } catch (...) {
            // Not even the box could be shown; the program runs on.
        }
        return 0;
    }
}

}  // namespace gui
