// The classic drive combo: one row per drive letter, in upper case ("C:"),
// as the system's list of logical drives has them. No drive is asked
// anything (no label, no type), so a slow or sleeping disk keeps nobody
// waiting. It stays a real CBS_DROPDOWNLIST combo box, so CB_GETCOUNT,
// CB_GETLBTEXT and CB_GETCURSEL work as on any combo; the parent forwards its
// WM_COMMAND notifications. It is empty until its form fills it, when first
// shown, and lists the drives afresh each time it drops down.
//
// Linked to a directory list, both ways: choosing a drive moves the list to
// that drive's current directory, and a list moving to another drive selects
// that drive here. A drive that cannot be entered raises the list's error and
// the combo goes back to the list's drive.
#pragma once

#include "gui/SubclassedWindow.h"

#include <functional>
#include <string>
#include <vector>

namespace gui {

class DirectoryList;

class DriveCombo : public SubclassedWindow {
public:
    explicit DriveCombo(HWND comboBox);

    // The list must outlive the combo's use of it (both belong to one form).
    void Link(DirectoryList& list);

    // Lists the drives and selects the linked list's, unless done already.
    void Fill();

    // Called after the user chose a drive (and the list moved there).
    void OnChange(std::function<void()> listener);

    // A notification code the parent received from the combo in WM_COMMAND.
    void Command(int notification);

    // The object behind a combo window, or nullptr if it is not one.
    static DriveCombo* FromHandle(HWND window);

private:
    void ListDrives();
    // Selects the drive of path; none for a path without a drive letter.
    void SelectDriveOf(const std::wstring& path);
    wchar_t SelectedLetter() const;

    DirectoryList* list_ = nullptr;
    bool filled_ = false;
    std::vector<std::function<void()>> listeners_;
};

}  // namespace gui
