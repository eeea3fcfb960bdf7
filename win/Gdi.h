// Owners of GDI objects, icons and device contexts, and of an object
// selected into a device context.
#pragma once

#include "win/Handles.h"

namespace win {

using GdiObject = Unique<NullTraits<HGDIOBJ, &DeleteObject>>;
using GdiFont = Unique<NullTraits<HFONT, &DeleteObject>>;
using UniqueIcon = Unique<NullTraits<HICON, &DestroyIcon>>;
// A device context from CreateCompatibleDC.
using MemoryDc = Unique<NullTraits<HDC, &DeleteDC>>;

// A window's device context (GetDC; the screen's for a null window),
// released on the way out.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A paint from BeginPaint to EndPaint. A paint that raises an error still
// ends: the window is validated and not asked to paint again and again.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A GDI object selected into a device context, put back on the way out.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace win
