// The folder dialog as the installer makes it at start: hidden, and without
// its controls, so that a start never waits on the folders or the drives.
#include "app/ChooseFolderPanel.h"
#include "gui/Application.h"

#include <windows.h>

#include <doctest.h>

TEST_CASE("the folder dialog made hidden has no controls, and makes and fills them when first shown") {
    gui::Application application;
    TfrmCDF dialog(nullptr);
    CHECK(GetWindow(dialog.Handle(), GW_CHILD) == nullptr);
    CHECK(dialog.dlbDF == nullptr);
    CHECK(dialog.dcbDF == nullptr);

    ShowWindow(dialog.Handle(), SW_SHOWNA);
    REQUIRE(dialog.dlbDF);
    REQUIRE(dialog.dcbDF);
    CHECK(GetParent(dialog.dlbDF) == dialog.Handle());
    // The list stands at the current directory, the combo at its drive.
    CHECK(SendMessageW(dialog.dlbDF, LB_GETCOUNT, 0, 0) > 0);
    CHECK(SendMessageW(dialog.dlbDF, LB_GETCURSEL, 0, 0) >= 0);
    const LRESULT drive = SendMessageW(dialog.dcbDF, CB_GETCURSEL, 0, 0);
    REQUIRE(drive >= 0);
    wchar_t current[MAX_PATH] = L"";
    GetCurrentDirectoryW(MAX_PATH, current);
    wchar_t shown[8] = L"";
    SendMessageW(dialog.dcbDF, CB_GETLBTEXT, drive, reinterpret_cast<LPARAM>(shown));
    CHECK(std::wstring(shown) == std::wstring(current, 2));

    // Shown again, it keeps the controls it has.
    const HWND list = dialog.dlbDF;
    ShowWindow(dialog.Handle(), SW_HIDE);
    ShowWindow(dialog.Handle(), SW_SHOWNA);
    CHECK(dialog.dlbDF == list);
    ShowWindow(dialog.Handle(), SW_HIDE);
}
