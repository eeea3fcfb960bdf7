#include "gui/Dpi.h"

#include "win/Gdi.h"

namespace gui {

int ScreenDpi() {
    const win::WindowDc screen(nullptr);
    const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
    return dpi > 0 ? dpi : kDesignDpi;
}

}  // namespace gui
