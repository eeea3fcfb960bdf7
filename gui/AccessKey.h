// Access keys: a letter of a control's caption that, typed with Alt, presses
// the control. The caption's window text stays as it is (no "&"); the letter
// is underlined only while the window shows keyboard cues, which it hides
// until the user presses Alt unless the user asked to see them always.
#pragma once

#include <windows.h>

#include <string>

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

}  // namespace gui
