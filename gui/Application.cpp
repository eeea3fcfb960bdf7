#include "gui/Application.h"

#include "gui/Error.h"
#include "gui/MessageBox.h"

namespace gui {

namespace {
Application* current = nullptr;
}

Application::Application() { current = this; }

Application::~Application() { current = nullptr; }

Application& Application::Current() { return *current; }

void Application::ShowException() const { ShowErrorBox(title_, CurrentExceptionMessage()); }

void Application::Run() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        // Tab, arrow keys and Enter move between controls as in a dialog.
        HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if (root && IsDialogMessageW(root, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void Application::Terminate() { PostQuitMessage(0); }

}  // namespace gui
