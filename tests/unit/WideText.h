// Wide strings in a failed check's report, as text: doctest itself shows
// them as "{?}".
#pragma once

#include <doctest.h>

#include <string>

namespace doctest {

template <>
struct StringMaker<std::wstring> {
    static String convert(const std::wstring& text);
};

}  // namespace doctest
