#include "gui/Application.h"

#include "gui/MessageBox.h"
#include "gui/MessageQueue.h"
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

bool HandleDialogMessage(MSG& msg) {
    const HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (!root) return false;
    const bool alt = (HIWORD(msg.lParam) & KF_ALTDOWN) != 0;
    // Windows' IsDialogMessage shows the cues when Alt goes down; Wine's does not.
    if (msg.message == WM_SYSKEYDOWN && alt)
        SendMessageW(root, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL | UISF_HIDEFOCUS), 0);
    // Before the dialog manager, which looks for "&" marks in the captions only.
    if (msg.message == WM_SYSCHAR && alt && SendMessageW(root, kPressAccessKey, msg.wParam, 0)) return true;
    return IsDialogMessageW(root, &msg) != FALSE;
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

void PaintPump::operator()() {
    if (GetTickCount() - last_ < intervalMs_) return;
    // WM_PAINT comes while a window has something to repaint; BeginPaint
    // clears that, sending WM_NCPAINT and WM_ERASEBKGND on the way. A window
    // that never clears it would come back for ever: a bound keeps the work
    // going.
    constexpr int kMostPaints = 64;
    MSG msg;
    for (int i = 0; i < kMostPaints && TakeMessage(msg, WM_PAINT, WM_PAINT); ++i)
        DispatchMessageW(&msg);
    last_ = GetTickCount();
}

}  // namespace gui
