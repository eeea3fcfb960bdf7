#include "gui/PictureButton.h"

#include "gui/Caption.h"
#include "gui/Dpi.h"
#include "win/Error.h"
#include "win/Gdi.h"
#include "win/Window.h"

#include <windowsx.h>
#include <vsstyle.h>

#include <algorithm>
#include <string>

namespace gui {

namespace {

constexpr BYTE kHalfOpacity = 128;
// The frame's width, classic (outline and two-pixel edge) or styled.
constexpr int kFrameEdge = 3;

int PushButtonState(FrameLook frame) {
    switch (frame) {
    case FrameLook::Hot: return PBS_HOT;
    case FrameLook::Pressed: return PBS_PRESSED;
    case FrameLook::Disabled: return PBS_DISABLED;
    case FrameLook::Default: return PBS_DEFAULTED;
    case FrameLook::Normal: break;
    }
    return PBS_NORMAL;
}

int Brightness(COLORREF colour) { return GetRValue(colour) + GetGValue(colour) + GetBValue(colour); }

// The classic outline of a focused button: the window-frame colour, black in
// the classic schemes; Wine's default scheme makes it lighter than the
// shadow, so then the dark shadow colour.
HBRUSH OutlineBrush() {
    const int frame = Brightness(GetSysColor(COLOR_WINDOWFRAME));
    const int darkShadow = Brightness(GetSysColor(COLOR_3DDKSHADOW));
    return GetSysColorBrush(frame <= darkShadow ? COLOR_WINDOWFRAME : COLOR_3DDKSHADOW);
}

}  // namespace

ButtonLook LookOf(const ButtonState& state) {
    // A disabled button takes neither the mouse nor the keyboard: only its
    // down flag still counts. Without visual styles the mouse is not tracked.
    const bool pressing = state.enabled && state.userPressing;
    const bool mouseOver = state.enabled && state.themed && state.mouseOver;
    const bool focused = state.enabled && state.focused;
    const bool pressed = pressing || state.down;
    const bool hot = !pressed && (mouseOver || focused);

    ButtonLook look;
    if (!state.enabled)
        look.frame = FrameLook::Disabled;
    else if (pressing)
        look.frame = FrameLook::Pressed;
    else if (mouseOver)
        look.frame = FrameLook::Hot;
    else if (focused)
        look.frame = FrameLook::Default;

    if (pressed || hot)
        look.picture = PictureLook::Colour;
    else if (state.enabled)
        look.picture = state.greyed ? PictureLook::Grey : PictureLook::Colour;
    else
        look.picture = state.greyed ? PictureLook::HalfGrey : PictureLook::HalfColour;

    look.shifted = pressed;
    look.captionDisabled = !state.enabled;
    look.focusRect = focused && !state.hideFocus;
    return look;
}

ButtonLayout LayoutOf(const RECT& client, SIZE picture, SIZE caption, int gap) {
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    const int total = picture.cy + gap + caption.cy;
    const int top = client.top + (height - total) / 2;
    const int pictureLeft = client.left + (width - picture.cx) / 2;
    const int captionLeft = client.left + (width - caption.cx) / 2;
    ButtonLayout layout;
    layout.picture = {pictureLeft, top, pictureLeft + picture.cx, top + picture.cy};
    const int captionTop = top + picture.cy + gap;
    layout.caption = {captionLeft, captionTop, captionLeft + caption.cx, captionTop + caption.cy};
    return layout;
}

PictureButton::PictureButton(HWND button, const Picture& picture, int dpi)
    : SubclassedWindow(button),
      picture_(picture.Scaled(Scale(picture.Width(), dpi), Scale(picture.Height(), dpi))),
      dpi_(dpi) {
    if ((GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) != BS_OWNERDRAW)
        throw win::Error(L"A picture button needs an owner-drawn button");
    theme_.Open(button, L"Button");
    Redraw();
}

PictureButton* PictureButton::FromHandle(HWND window) { return dynamic_cast<PictureButton*>(Attached(window)); }

void PictureButton::SetGreyed(bool greyed) {
    if (greyed_ == greyed) return;
    greyed_ = greyed;
    Redraw();
}

void PictureButton::SetDown(bool down) {
    if (down_ == down) return;
    down_ = down;
    Redraw();
}

void PictureButton::Redraw() const {
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT PictureButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    static const UINT greyedQuery = RegisterWindowMessageW(L"PictureButtonGreyed");
    if (message == greyedQuery) return greyed_ ? 1 : 0;
    switch (message) {
    case BM_GETCHECK:
        return down_ ? BST_CHECKED : BST_UNCHECKED;
    case BM_GETSTATE:
        // The system's proxy for screen readers reads the mark here.
        return Default(message, wParam, lParam) | (down_ ? BST_CHECKED : BST_UNCHECKED);
    case WM_LBUTTONDBLCLK:
        // An owner-drawn button reports a double click instead of pressing
        // again; a quick second click should press it like the first.
        message = WM_LBUTTONDOWN;
        break;
    case WM_MOUSEMOVE:
        TrackMouse(lParam);
        break;
    case WM_MOUSELEAVE:
        SetMouseOver(false);
        break;
    case WM_ENABLE:
        if (!wParam) mouseOver_ = false;
        // Repainted when the system next paints, as any invalidated window;
        // the button's own handling would paint at once, in the middle of
        // whatever disabled it.
        Redraw();
        return 0;
    case WM_THEMECHANGED:
        theme_.Open(Handle(), L"Button");
        Redraw();
        break;
    case WM_ERASEBKGND:
        return TRUE;  // Draw paints every pixel; erasing first would flicker
    }
    return Default(message, wParam, lParam);
}

void PictureButton::TrackMouse(LPARAM position) {
    const POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    RECT client;
    GetClientRect(Handle(), &client);
    // While the button holds the capture, moves outside it arrive here too.
    const bool inside = PtInRect(&client, point) != FALSE;
    if (inside && !mouseOver_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
    }
    SetMouseOver(inside);
}

void PictureButton::SetMouseOver(bool over) {
    if (mouseOver_ == over) return;
    mouseOver_ = over;
    // Only the styled frame shows the mouse.
    if (theme_.IsOpen()) Redraw();
}

void PictureButton::Draw(const DRAWITEMSTRUCT& item) {
    ButtonState state;
    state.userPressing = (item.itemState & ODS_SELECTED) != 0;
    state.mouseOver = mouseOver_;
    state.focused = (item.itemState & ODS_FOCUS) != 0;
    state.enabled = (item.itemState & ODS_DISABLED) == 0;
    state.greyed = greyed_;
    state.down = down_;
    state.themed = theme_.IsOpen();
    state.hideFocus = (item.itemState & ODS_NOFOCUSRECT) != 0;
    const ButtonLook look = LookOf(state);

    // Drawn off-screen and copied in one go, so that hovering does not flicker.
    const RECT& bounds = item.rcItem;
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    win::MemoryDc canvas(CreateCompatibleDC(item.hDC));
    win::GdiObject bitmap(canvas ? CreateCompatibleBitmap(item.hDC, width, height) : nullptr);
    if (!bitmap) {
        Paint(item.hDC, bounds, look);
        return;
    }
    win::SelectedObject selected(canvas.get(), bitmap.get());
    Paint(canvas.get(), RECT{0, 0, width, height}, look);
    BitBlt(item.hDC, bounds.left, bounds.top, width, height, canvas.get(), 0, 0, SRCCOPY);
}

void PictureButton::Paint(HDC dc, const RECT& client, const ButtonLook& look) const {
    PaintFrame(dc, client, look.frame);
    const RECT content = ContentRect(dc, client, look.frame);

    auto font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    win::SelectedObject selectedFont(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    const std::wstring text = win::WindowText(Handle());
    UINT format = DT_CENTER | DT_WORDBREAK;
    if (SendMessageW(Handle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) format |= DT_HIDEPREFIX;

    // The caption wraps only where it would reach the frame's edge: a caption
    // may be one long word for a narrow button, and Wine's Tahoma is wider
    // than Windows' (a 15-letter word 85 pixels at 8 points).
    SIZE caption{std::max<LONG>(0, client.right - client.left - 2 * kFrameEdge), 0};
    if (!text.empty()) {
        RECT measured{0, 0, caption.cx, 0};
        DrawTextW(dc, text.c_str(), -1, &measured, format | DT_CALCRECT);
        caption.cy = measured.bottom - measured.top;
    }
    const int gap = text.empty() ? 0 : Scale(4, dpi_);
    ButtonLayout layout = LayoutOf(client, SIZE{picture_.Width(), picture_.Height()}, caption, gap);
    if (look.shifted) {
        OffsetRect(&layout.picture, 1, 1);
        OffsetRect(&layout.caption, 1, 1);
    }

    const bool grey = look.picture == PictureLook::Grey || look.picture == PictureLook::HalfGrey;
    const bool half = look.picture == PictureLook::HalfColour || look.picture == PictureLook::HalfGrey;
    picture_.Draw(dc, layout.picture.left, layout.picture.top, grey, half ? kHalfOpacity : 255);
    if (!text.empty()) {
        // A style may darken the pressed face and lighten its text to match.
        COLORREF colour = GetSysColor(COLOR_BTNTEXT);
        theme_.TextColour(BP_PUSHBUTTON, PushButtonState(look.frame), colour);
        DrawCaption(dc, text, layout.caption, format, look.captionDisabled, colour);
    }

    if (look.focusRect) {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        DrawFocusRect(dc, &content);
    }
}

void PictureButton::PaintFrame(HDC dc, const RECT& client, FrameLook frame) const {
    if (theme_.IsOpen()) {
        // The styled frame has rounded, partly transparent corners.
        Theme::DrawParentBackground(Handle(), dc);
        theme_.DrawBackground(dc, BP_PUSHBUTTON, PushButtonState(frame), client);
        return;
    }
    RECT edge = client;
    if (frame == FrameLook::Pressed || frame == FrameLook::Default) {
        FrameRect(dc, &edge, OutlineBrush());
        InflateRect(&edge, -1, -1);
    }
    if (frame == FrameLook::Pressed) {
        FillRect(dc, &edge, GetSysColorBrush(COLOR_BTNFACE));
        FrameRect(dc, &edge, GetSysColorBrush(COLOR_BTNSHADOW));
    } else {
        // Raised, its inside filled with the face colour.
        DrawFrameControl(dc, &edge, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
}

RECT PictureButton::ContentRect(HDC dc, const RECT& client, FrameLook frame) const {
    // Classic: inside the dark outline and the two-pixel edge; not a pixel
    // further, or the dotted line crosses the caption's baseline in an
    // 89-pixel button. Styles give their own margins; Wine's are thinner than
    // the classic frame, so they get at least that.
    RECT content = client;
    InflateRect(&content, -kFrameEdge, -kFrameEdge);
    if (!theme_.IsOpen()) return content;
    const RECT styled = theme_.ContentRect(dc, BP_PUSHBUTTON, PushButtonState(frame), client);
    IntersectRect(&content, &content, &styled);
    return content;
}

}  // namespace gui
