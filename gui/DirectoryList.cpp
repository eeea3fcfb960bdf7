#include "gui/DirectoryList.h"

#include "gui/Dpi.h"
#include "win/Error.h"
#include "win/LateImports.h"
#include "win/LetterCase.h"
#include "win/Paths.h"

#include <algorithm>

namespace gui {

namespace {

constexpr int kRowHeight = 16;  // at 96 dpi, like the row's folder picture
constexpr int kIndent = 10;     // per level, at 96 dpi
constexpr int kGap = 3;         // between the picture and the name

std::wstring Join(const std::wstring& folder, const std::wstring& name) {
    return folder.back() == L'\\' ? folder + name : folder + L'\\' + name;
}

// The form the list shows and compares: no trailing separator, drive letter
// in upper case, as the drive combo shows it.
std::wstring Normalised(const std::wstring& path) {
    std::wstring result = win::WithoutTrailingSeparator(path);
    if (result.size() >= 2 && result[1] == L':') result[0] = win::UpperCase(result[0]);
    return result;
}

std::wstring CurrentDirectory() {
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    std::wstring current(needed, L'\0');
    const DWORD length = needed ? GetCurrentDirectoryW(needed, &current[0]) : 0;
    if (length == 0 || length >= needed) win::ThrowLastError(L"Cannot read the current directory");
    current.resize(length);
    return Normalised(current);
}

// The visible subfolders, sorted by name as Explorer's list would (case
// ignored). A folder that cannot be read simply has none.
std::vector<std::wstring> Subfolders(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    win::FindHandle search(FindFirstFileW(Join(folder, L"*").c_str(), &found));
    if (!search) return names;
    do {
        const std::wstring name = found.cFileName;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) ||
            name == L"." || name == L"..")
            continue;
        names.push_back(name);
    } while (FindNextFileW(search.get(), &found));
    std::sort(names.begin(), names.end(),
              [](const std::wstring& a, const std::wstring& b) { return lstrcmpiW(a.c_str(), b.c_str()) < 0; });
    return names;
}

// The shell's folder picture; the large one when the small one would have to
// grow, since shrinking looks better than enlarging.
win::UniqueIcon FolderIcon(bool open, int size) {
    SHFILEINFOW info{};
    UINT flags = SHGFI_ICON | SHGFI_USEFILEATTRIBUTES | (open ? SHGFI_OPENICON : 0);
    flags |= GetSystemMetrics(SM_CXSMICON) >= size ? SHGFI_SMALLICON : SHGFI_LARGEICON;
    win::ShellFileInfo(L"folder", FILE_ATTRIBUTE_DIRECTORY, info, flags);
    return win::UniqueIcon(info.hIcon);
}

}  // namespace

DirectoryList::DirectoryList(HWND listBox, int dpi)
    : SubclassedWindow(listBox), dpi_(dpi), iconSize_(Scale(kRowHeight, dpi)) {
    const LONG style = GetWindowLongW(listBox, GWL_STYLE);
    if (!(style & LBS_OWNERDRAWFIXED) || !(style & LBS_HASSTRINGS) || (style & LBS_SORT))
        throw win::Error(L"A directory list needs an owner-drawn list box with strings, unsorted");
    directory_ = CurrentDirectory();
    SendMessageW(listBox, LB_SETITEMHEIGHT, 0, Scale(kRowHeight, dpi));
}

void DirectoryList::Fill() {
    if (!filled_) Rebuild();
}

DirectoryList* DirectoryList::FromHandle(HWND window) { return dynamic_cast<DirectoryList*>(Attached(window)); }

void DirectoryList::OnChange(std::function<void()> listener) { listeners_.push_back(std::move(listener)); }

void DirectoryList::MoveTo(const std::wstring& folder) {
    const std::wstring target = Normalised(win::FullPath(folder));
    if (win::SameFileName(target, directory_)) return;
    if (!SetCurrentDirectoryW(target.c_str())) throw win::Error(win::SystemErrorText(GetLastError()));
    directory_ = CurrentDirectory();
    // The drive's own current directory, as the runtime's chdir keeps it:
    // choosing the drive again in a drive combo comes back here.
    if (directory_.size() >= 2 && directory_[1] == L':') {
        const wchar_t name[] = {L'=', directory_[0], L':', L'\0'};
        SetEnvironmentVariableW(name, directory_.c_str());
    }
    Rebuild();
    for (const auto& listener : listeners_) listener();
}

void DirectoryList::Rebuild() {
    if (!Handle()) return;
    if (!filled_) {
        // The shell's pictures cost it a good while to load the first time.
        closedFolder_ = FolderIcon(false, iconSize_);
        openFolder_ = FolderIcon(true, iconSize_);
        filled_ = true;
    }
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
    rows_.clear();
    const std::vector<std::wstring> chain = win::FolderChain(directory_);
    for (const std::wstring& folder : chain) {
        rows_.push_back(Row{folder, static_cast<int>(rows_.size()), true});
    }
    for (const std::wstring& name : Subfolders(directory_)) {
        rows_.push_back(Row{Join(directory_, name), static_cast<int>(chain.size()), false});
    }
    for (const Row& row : rows_) SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.path.c_str()));
    const WPARAM current = chain.empty() ? static_cast<WPARAM>(-1) : chain.size() - 1;
    SendMessageW(Handle(), LB_SETCURSEL, current, 0);
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void DirectoryList::Command(int notification) {
    if (notification == LBN_DBLCLK) EnterSelectedRow();
}

void DirectoryList::EnterSelectedRow() {
    const LRESULT index = SendMessageW(Handle(), LB_GETCURSEL, 0, 0);
    if (index < 0 || static_cast<size_t>(index) >= rows_.size()) return;
    MoveTo(rows_[static_cast<size_t>(index)].path);
}

void DirectoryList::SelectRowStartingWith(wchar_t letter) {
    const LRESULT current = SendMessageW(Handle(), LB_GETCURSEL, 0, 0);
    const size_t count = rows_.size();
    const size_t start = current < 0 ? count - 1 : static_cast<size_t>(current);
    const std::wstring wanted(1, letter);
    for (size_t step = 1; step <= count; ++step) {
        const size_t index = (start + step) % count;
        const std::wstring name = win::FolderName(rows_[index].path);
        if (!name.empty() && win::SameFileName(name.substr(0, 1), wanted)) {
            SendMessageW(Handle(), LB_SETCURSEL, index, 0);
            // As the list tells its parent of a selection the user made.
            SendMessageW(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Handle()), LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(Handle()));
            return;
        }
    }
}

void DirectoryList::Draw(const DRAWITEMSTRUCT& item) const {
    const HDC dc = item.hDC;
    RECT bounds = item.rcItem;
    if (item.itemID == static_cast<UINT>(-1) || item.itemID >= rows_.size()) {
        // An empty list still shows where the focus is.
        if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) DrawFocusRect(dc, &bounds);
        return;
    }
    const Row& row = rows_[item.itemID];
    FillRect(dc, &bounds, GetSysColorBrush(COLOR_WINDOW));

    const int left = bounds.left + Scale(2, dpi_) + row.level * Scale(kIndent, dpi_);
    const int height = bounds.bottom - bounds.top;
    const HICON icon = row.open ? openFolder_.get() : closedFolder_.get();
    if (icon) {
        DrawIconEx(dc, left, bounds.top + (height - iconSize_) / 2, icon, iconSize_, iconSize_, 0, nullptr,
                   DI_NORMAL);
    }

    const std::wstring name = win::FolderName(row.path);
    const HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    win::SelectedObject selectedFont(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SIZE extent{};
    GetTextExtentPoint32W(dc, name.c_str(), static_cast<int>(name.size()), &extent);
    // Only the name is highlighted, as in the classic lists.
    const int pad = Scale(2, dpi_);
    RECT text{left + iconSize_ + Scale(kGap, dpi_), bounds.top, 0, bounds.bottom};
    text.right = std::min<LONG>(text.left + extent.cx + 2 * pad, bounds.right);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    if (selected) FillRect(dc, &text, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor((item.itemState & ODS_DISABLED) ? COLOR_GRAYTEXT
                                 : selected                      ? COLOR_HIGHLIGHTTEXT
                                                                 : COLOR_WINDOWTEXT));
    RECT inner = text;
    InflateRect(&inner, -pad, 0);
    DrawTextW(dc, name.c_str(), static_cast<int>(name.size()), &inner,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) DrawFocusRect(dc, &text);
}

LRESULT DirectoryList::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE: {
        // Enter goes to the list (to enter the row) instead of to the dialog.
        LRESULT code = Default(message, wParam, lParam);
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
        return code;
    }
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            EnterSelectedRow();
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == L'\r') return 0;  // Enter was handled as a key
        if (wParam > L' ') {
            // The rows' texts are full paths: look the letter up in the names.
            SelectRowStartingWith(static_cast<wchar_t>(wParam));
            return 0;
        }
        break;
    }
    return Default(message, wParam, lParam);
}

}  // namespace gui
