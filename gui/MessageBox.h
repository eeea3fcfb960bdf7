// Modal message boxes, owned by the application's innermost modal form or
// its main window.
#pragma once

#include <string>

namespace gui {

int ShowMessageBox(const std::wstring& text, const std::wstring& title, unsigned flags);

// An error message as the default error box shows it: a full stop is added
// when the last character's code lies above the full stop's (letters, digits,
// ":" and "?"), but not after ".", "!", ")" or quotes.
std::wstring WithFullStop(std::wstring message);

// The box for an error that no handler caught: error icon, one OK button.
void ShowErrorBox(const std::wstring& title, const std::wstring& message);

}  // namespace gui
