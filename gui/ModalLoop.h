// A window shown modally, as Windows' DialogBox shows a dialog: while the
// loop lives its owner takes no input and the window owns the message boxes;
// afterwards the owner takes input again and is the active window, however
// the showing ends.
#pragma once

#include "gui/Application.h"

#include <windows.h>

namespace gui {

class ModalLoop {
public:
    explicit ModalLoop(HWND window);
    ModalLoop(const ModalLoop&) = delete;
    ModalLoop& operator=(const ModalLoop&) = delete;

    // Runs the thread's messages, the keyboard handled as in a dialog, until
    // showing turns false or the window is destroyed. False when the program
    // is ending: the quit is left for the outer loop.
    bool Run(const bool& showing) const;

private:
    struct OwnerDisabled {
        HWND owner;
        explicit OwnerDisabled(HWND window);
        ~OwnerDisabled();
    };

    HWND window_;
    OwnerDisabled disabled_;
    Application::ModalScope modal_;
};

}  // namespace gui
