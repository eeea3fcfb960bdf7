#include "gui/ModalLoop.h"

#include "gui/DialogKeys.h"

namespace gui {

ModalLoop::OwnerDisabled::OwnerDisabled(HWND window) : owner(GetWindow(window, GW_OWNER)) {
    if (owner) EnableWindow(owner, FALSE);
}

ModalLoop::OwnerDisabled::~OwnerDisabled() {
    if (!owner) return;
    EnableWindow(owner, TRUE);
    SetActiveWindow(owner);
}

ModalLoop::ModalLoop(HWND window) : window_(window), disabled_(window), modal_(window) {}

bool ModalLoop::Run(const bool& showing) const {
    MSG msg;
    while (showing && IsWindow(window_)) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        if (HandleDialogMessage(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

}  // namespace gui
