#include "support/SearchInString.h"

#include "win/LetterCase.h"

size_t FindInString(const std::wstring& needle, const std::wstring& haystack) {
    if (needle.size() > haystack.size()) return std::wstring::npos;
    return win::LowerCase(haystack).find(win::LowerCase(needle));
}

bool SearchInString(const std::wstring& needle, const std::wstring& haystack) {
    return FindInString(needle, haystack) != std::wstring::npos;
}
