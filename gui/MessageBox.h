// Modal message boxes, owned by the application's innermost modal form or
// its main window.
#pragma once

#include <string>

namespace gui {

int ShowMessageBox(const std::wstring& text, const std::wstring& title, unsigned flags);

// A question whose answer matters: the keyboard and mouse input still
// waiting in the thread's queue (keys typed and clicks made while the thread
// was busy, meant for what was on screen then) is thrown away before the box
// opens, so that only an answer given to the box answers it.
int AskMessageBox(const std::wstring& text, const std::wstring& title, unsigned flags);

// An error message as the default error box shows it: a full stop is added
// when the last character's code lies above the full stop's (letters, digits,
// ":" and "?"), but not after ".", "!", ")" or quotes.
std::wstring WithFullStop(std::wstring message);

// The box for an error that no handler caught: error icon, one OK button.
// Like a question, it throws away the input that was waiting before it opened.
void ShowErrorBox(const std::wstring& title, const std::wstring& message);

}  // namespace gui
