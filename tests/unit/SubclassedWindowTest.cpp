// The controls our objects take over, through comctl32's subclass chain.
#include "gui/DirectoryList.h"
#include "gui/DriveCombo.h"
#include "win/CommonControls.h"

#include <windows.h>

#include <doctest.h>

#include <memory>

namespace {

// A hidden window with a drive combo's and a directory list's controls.
class Controls {
public:
    Controls() {
        REQUIRE(win::LoadCommonControls());
        parent_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr, nullptr, nullptr);
        combo = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 100, 200, parent_, nullptr,
                                nullptr, nullptr);
        list = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 0, 0, 200, 150,
                               parent_, nullptr, nullptr, nullptr);
    }
    ~Controls() { DestroyWindow(parent_); }
    HWND combo = nullptr;
    HWND list = nullptr;

private:
    HWND parent_ = nullptr;
};

BOOL CALLBACK CountProperty(HWND, LPWSTR, HANDLE, ULONG_PTR counted) {
    ++*reinterpret_cast<int*>(counted);
    return TRUE;
}

int PropertyCount(HWND window) {
    int count = 0;
    EnumPropsExW(window, &CountProperty, reinterpret_cast<LPARAM>(&count));
    return count;
}

// Counts the messages it sees, then passes them on.
LRESULT CALLBACK CountingSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR counted) {
    if (message == CB_GETCOUNT) ++*reinterpret_cast<int*>(counted);
    return win::DefSubclass(window, message, wParam, lParam);
}

// The same, put in place the old way, over whatever procedure was there.
WNDPROC previousProcedure = nullptr;
int laterCount = 0;
LRESULT CALLBACK CountingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == CB_GETCOUNT) ++laterCount;
    return CallWindowProcW(previousProcedure, window, message, wParam, lParam);
}

}  // namespace

TEST_CASE("a control taken over keeps nothing of it once let go, whether the object or the window goes first") {
    Controls controls;
    const int combosBefore = PropertyCount(controls.combo);
    const int listsBefore = PropertyCount(controls.list);
    {
        gui::DriveCombo combo(controls.combo);
        gui::DirectoryList list(controls.list, 96);
        CHECK(gui::DriveCombo::FromHandle(controls.combo) == &combo);
        CHECK(gui::DirectoryList::FromHandle(controls.list) == &list);
        CHECK(gui::DriveCombo::FromHandle(controls.list) == nullptr);
        CHECK_THROWS(gui::DriveCombo(controls.combo));
    }
    CHECK(gui::DriveCombo::FromHandle(controls.combo) == nullptr);
    CHECK(gui::DirectoryList::FromHandle(controls.list) == nullptr);
    CHECK(PropertyCount(controls.combo) == combosBefore);
    CHECK(PropertyCount(controls.list) == listsBefore);

    // The window destroyed under a living object: the object lets go at once.
    auto combo = std::make_unique<gui::DriveCombo>(controls.combo);
    DestroyWindow(controls.combo);
    CHECK(combo->Handle() == nullptr);
    combo.reset();
}

TEST_CASE("subclasses made before and after ours still see every message once ours is gone") {
    Controls controls;
    int earlierCount = 0;
    REQUIRE(win::SetSubclass(controls.combo, &CountingSubclass, 1, reinterpret_cast<DWORD_PTR>(&earlierCount)));
    auto combo = std::make_unique<gui::DriveCombo>(controls.combo);
    previousProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(controls.combo, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProcedure)));
    laterCount = 0;
    const LRESULT drives = SendMessageW(controls.combo, CB_GETCOUNT, 0, 0);
    CHECK(drives >= 2);  // C: and K:, the build folder
    CHECK(earlierCount == 1);
    CHECK(laterCount == 1);

    combo.reset();
    CHECK(SendMessageW(controls.combo, CB_GETCOUNT, 0, 0) == drives);
    CHECK(earlierCount == 2);
    CHECK(laterCount == 2);
    win::RemoveSubclass(controls.combo, &CountingSubclass, 1);
}
