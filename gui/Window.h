// A window whose messages go to a C++ object. The static procedure is the
// boundary: no exception leaves it; an uncaught one is shown in the
// application's default error box and the program runs on.
#pragma once

#include <windows.h>

namespace gui {

// Whether the user could press a control now: shown and enabled.
bool IsUsable(HWND control);

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return handle_; }

protected:
    // Registers, once per process, the class of windows whose messages go to
    // the Window object each is made for: the arrow cursor, the face colour
    // behind, the icons given.
    static void RegisterWindowObjectClass(const wchar_t* className, HICON icon, HICON smallIcon);

    void CreateHandle(const wchar_t* className, const wchar_t* caption, DWORD style, DWORD exStyle,
                      const RECT& bounds, HWND owner);

    // Destroys the window now, while the derived object's resources still
    // live; the destructor would do it only after them.
    void DestroyHandle();

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
};

}  // namespace gui
