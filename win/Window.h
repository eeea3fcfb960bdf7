// Thin pieces of the system's windows.
#pragma once

#include <windows.h>

#include <string>

namespace win {

// A window's text: a control's caption, an edit box's contents.
std::wstring WindowText(HWND window);

// Registers the window class unless its module has one of that name already;
// raises the system's error when it cannot.
void EnsureClassRegistered(const WNDCLASSEXW& windowClass);

}  // namespace win
