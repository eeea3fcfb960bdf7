#include "gui/DialogKeys.h"

namespace gui {

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

}  // namespace gui
