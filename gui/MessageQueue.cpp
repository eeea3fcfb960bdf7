#include "gui/MessageQueue.h"

namespace gui {

bool TakeMessage(MSG& msg, UINT first, UINT last) {
    if (!PeekMessageW(&msg, nullptr, first, last, PM_REMOVE)) return false;
    if (msg.message != WM_QUIT) return true;
    PostQuitMessage(static_cast<int>(msg.wParam));
    return false;
}

void DiscardTypedAheadInput() {
    // By message range, so that input posted by other programs goes too:
    // keys, the mouse over the client areas and over the frames.
    const UINT kInput[][2] = {
        {WM_KEYFIRST, WM_KEYLAST}, {WM_MOUSEFIRST, WM_MOUSELAST}, {WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK}};
    MSG msg;
    for (const auto& range : kInput) {
        while (TakeMessage(msg, range[0], range[1])) {
        }
    }
}

}  // namespace gui
