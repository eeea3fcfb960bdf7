// Case-insensitive containment, with letter case folded as Windows folds it
// (so É matches é), character by character.
#pragma once

#include <string>

// The first position at which needle occurs in haystack, ignoring letter
// case, or std::wstring::npos.
size_t FindInString(const std::wstring& needle, const std::wstring& haystack);

bool SearchInString(const std::wstring& needle, const std::wstring& haystack);
