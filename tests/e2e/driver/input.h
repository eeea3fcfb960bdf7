#pragma once
// Real keyboard and mouse input through SendInput.

#include <windows.h>

#include <string>
#include <vector>

// "TAB", "SHIFT+TAB", "ALT+F4", "A": modifiers first, then the key; false if unknown.
bool parseChord(const std::wstring& name, std::vector<WORD>& keys);
// Presses the keys in order and releases them in reverse, as one input batch.
void sendChord(const std::vector<WORD>& keys);

// Moves the pointer with a real move event; false if it did not get there.
bool movePointer(POINT to);
void clickLeft();
// The left button alone pressed or released, e.g. to hold a button down.
void pressLeft(bool down);
