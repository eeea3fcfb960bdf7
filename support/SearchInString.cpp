#include "support/SearchInString.h"

#include <windows.h>

namespace {

// Each character on its own, so that a text keeps its length even where the
// language would map one character to several.
std::wstring Lowered(std::wstring text) {
    for (wchar_t& c : text) {
        wchar_t lower = c;
        if (LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_LOWERCASE, &c, 1, &lower, 1) == 1) c = lower;
    }
    return text;
}

}  // namespace

size_t FindInString(const std::wstring& needle, const std::wstring& haystack) {
    if (needle.size() > haystack.size()) return std::wstring::npos;
    return Lowered(haystack).find(Lowered(needle));
}

bool SearchInString(const std::wstring& needle, const std::wstring& haystack) {
    return FindInString(needle, haystack) != std::wstring::npos;
}
