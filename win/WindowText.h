// A window's text: a control's caption, an edit box's contents.
#pragma once

#include <windows.h>

#include <string>

namespace win {

std::wstring WindowText(HWND window);

}  // namespace win
