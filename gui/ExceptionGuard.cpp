#include "gui/ExceptionGuard.h"

#include "gui/Application.h"

namespace gui {

void ShowCaughtException() noexcept {
    try {
        Application::Current().ShowException();
    } catch (...) {
        // Not even the box could be shown; the program runs on.
    }
}

}  // namespace gui
