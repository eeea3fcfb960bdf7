// A button's caption, in the platform's embossed look when disabled.
#pragma once

#include <windows.h>

#include <string>

namespace gui {

void DrawCaption(HDC dc, const std::wstring& text, RECT box, UINT format, bool disabled, COLORREF colour);

}  // namespace gui
