#include "gui/SubclassedWindow.h"

#include "gui/Application.h"
#include "gui/Error.h"

namespace gui {

namespace {
const wchar_t kProperty[] = L"KORdex.Subclassed";
}

SubclassedWindow::SubclassedWindow(HWND window) : handle_(window) {
    if (!IsWindow(window)) throw Error(L"No window to take over");
    if (Attached(window)) throw Error(L"The window is taken over already");
    // The property first: the new procedure finds the object through it.
    if (!SetPropW(window, kProperty, this)) ThrowLastError(L"Cannot take over the window");
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassedWindow::Procedure)));
    if (!previous_) {
        const DWORD error = GetLastError();
        RemovePropW(window, kProperty);
        SetLastError(error);
        ThrowLastError(L"Cannot take over the window");
    }
}

SubclassedWindow::~SubclassedWindow() { Unhook(); }

void SubclassedWindow::Unhook() {
    if (!handle_) return;
    // Only if nobody subclassed the window after us; otherwise our procedure
    // stays in their chain and, finding no object, forwards to the class.
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(handle_, GWLP_WNDPROC)) == &SubclassedWindow::Procedure)
        SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    RemovePropW(handle_, kProperty);
    handle_ = nullptr;
}

SubclassedWindow* SubclassedWindow::Attached(HWND window) {
    return window ? static_cast<SubclassedWindow*>(GetPropW(window, kProperty)) : nullptr;
}

LRESULT SubclassedWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT SubclassedWindow::Default(UINT message, WPARAM wParam, LPARAM lParam) const {
    return CallWindowProcW(previous_, handle_, message, wParam, lParam);
}

LRESULT CALLBACK SubclassedWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    SubclassedWindow* self = Attached(window);
    if (!self) {
        const auto classProcedure = reinterpret_cast<WNDPROC>(GetClassLongPtrW(window, GCLP_WNDPROC));
        return CallWindowProcW(classProcedure, window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        const WNDPROC previous = self->previous_;
        self->Unhook();
        return CallWindowProcW(previous, window, message, wParam, lParam);
    }
    return Guarded([&] { return self->HandleMessage(message, wParam, lParam); });
}

}  // namespace gui
