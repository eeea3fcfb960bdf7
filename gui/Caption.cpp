#include "gui/Caption.h"

namespace gui {

void DrawCaption(HDC dc, const std::wstring& text, RECT box, UINT format, bool disabled, COLORREF colour) {
    if (disabled) {
        // The platform's embossed look: a highlight one pixel down and to
        // the right, under the text in the shadow colour.
        RECT highlight = box;
        OffsetRect(&highlight, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextW(dc, text.c_str(), -1, &highlight, format);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    } else {
        SetTextColor(dc, colour);
    }
    DrawTextW(dc, text.c_str(), -1, &box, format);
}

}  // namespace gui
