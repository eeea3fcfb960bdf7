#include "gui/Dpi.h"

#include "gui/Handles.h"

namespace gui {

int ScreenDpi() {
    const WindowDc screen(nullptr);
    const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
    return dpi > 0 ? dpi : kDesignDpi;
}

}  // namespace gui
