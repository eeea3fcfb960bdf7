// The error boundary of every Win32 callback of ours: no exception crosses
// one; an uncaught error is shown in the application's default error box and
// the program runs on.
#pragma once

#include <windows.h>

namespace gui {

// Shows the exception being handled in the default error box; for a catch
// block. Swallows any error of its own: not even the box could be shown.
void ShowCaughtException() noexcept;

// Runs the work of a window procedure: an exception it raises is shown in the
// default error box instead of crossing the callback, and answers 0.
template <typename Work>
LRESULT Guarded(Work&& work) noexcept {
    try {
        return work();
    } catch (...) {
        ShowCaughtException();
        return 0;
    }
}

}  // namespace gui
