// Windows are laid out in pixels at 96 dpi and scaled when they are created.
#pragma once

#include <windows.h>

namespace gui {

constexpr int kDesignDpi = 96;

// The screen's logical dpi (the user's display setting).
int ScreenDpi();

// A length in 96-dpi pixels at the given dpi, rounded to the nearest pixel.
inline int Scale(int pixels, int dpi) { return MulDiv(pixels, dpi, kDesignDpi); }

// The font height (negative: character height) for a point size at a dpi.
inline int FontHeight(int points, int dpi) { return -MulDiv(points, dpi, 72); }

}  // namespace gui
