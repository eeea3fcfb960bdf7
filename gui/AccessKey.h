// Access keys: a letter of a control's caption that, typed with Alt, presses
// the control. The caption's window text stays as it is (no "&"); the letter
// is underlined only while the window shows keyboard cues, which it hides
// until the user presses Alt unless the user asked to see them always.
#pragma once

#include "gui/ControlTable.h"

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace gui {

// The caption as DrawText takes it: every "&" of the text shown as itself,
// and the first letter equal to key (in either case) marked to be underlined.
// key 0 marks nothing.
std::wstring MarkedCaption(const std::wstring& caption, wchar_t key);

// Whether a character typed with Alt is the key, in either case.
bool IsAccessKey(wchar_t typed, wchar_t key);

// The key as screen readers name it: "Alt+T".
std::wstring AccessKeyShortcut(wchar_t key);

// The letter a caption marks with "&" for the dialog manager, or 0 ("&&"
// shows a single "&" and marks nothing).
wchar_t MnemonicOf(const std::wstring& caption);

// The cues a window hides (UISF_HIDEACCEL, UISF_HIDEFOCUS) after a
// WM_CHANGEUISTATE or WM_UPDATEUISTATE with wParam change.
WORD ChangedCues(WORD hidden, WPARAM change);

// The user's setting to underline access keys always (SPI_GETKEYBOARDCUES).
bool KeyboardCuesAlwaysShown();

// The name of the first control whose access key another control of the
// table uses too (as its access key or as the "&" mark of its caption), or
// nullptr when each key belongs to one control.
const wchar_t* AccessKeyClash(const ControlDescription* controls, size_t count);

// The access keys of a form's controls.
class AccessKeyTable {
public:
    void Add(wchar_t key, HWND control) { keys_.emplace_back(key, control); }

    // Alt with a character presses the control whose access key it is, as a
    // click would, if the user could click it now. True when one was pressed.
    bool Press(wchar_t typed) const;

private:
    std::vector<std::pair<wchar_t, HWND>> keys_;
};

}  // namespace gui
