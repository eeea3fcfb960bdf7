// Read-only registry access.
#pragma once

#include <windows.h>

#include <string>

// The text value `name` of the key at `keyPath` (from the hive's root; a
// leading backslash is allowed). A key that cannot be opened or a value that
// is missing reads as empty text; string and expandable-string values are
// returned as stored, without expanding variables; any other kind raises
// "Invalid data type for '<name>'".
std::wstring ReadRegistryText(HKEY hive, const std::wstring& keyPath, const std::wstring& name);
