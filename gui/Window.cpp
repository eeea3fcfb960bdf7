#include "gui/Window.h"

#include "gui/ExceptionGuard.h"
#include "win/Error.h"
#include "win/Window.h"

namespace gui {

bool IsUsable(HWND control) { return IsWindowVisible(control) && IsWindowEnabled(control); }

Window::~Window() { DestroyHandle(); }

void Window::DestroyHandle() {
    if (handle_) DestroyWindow(handle_);
}

void Window::RegisterWindowObjectClass(const wchar_t* className, HICON icon, HICON smallIcon) {
    WNDCLASSEXW wc{sizeof wc};
    wc.lpfnWndProc = &Window::Procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = icon;
    wc.hIconSm = smallIcon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    win::EnsureClassRegistered(wc);
}

void Window::CreateHandle(const wchar_t* className, const wchar_t* caption, DWORD style, DWORD exStyle,
                          const RECT& bounds, HWND owner) {
    const HWND created = CreateWindowExW(exStyle, className, caption, style, bounds.left, bounds.top,
                                         bounds.right - bounds.left, bounds.bottom - bounds.top, owner,
                                         nullptr, GetModuleHandleW(nullptr), this);
    if (!created) win::ThrowLastError(L"Cannot create window");
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(handle_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->handle_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return Guarded([&] { return self->HandleMessage(message, wParam, lParam); });
}

}  // namespace gui
