// When a picture button paints: disabling it (as the run disables the four
// location buttons) leaves the repaint to the system's next paint instead
// of drawing the button there and then.
#include "gui/Application.h"
#include "gui/Picture.h"
#include "gui/PictureButton.h"

#include <windows.h>

#include <doctest.h>

namespace {

int drawn = 0;

LRESULT CALLBACK CountingParent(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM) {
        ++drawn;
        return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

TEST_CASE("a disabled picture button repaints when the system paints, not while it is being disabled") {
    gui::Application application;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = CountingParent;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"KORdexPictureButtonPaintTest";
    RegisterClassW(&windowClass);
    const HWND parent = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0, 120, 120,
                                        nullptr, nullptr, windowClass.hInstance, nullptr);
    REQUIRE(parent);
    const HWND button = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 10, 10, 89, 89,
                                        parent, nullptr, windowClass.hInstance, nullptr);
    REQUIRE(button);
    // One red pixel: a run-length TGA of 1 x 1.
    const unsigned char tga[] = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 32, 0x28, 0x80, 0, 0, 0xFF, 0xFF};
    gui::PictureButton picture(button, gui::Picture::FromTga(tga, sizeof tga), 96);
    UpdateWindow(parent);
    UpdateWindow(button);

    drawn = 0;
    EnableWindow(button, FALSE);
    CHECK(drawn == 0);
    UpdateWindow(button);
    CHECK(drawn == 1);
    DestroyWindow(parent);
}
