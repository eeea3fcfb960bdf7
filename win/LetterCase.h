// Letter case, folded one way everywhere: as the user's Windows does it,
// which knows the accented capitals (the C runtime's towupper does not) and
// maps each character to one, so that a text keeps its length.
#pragma once

#include <string>

namespace win {

std::wstring UpperCase(std::wstring text);
wchar_t UpperCase(wchar_t c);

}  // namespace win
