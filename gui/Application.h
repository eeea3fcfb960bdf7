// The application object: COM for the UI thread, the common controls, the
// title of the default error box, and the message loop.
#pragma once

#include "gui/Handles.h"

#include <string>

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

    void SetTitle(std::wstring title) { title_ = std::move(title); }

    // Shows the exception being handled in the default error box; call it
    // from a catch block. The program runs on afterwards.
    void ShowException() const;

    // Runs the message loop until Terminate is called or the main window closes.
    void Run();
    void Terminate();

private:
    ComApartment com_;
    std::wstring title_;
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
