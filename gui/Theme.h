// Visual styles through uxtheme.dll. The program may not import it (it is no
// KnownDLL), so its functions are looked up at run time; where it is absent
// or styles are off, a Theme stays closed and callers draw the classic look.
#pragma once

#include "win/Handles.h"

namespace gui {

struct ThemeDataTraits {
    using Value = HANDLE;  // HTHEME
    static Value empty() { return nullptr; }
    static bool valid(Value v) { return v != nullptr; }
    static void close(Value v);
};

class Theme {
public:
    // Visual styles are on and this program is drawn with them.
    static bool Active();

    // Opens the window's theme data for a class list such as L"Button";
    // closed when styles are off. Call again on WM_THEMECHANGED.
    void Open(HWND window, const wchar_t* classList);
    void Close() { data_.reset(); }
    bool IsOpen() const { return static_cast<bool>(data_); }

    void DrawBackground(HDC dc, int part, int state, const RECT& rect) const;
    // The part's inside, where content goes; the whole rect if unknown.
    RECT ContentRect(HDC dc, int part, int state, const RECT& rect) const;

    // The part's text colour in a state, if the style gives one.
    bool TextColour(int part, int state, COLORREF& colour) const;

    // Paints what the parent shows behind the child, into the child's DC.
    static void DrawParentBackground(HWND child, HDC dc);

private:
    win::Unique<ThemeDataTraits> data_;
};

}  // namespace gui
