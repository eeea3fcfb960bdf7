// Opening a text file with the program the user has associated with it.
#pragma once

#include <string>

// True when the request was made; false when no file exists at path.
bool ShowTextFile(const std::wstring& path);
