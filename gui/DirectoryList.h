// The classic folder list: the current folder's ancestors from the root
// down, the folder itself open, its subfolders below it one step further in,
// one row each with a folder picture. It stays a real LISTBOX (owner-drawn,
// with strings), so LB_GETCOUNT, LB_GETTEXT, LB_GETCURSEL and LB_SETCURSEL
// work as on any list; a row's text is its folder's full path, and the row
// of the list's folder is selected after each move.
//
// The list's folder is the process's current directory: moving the list
// moves it. The rows (the disk's folders, the shell's folder pictures) are
// read only when the list is first filled or moved: its form fills it when
// first shown, so a list that is never shown never reads a disk. A double click (LBN_DBLCLK, which the parent forwards) or Enter
// on a row moves the list to that row's folder; a typed letter selects the
// next row whose folder name starts with it.
#pragma once

#include "gui/SubclassedWindow.h"
#include "win/Gdi.h"

#include <functional>
#include <string>
#include <vector>

namespace gui {

class DirectoryList : public SubclassedWindow {
public:
    // Takes over an LBS_OWNERDRAWFIXED | LBS_HASSTRINGS list box, standing at
    // the process's current directory, still empty; rows are 16 pixels at 96
    // dpi.
    DirectoryList(HWND listBox, int dpi);

    // Builds the rows, unless a fill or a move has built them already.
    void Fill();

    const std::wstring& Directory() const { return directory_; }

    // Moves the list and the current directory to folder (relative to the
    // current directory, or absolute). The same folder in any letter case
    // does nothing; otherwise the rows are rebuilt and every listener is
    // called once. A folder that cannot be entered raises win::Error with the
    // system's message, and the list stays.
    void MoveTo(const std::wstring& folder);

    // Called after each move, in the order added.
    void OnChange(std::function<void()> listener);

    // A notification code the parent received from the list in WM_COMMAND.
    void Command(int notification);
    void Draw(const DRAWITEMSTRUCT& item) const;

    // The object behind a list window, or nullptr if it is not one.
    static DirectoryList* FromHandle(HWND window);

private:
    struct Row {
        std::wstring path;
        int level;  // steps of indentation
        bool open;  // the folder or one of its ancestors
    };

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Rebuild();
    void EnterSelectedRow();
    void SelectRowStartingWith(wchar_t letter);

    int dpi_;
    bool filled_ = false;
    std::wstring directory_;
    std::vector<Row> rows_;
    std::vector<std::function<void()>> listeners_;
    win::UniqueIcon closedFolder_;
    win::UniqueIcon openFolder_;
    int iconSize_;
};

}  // namespace gui
