#include "WideText.h"
#include "support/SearchInString.h"

#include <doctest.h>

TEST_CASE("a needle is found anywhere in the haystack, whatever the letter case") {
    struct Case {
        const wchar_t* needle;
        const wchar_t* haystack;
        bool found;
    };
    const Case cases[] = {
        {L"xp", L"Microsoft Windows XP", true},
        {L"XP", L"microsoft windows xp", true},
        {L"Vista", L"Windows Vista (TM) Business", true},
        {L"7", L"Windows 7 Ultimate", true},
        {L"Vista", L"Windows 8", false},
        {L"7", L"Windows 10 Pro", false},
        {L"", L"", true},
        {L"", L"Windows", true},
        {L"Windows 7 Ultimate!", L"Windows 7", false},
        {L"é", L"ÉRTÉK", true},
        {L"ŐSZ", L"az ősz", true},
        {L"ű", L"ÜŰ", true},
        {L"ü", L"Ű", false},
        {L"%userprofile%", L"%USERPROFILE%\\Documents", true},
    };
    for (const Case& c : cases) {
        CAPTURE(std::wstring(c.needle));
        CAPTURE(std::wstring(c.haystack));
        CHECK(SearchInString(c.needle, c.haystack) == c.found);
    }
}

TEST_CASE("the position found is the needle's first occurrence") {
    CHECK(FindInString(L"%USERPROFILE%", L"D:\\%UserProfile%\\Docs") == 3);
    CHECK(FindInString(L"a", L"bAbA") == 1);
    CHECK(FindInString(L"x", L"abc") == std::wstring::npos);
}
