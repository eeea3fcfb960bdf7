#include "gui/DirectoryList.h"
#include "gui/DriveCombo.h"
#include "win/CommonControls.h"
#include "win/Error.h"

#include <windows.h>

#include <doctest.h>

#include <cwctype>
#include <memory>
#include <string>
#include <vector>

namespace {

std::wstring CurrentDirectory() {
    wchar_t current[MAX_PATH];
    return std::wstring(current, GetCurrentDirectoryW(MAX_PATH, current));
}

// A folder tree in the temporary folder, removed again, with the current
// directory put back: root\Apps, root\Data, a hidden folder and a file.
class Tree {
public:
    Tree() : previous_(CurrentDirectory()) {
        wchar_t temp[MAX_PATH];
        root_.assign(temp, GetTempPathW(MAX_PATH, temp));
        root_ += L"kordex-list-test";
        for (const wchar_t* name : {L"", L"\\Data", L"\\Apps", L"\\Hidden"})
            CreateDirectoryW((root_ + name).c_str(), nullptr);
        SetFileAttributesW((root_ + L"\\Hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
        CloseHandle(CreateFileW((root_ + L"\\file.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    ~Tree() {
        SetCurrentDirectoryW(previous_.c_str());
        DeleteFileW((root_ + L"\\file.txt").c_str());
        SetFileAttributesW((root_ + L"\\Hidden").c_str(), FILE_ATTRIBUTE_NORMAL);
        for (const wchar_t* name : {L"\\Data", L"\\Apps", L"\\Hidden", L""}) RemoveDirectoryW((root_ + name).c_str());
    }
    const std::wstring& Root() const { return root_; }

private:
    std::wstring previous_;
    std::wstring root_;
};

// A hidden window with the list and the combo as the dialog makes them.
// Without the application object, which would load comctl32 for the
// controls' subclassing.
class Controls {
public:
    Controls() {
        REQUIRE(win::LoadCommonControls());
        parent_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr, nullptr, nullptr);
        list = CreateWindowExW(0, L"LISTBOX", L"",
                               WS_CHILD | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                               0, 0, 200, 150, parent_, nullptr, nullptr, nullptr);
        combo = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | CBS_DROPDOWNLIST, 0, 160, 100, 200, parent_, nullptr,
                                nullptr, nullptr);
    }
    ~Controls() { DestroyWindow(parent_); }
    HWND list = nullptr;
    HWND combo = nullptr;

private:
    HWND parent_ = nullptr;
};

std::vector<std::wstring> Rows(HWND list) {
    std::vector<std::wstring> rows;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring text(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
        text.resize(static_cast<size_t>(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&text[0]))));
        rows.push_back(text);
    }
    return rows;
}

std::wstring SelectedRow(HWND list) {
    const LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
    return index < 0 ? L"" : Rows(list).at(static_cast<size_t>(index));
}

std::wstring SelectedDrive(HWND combo) {
    const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (index < 0) return L"";
    wchar_t text[MAX_PATH] = L"";
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

void SelectRow(HWND list, const std::wstring& text) {
    const std::vector<std::wstring> rows = Rows(list);
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i] == text) SendMessageW(list, LB_SETCURSEL, i, 0);
}

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

TEST_CASE("the list shows the folder's ancestors and visible subfolders, and moves the current directory") {
    Tree tree;
    Controls controls;
    gui::DirectoryList list(controls.list, 96);
    CHECK(list.Directory() == CurrentDirectory());
    CHECK(SendMessageW(controls.list, LB_GETITEMHEIGHT, 0, 0) == 16);
    int changes = 0;
    list.OnChange([&] { ++changes; });

    const std::wstring root = tree.Root();
    list.MoveTo(root);
    CHECK(changes == 1);
    CHECK(list.Directory() == root);
    CHECK(CurrentDirectory() == root);
    std::vector<std::wstring> rows = Rows(controls.list);
    REQUIRE(rows.size() >= 3);
    CHECK(rows[0] == root.substr(0, 3));
    CHECK(rows[rows.size() - 3] == root);
    CHECK(rows[rows.size() - 2] == root + L"\\Apps");
    CHECK(rows[rows.size() - 1] == root + L"\\Data");
    CHECK(SelectedRow(controls.list) == root);

    // The same folder in another case, or with a trailing separator: nothing happens.
    std::wstring upper = root;
    for (wchar_t& c : upper) c = static_cast<wchar_t>(towupper(c));
    list.MoveTo(upper);
    list.MoveTo(root + L"\\");
    CHECK(changes == 1);

    // A double click or Enter on a row enters it; relative moves go from the current directory.
    SelectRow(controls.list, root + L"\\Apps");
    list.Command(LBN_DBLCLK);
    CHECK(list.Directory() == root + L"\\Apps");
    CHECK(changes == 2);
    list.MoveTo(L"..\\Data");
    CHECK(list.Directory() == root + L"\\Data");
    SelectRow(controls.list, root);
    SendMessageW(controls.list, WM_KEYDOWN, VK_RETURN, 0);
    CHECK(list.Directory() == root);
    CHECK(changes == 4);

    // A typed letter selects the next row whose name starts with it, in any case.
    SendMessageW(controls.list, WM_CHAR, L'd', 0);
    CHECK(SelectedRow(controls.list) == root + L"\\Data");
    SendMessageW(controls.list, WM_CHAR, L'D', 0);
    CHECK(SelectedRow(controls.list) == root + L"\\Data");
    CHECK(list.Directory() == root);
    SelectRow(controls.list, root);

    // A folder that cannot be entered: the system's message, and nothing moves.
    const std::vector<std::wstring> before = Rows(controls.list);
    CHECK_THROWS_AS(list.MoveTo(root + L"\\Missing"), win::Error);
    CHECK(list.Directory() == root);
    CHECK(CurrentDirectory() == root);
    CHECK(Rows(controls.list) == before);
    CHECK(changes == 4);
}

TEST_CASE("the list and the drive combo read nothing until they are filled, then stand at the current directory") {
    Tree tree;
    SetCurrentDirectoryW(tree.Root().c_str());
    Controls controls;
    gui::DirectoryList list(controls.list, 96);
    gui::DriveCombo drives(controls.combo);
    drives.Link(list);
    CHECK(list.Directory() == tree.Root());
    CHECK(SendMessageW(controls.list, LB_GETCOUNT, 0, 0) == 0);
    CHECK(SendMessageW(controls.combo, CB_GETCOUNT, 0, 0) == 0);

    list.Fill();
    drives.Fill();
    const std::vector<std::wstring> rows = Rows(controls.list);
    REQUIRE(rows.size() >= 3);
    CHECK(rows[rows.size() - 2] == tree.Root() + L"\\Apps");
    CHECK(SelectedRow(controls.list) == tree.Root());
    CHECK(SelectedDrive(controls.combo) == tree.Root().substr(0, 2));

    // A second fill changes nothing.
    list.Fill();
    drives.Fill();
    CHECK(Rows(controls.list) == rows);
}

TEST_CASE("the drive combo lists drive letters in upper case and follows the list both ways") {
    Tree tree;
    Controls controls;
    gui::DirectoryList list(controls.list, 144);
    CHECK(SendMessageW(controls.list, LB_GETITEMHEIGHT, 0, 0) == 24);
    gui::DriveCombo drives(controls.combo);
    drives.Link(list);
    drives.Fill();
    int changes = 0;
    drives.OnChange([&] { ++changes; });

    // Letters only: no drive is asked for its label.
    const DWORD logical = GetLogicalDrives();
    std::vector<std::wstring> expected;
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter)
        if (logical & (1u << (letter - L'A'))) expected.push_back(std::wstring{letter, L':'});
    std::vector<std::wstring> items;
    const LRESULT count = SendMessageW(controls.combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[MAX_PATH] = L"";
        SendMessageW(controls.combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    CHECK(items == expected);
    CHECK(items.size() >= 2);  // C: and K:, the build folder

    const std::wstring root = tree.Root();
    list.MoveTo(root);
    CHECK(SelectedDrive(controls.combo).substr(0, 2) == root.substr(0, 2));
    list.MoveTo(L"K:\\");
    CHECK(SelectedDrive(controls.combo).substr(0, 2) == L"K:");

    // Choosing a drive goes back to that drive's own current directory.
    const LRESULT cIndex = SendMessageW(controls.combo, CB_FINDSTRING, static_cast<WPARAM>(-1),
                                        reinterpret_cast<LPARAM>(root.substr(0, 2).c_str()));
    REQUIRE(cIndex >= 0);
    SendMessageW(controls.combo, CB_SETCURSEL, cIndex, 0);
    drives.Command(CBN_SELCHANGE);
    CHECK(list.Directory() == root);
    CHECK(changes == 1);
}

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
    combo->Fill();
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
