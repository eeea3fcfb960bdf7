// A control of the platform's whose messages go to an object of ours first:
// HandleMessage sees each one and calls Default for the control's own
// behaviour. The object subclasses the control through comctl32's chain (so
// the common controls must be loaded) and leaves it when it goes, or when the
// window is destroyed first. No exception crosses the procedure: an uncaught
// one goes to the default error box.
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
    // The next in the window's chain; only from within HandleMessage.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const;

    // The object subclassing a window, or nullptr.
    static SubclassedWindow* Attached(HWND window);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);
    void Unhook();

    HWND handle_;
};

}  // namespace gui
