#include "gui/DriveCombo.h"

#include "gui/DirectoryList.h"
#include "win/Error.h"
#include "win/LetterCase.h"


namespace gui {

DriveCombo::DriveCombo(HWND comboBox) : SubclassedWindow(comboBox) {
    if ((GetWindowLongW(comboBox, GWL_STYLE) & 3) != CBS_DROPDOWNLIST)
        throw win::Error(L"A drive combo needs a drop-down list combo box");
}

DriveCombo* DriveCombo::FromHandle(HWND window) { return dynamic_cast<DriveCombo*>(Attached(window)); }

void DriveCombo::Link(DirectoryList& list) {
    list_ = &list;
    list.OnChange([this] { SelectDriveOf(list_->Directory()); });
    SelectDriveOf(list.Directory());
}

void DriveCombo::OnChange(std::function<void()> listener) { listeners_.push_back(std::move(listener)); }

void DriveCombo::Fill() {
    if (filled_) return;
    ListDrives();
    if (list_) SelectDriveOf(list_->Directory());
}

void DriveCombo::ListDrives() {
    SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
    const DWORD drives = GetLogicalDrives();
    for (int bit = 0; bit < 26; ++bit) {
        if (!(drives & (1u << bit))) continue;
        const wchar_t letter = static_cast<wchar_t>(L'A' + bit);
        const wchar_t text[] = {letter, L':', L'\0'};
        const LRESULT index = SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        if (index >= 0) SendMessageW(Handle(), CB_SETITEMDATA, static_cast<WPARAM>(index), letter);
    }
    filled_ = true;
}

void DriveCombo::SelectDriveOf(const std::wstring& path) {
    const wchar_t letter =
        path.size() >= 2 && path[1] == L':' ? win::UpperCase(path[0]) : L'\0';
    const LRESULT count = SendMessageW(Handle(), CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; letter && i < count; ++i) {
        if (static_cast<wchar_t>(SendMessageW(Handle(), CB_GETITEMDATA, static_cast<WPARAM>(i), 0)) == letter) {
            SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(i), 0);
            return;
        }
    }
    SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

wchar_t DriveCombo::SelectedLetter() const {
    const LRESULT index = SendMessageW(Handle(), CB_GETCURSEL, 0, 0);
    if (index < 0) return L'\0';
    return static_cast<wchar_t>(SendMessageW(Handle(), CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

void DriveCombo::Command(int notification) {
    if (notification == CBN_DROPDOWN) {
        // Drives come and go (a stick, a network drive): list them afresh.
        const wchar_t letter = SelectedLetter();
        ListDrives();
        SelectDriveOf(letter ? std::wstring{letter, L':'} : std::wstring());
        return;
    }
    if (notification != CBN_SELCHANGE) return;
    const wchar_t letter = SelectedLetter();
    if (list_ && letter) {
        try {
            // "D:" alone is the drive's current directory.
            list_->MoveTo(std::wstring{letter, L':'});
        } catch (...) {
            SelectDriveOf(list_->Directory());
            throw;
        }
    }
    for (const auto& listener : listeners_) listener();
}

}  // namespace gui
