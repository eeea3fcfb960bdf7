#include "gui/MessageQueue.h"
#include "gui/PaintPump.h"

#include <windows.h>

#include <doctest.h>

#include <functional>
#include <string>

namespace {

// Whether a loop that reads every message, as the program's does, meets the
// quit message with that code.
bool QuitComes(WPARAM code) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) return msg.wParam == code;
        DispatchMessageW(&msg);
    }
    return false;
}

}  // namespace

TEST_CASE("a quit message met by a loop that takes only some messages still ends the program's loop") {
    const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    REQUIRE(window);
    struct Loop {
        const char* name;
        std::function<void()> run;
    };
    gui::PaintPump pump(0);
    const Loop loops[] = {
        {"throwing typed-ahead input away", [] { gui::DiscardTypedAheadInput(); }},
        {"letting the windows paint", [&pump] { pump(); }},
    };
    for (const Loop& loop : loops) {
        CAPTURE(std::string(loop.name));
        // Input typed ahead and a paint wait too; the quit is met among them.
        PostMessageW(window, WM_KEYDOWN, VK_RETURN, 0);
        InvalidateRect(window, nullptr, TRUE);
        PostQuitMessage(7);
        loop.run();
        CHECK(QuitComes(7));
    }
    DestroyWindow(window);
}

TEST_CASE("input typed ahead is thrown away, other messages stay") {
    const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    REQUIRE(window);
    const UINT kMine = WM_APP + 5;
    for (const UINT input : {UINT{WM_KEYDOWN}, UINT{WM_CHAR}, UINT{WM_LBUTTONDOWN}, UINT{WM_NCLBUTTONDOWN}})
        PostMessageW(window, input, 0, 0);
    PostMessageW(window, kMine, 0, 0);
    gui::DiscardTypedAheadInput();
    MSG msg;
    REQUIRE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    CHECK(msg.message == kMine);
    CHECK_FALSE(PeekMessageW(&msg, window, 0, 0, PM_REMOVE));
    DestroyWindow(window);
}
