#include "gui/Application.h"

#include "gui/DialogKeys.h"
#include "gui/MessageBox.h"
#include "win/CommonControls.h"
#include "win/Error.h"

namespace gui {

namespace {

Application* current = nullptr;

}  // namespace

Application::Application() {
    current = this;
    // Windows XP gives the standard controls the visual styles of common
    // controls 6 (which the manifest asks for) only once comctl32 is loaded
    // and initialised; the controls' subclassing needs it too.
    win::LoadCommonControls();
}

Application::~Application() { current = nullptr; }

Application& Application::Current() { return *current; }

bool Application::Exists() { return current != nullptr; }

Application::ModalScope::ModalScope(HWND window) {
    if (current) current->modalWindows_.push_back(window);
}

Application::ModalScope::~ModalScope() {
    if (current) current->modalWindows_.pop_back();
}

void Application::ShowException() {
    if (showingError_) return;
    const std::wstring message = win::CurrentExceptionMessage();
    showingError_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{showingError_};
    ShowErrorBox(title_, message);
}

void Application::Run() {
    if (!com_) com_.emplace();
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (HandleDialogMessage(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void Application::Terminate() { PostQuitMessage(0); }

}  // namespace gui
