// A control of the platform's whose messages go to an object of ours first:
// HandleMessage sees each one and calls Default for the control's own
// behaviour. The control's procedure is put back when the object goes, or
// let go when the window is destroyed first. No exception crosses the
// procedure: an uncaught one goes to the default error box.
#pragma once

#include <windows.h>

namespace gui {

class SubclassedWindow {
public:
    virtual ~SubclassedWindow();
    SubclassedWindow(const SubclassedWindow&) = delete;
    SubclassedWindow& operator=(const SubclassedWindow&) = delete;

    HWND Handle() const { return handle_; }

protected:
    explicit SubclassedWindow(HWND window);

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const;

    // The object subclassing a window, or nullptr.
    static SubclassedWindow* Attached(HWND window);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Unhook();

    HWND handle_;
    WNDPROC previous_ = nullptr;
};

}  // namespace gui
