#pragma once
// The driver's handle owners: the installer's own, and the few only the driver needs.

#include "gui/Handles.h"

using gui::GdiObject;
using gui::MemoryDc;
using gui::UniqueHandle;
using Selection = gui::SelectedObject;
using Hook = gui::Unique<gui::NullTraits<HHOOK, &UnhookWindowsHookEx>>;
using MappedView = gui::Unique<gui::NullTraits<void*, &UnmapViewOfFile>>;

// A device context borrowed with GetDC, given back with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDc() {
        if (dc_)
            ReleaseDC(hwnd_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};
