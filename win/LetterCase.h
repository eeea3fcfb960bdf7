// Letter case as the user's Windows folds it, which knows the accented
// capitals (the C runtime's towupper does not) and maps each character to
// one, so that a text keeps its length. The two directions differ for a few
// letters (the Kelvin sign lowers to k but is its own capital; the long s
// raises to S but is its own small letter): file names compare upper-cased,
// as the file system does; a search in a text lower-cases.
#pragma once

#include <string>

namespace win {

std::wstring UpperCase(std::wstring text);
wchar_t UpperCase(wchar_t c);
std::wstring LowerCase(std::wstring text);

}  // namespace win
