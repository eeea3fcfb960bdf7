// The flat speed button: a window class of its own that never takes the
// keyboard focus, not even when clicked. Flat in the face colour, a thin
// raised border while the mouse is over it, a sunken one while it is pressed.
// A click (mouse down and up on it, or BM_CLICK) sends WM_COMMAND BN_CLICKED
// with its control ID to the parent; a hidden or disabled button ignores
// BM_CLICK. Its caption is its window text; it answers WM_SETFONT,
// WM_GETFONT, BM_GETCHECK and BM_GETSTATE as a button does, keeps the
// keyboard cues its parent sends (WM_UPDATEUISTATE, WM_QUERYUISTATE), and
// answers WM_GETOBJECT with an accessible push button for screen readers.
//
// A class of its own, not a subclassed BUTTON: measured under Wine, a BUTTON
// takes the focus when pressed (by the mouse and by BM_CLICK), keeps no
// keyboard cues, and its standard accessible object says role "client",
// focusable, no default action and no key without an "&" in its text; so the
// press, cue, paint and accessible code would all stay, and only about 35
// of its 227 lines (registration, font, text) would go.
#pragma once

#include <windows.h>

namespace gui {

constexpr wchar_t kSpeedButtonClass[] = L"FlatSpeedButton";

// Registers the class once per process; create the buttons with
// CreateWindowExW (WS_CHILD, and no WS_TABSTOP: the button is never focused).
void RegisterSpeedButtonClass();

// Gives a speed button its access key: a letter of its caption, underlined
// while the window shows keyboard cues and named to screen readers. Pressing
// it is up to the form (Alt with a character reaches the window, not the
// button, which never has the focus).
void SetSpeedButtonAccessKey(HWND button, wchar_t key);

}  // namespace gui
