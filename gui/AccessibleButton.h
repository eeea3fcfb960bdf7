// What a screen reader learns of a push button drawn by a window class of our
// own, which the system's proxies know only as an unnamed client area: role
// push button, its caption as name, unavailable while disabled, invisible
// while hidden, its access key as keyboard shortcut, and the default action
// "press", which clicks it.
// Location, parent and navigation are the system's standard object's.
#pragma once

#include <windows.h>

namespace gui {

// The answer to WM_GETOBJECT for the button's client object (OBJID_CLIENT),
// or 0 when oleacc cannot make one, so that the system answers instead.
// accessKey: the letter Alt presses, or 0.
LRESULT AccessibleButtonObject(HWND button, WPARAM wParam, wchar_t accessKey);

}  // namespace gui
