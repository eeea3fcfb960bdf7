// Case-insensitive containment: both texts lower-cased as the user's Windows
// lower-cases them (so É matches é), character by character.
#pragma once

#include <string>

// The first position at which needle occurs in haystack, ignoring letter
// case, or std::wstring::npos.
size_t FindInString(const std::wstring& needle, const std::wstring& haystack);

bool SearchInString(const std::wstring& needle, const std::wstring& haystack);
