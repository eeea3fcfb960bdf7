#include "gui/SubclassedWindow.h"

#include "gui/ExceptionGuard.h"
#include "win/CommonControls.h"
#include "win/Error.h"

namespace gui {

namespace {
// One subclass of ours per window: this procedure with this identifier.
constexpr UINT_PTR kSubclassId = 1;
}  // namespace

SubclassedWindow::SubclassedWindow(HWND window) : handle_(window) {
    if (!IsWindow(window)) throw win::Error(L"No window to take over");
    if (Attached(window)) throw win::Error(L"The window is taken over already");
    if (!win::SetSubclass(window, &SubclassedWindow::Procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        throw win::Error(L"Cannot take over the window");
}

SubclassedWindow::~SubclassedWindow() { Unhook(); }

void SubclassedWindow::Unhook() {
    if (!handle_) return;
    win::RemoveSubclass(handle_, &SubclassedWindow::Procedure, kSubclassId);
    handle_ = nullptr;
}

SubclassedWindow* SubclassedWindow::Attached(HWND window) {
    DWORD_PTR self = 0;
    if (!window || !win::SubclassData(window, &SubclassedWindow::Procedure, kSubclassId, self)) return nullptr;
    return reinterpret_cast<SubclassedWindow*>(self);
}

LRESULT SubclassedWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT SubclassedWindow::Default(UINT message, WPARAM wParam, LPARAM lParam) const {
    return win::DefSubclass(handle_, message, wParam, lParam);
}

LRESULT CALLBACK SubclassedWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR self) {
    auto* object = reinterpret_cast<SubclassedWindow*>(self);
    if (message == WM_NCDESTROY) {
        object->Unhook();
        return win::DefSubclass(window, message, wParam, lParam);
    }
    return Guarded([&] { return object->HandleMessage(message, wParam, lParam); });
}

}  // namespace gui
