#include "gui/PaintPump.h"

#include "gui/MessageQueue.h"

namespace gui {

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
