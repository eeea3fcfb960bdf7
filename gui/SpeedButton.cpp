#include "gui/SpeedButton.h"

#include "gui/AccessKey.h"
#include "gui/AccessibleButton.h"
#include "gui/Caption.h"
#include "gui/ExceptionGuard.h"
#include "gui/Window.h"
#include "win/Error.h"
#include "win/Gdi.h"
#include "win/Window.h"

#include <windowsx.h>

#include <new>
#include <string>

namespace gui {

namespace {

// Not in the XP-level headers' winuser.h.
constexpr LRESULT kStateHot = 0x0200;  // BST_HOT

struct SpeedButton {
    HFONT font = nullptr;
    bool mouseOver = false;
    bool pressing = false;  // the mouse went down on it and the button holds the capture
    bool inside = false;    // ... and the mouse is still over it
    wchar_t accessKey = 0;
    WORD hiddenCues = 0;    // UISF_* flags
};

SpeedButton* StateOf(HWND window) { return reinterpret_cast<SpeedButton*>(GetWindowLongPtrW(window, 0)); }

void Redraw(HWND window) { InvalidateRect(window, nullptr, FALSE); }

bool Inside(HWND window, LPARAM position) {
    const POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    RECT client;
    GetClientRect(window, &client);
    return PtInRect(&client, point) != FALSE;
}

void Click(HWND window) {
    SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
                 reinterpret_cast<LPARAM>(window));
}

void Paint(HWND window, const SpeedButton& state, HDC dc, const RECT& client) {
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const bool enabled = IsWindowEnabled(window) != FALSE;
    const bool sunken = state.pressing && state.inside;
    RECT edge = client;
    if (enabled && sunken)
        DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    else if (enabled && (state.mouseOver || state.pressing))
        DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);

    const std::wstring text = win::WindowText(window);
    if (text.empty()) return;
    win::SelectedObject font(dc, state.font ? state.font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    // Left unmarked while the cues are hidden: Wine's DrawText ignores DT_HIDEPREFIX.
    const wchar_t key = (state.hiddenCues & UISF_HIDEACCEL) ? 0 : state.accessKey;
    RECT box = client;
    if (sunken) OffsetRect(&box, 1, 1);
    DrawCaption(dc, MarkedCaption(text, key), box, DT_CENTER | DT_VCENTER | DT_SINGLELINE, !enabled,
                GetSysColor(COLOR_BTNTEXT));
}

void OnPaint(HWND window, const SpeedButton& state) {
    const win::PaintDc paint(window);
    const HDC dc = paint.get();
    RECT client;
    GetClientRect(window, &client);
    // Drawn off-screen and copied in one go, so that hovering does not flicker.
    win::MemoryDc canvas(CreateCompatibleDC(dc));
    win::GdiObject bitmap(canvas ? CreateCompatibleBitmap(dc, client.right, client.bottom) : nullptr);
    if (bitmap) {
        win::SelectedObject selected(canvas.get(), bitmap.get());
        Paint(window, state, canvas.get(), client);
        BitBlt(dc, 0, 0, client.right, client.bottom, canvas.get(), 0, 0, SRCCOPY);
    } else {
        Paint(window, state, dc, client);
    }
}

LRESULT HandleMessage(HWND window, SpeedButton& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // No SetFocus: the focus stays where it was.
        if (!state.pressing) {
            SetCapture(window);
            state.pressing = true;
            state.inside = true;
            Redraw(window);
        }
        return 0;
    case WM_MOUSEMOVE: {
        const bool inside = Inside(window, lParam);
        if (inside && !state.mouseOver) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
            TrackMouseEvent(&track);
        }
        if (inside != state.mouseOver || (state.pressing && inside != state.inside)) {
            state.mouseOver = inside;
            if (state.pressing) state.inside = inside;
            Redraw(window);
        }
        return 0;
    }
    case WM_MOUSELEAVE:
        state.mouseOver = false;
        Redraw(window);
        return 0;
    case WM_LBUTTONUP: {
        if (!state.pressing) return 0;
        const bool clicked = Inside(window, lParam);
        ReleaseCapture();  // WM_CAPTURECHANGED ends the press
        if (clicked) {
            // Shown released before the handler runs, which may open a modal box.
            UpdateWindow(window);
            Click(window);
        }
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (state.pressing) {
            state.pressing = false;
            state.inside = false;
            Redraw(window);
        }
        return 0;
    case WM_ENABLE:
        if (!wParam) {
            if (state.pressing) ReleaseCapture();
            state.mouseOver = false;
        }
        Redraw(window);
        return 0;
    case BM_CLICK:
        if (IsUsable(window)) Click(window);
        return 0;
    case BM_GETCHECK:
        return BST_UNCHECKED;
    case BM_GETSTATE:
        return (state.pressing && state.inside ? BST_PUSHED : 0) | (state.mouseOver ? kStateHot : 0);
    case WM_SETFONT:
        state.font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) Redraw(window);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(state.font);
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        Redraw(window);
        return result;
    }
    case WM_UPDATEUISTATE: {
        // Kept here, since Wine's windows keep no cues of their own.
        const WORD hidden = ChangedCues(state.hiddenCues, wParam);
        if (hidden != state.hiddenCues) Redraw(window);
        state.hiddenCues = hidden;
        return 0;
    }
    case WM_QUERYUISTATE:
        return state.hiddenCues;
    case WM_GETOBJECT:
        if (static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
            if (const LRESULT object = AccessibleButtonObject(window, wParam, state.accessKey)) return object;
        }
        break;
    case WM_SYSCOLORCHANGE:
        Redraw(window);
        return 0;
    case WM_ERASEBKGND:
        return TRUE;  // WM_PAINT covers every pixel
    case WM_PAINT:
        OnPaint(window, state);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = new (std::nothrow) SpeedButton;
        if (!created) return FALSE;
        // A button made into a window that hides its cues hides them too.
        const HWND parent = reinterpret_cast<CREATESTRUCTW*>(lParam)->hwndParent;
        created->hiddenCues = parent ? LOWORD(SendMessageW(parent, WM_QUERYUISTATE, 0, 0)) : 0;
        SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(created));
    }
    SpeedButton* state = StateOf(window);
    if (!state) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, 0, 0);
        delete state;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return Guarded([&] { return HandleMessage(window, *state, message, wParam, lParam); });
}

}  // namespace

void SetSpeedButtonAccessKey(HWND button, wchar_t key) {
    const bool speedButton = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(button, GWLP_WNDPROC)) == &Procedure;
    SpeedButton* state = speedButton ? StateOf(button) : nullptr;
    if (!state) throw win::Error(L"Only a speed button takes an access key");
    state->accessKey = key;
    Redraw(button);
}

void RegisterSpeedButtonClass() {
    WNDCLASSEXW wc{sizeof wc};
    // No CS_DBLCLKS: two quick clicks are two clicks.
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &Procedure;
    wc.cbWndExtra = sizeof(SpeedButton*);
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kSpeedButtonClass;
    win::EnsureClassRegistered(wc);
}

}  // namespace gui
