// What the installer learns of the machine when its window first shows.
#pragma once

#include <string>

// Windows XP, Vista and 7 are supported: the product name holds "XP",
// "Vista" or "7", in any letter case.
bool IsSupportedSystem(const std::wstring& productName);

// A folder value from the registry with %USERPROFILE% (any case) replaced by
// the home drive and path wherever it stands; no other variable is expanded.
std::wstring ExpandUserProfile(const std::wstring& value, const std::wstring& homeDrive,
                               const std::wstring& homePath);
