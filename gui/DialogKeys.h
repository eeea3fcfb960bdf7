// The keyboard in our message loops, as in a dialog: Tab, the arrow keys and
// Enter move between the controls; Alt shows the keyboard cues, and Alt with
// a character presses the control whose access key it is.
#pragma once

#include <windows.h>

namespace gui {

// Sent by the message loops to a top-level window when the user types a
// character (wParam) with Alt; the window answers nonzero when it pressed a
// control for it. Only our own windows receive it.
constexpr UINT kPressAccessKey = WM_APP;

// True when the message needs no more handling.
bool HandleDialogMessage(MSG& msg);

}  // namespace gui
