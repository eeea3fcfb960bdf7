#include "win/LetterCase.h"

#include <windows.h>

namespace win {

std::wstring UpperCase(std::wstring text) {
    if (!text.empty()) CharUpperBuffW(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

wchar_t UpperCase(wchar_t c) {
    CharUpperBuffW(&c, 1);
    return c;
}

std::wstring LowerCase(std::wstring text) {
    if (!text.empty()) CharLowerBuffW(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

}  // namespace win
