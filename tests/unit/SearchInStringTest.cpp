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

// Every accented letter of Hungarian, capital against small in both
// directions, and the letters that differ only in their accent, which must
// never match: ö and ő, ü and ű, o and ó, e and é.
TEST_CASE("Hungarian accented letters match their other case and no other letter") {
    struct Case {
        const wchar_t* needle;
        const wchar_t* haystack;
        bool found;
    };
    const Case cases[] = {
        {L"Á", L"xáx", true},   {L"á", L"xÁx", true},   {L"É", L"xéx", true},   {L"é", L"xÉx", true},
        {L"Í", L"xíx", true},   {L"í", L"xÍx", true},   {L"Ó", L"xóx", true},   {L"ó", L"xÓx", true},
        {L"Ö", L"xöx", true},   {L"ö", L"xÖx", true},   {L"Ő", L"xőx", true},   {L"ő", L"xŐx", true},
        {L"Ú", L"xúx", true},   {L"ú", L"xÚx", true},   {L"Ü", L"xüx", true},   {L"ü", L"xÜx", true},
        {L"Ű", L"xűx", true},   {L"ű", L"xŰx", true},   {L"ÁRVÍZTŰRŐ", L"árvíztűrő tükörfúrógép", true},
        {L"ő", L"xöx", false},  {L"Ő", L"xÖx", false},  {L"ö", L"xŐx", false},  {L"ű", L"xüx", false},
        {L"Ű", L"xÜx", false},  {L"ü", L"xŰx", false},  {L"ó", L"xOx", false},  {L"É", L"xex", false},
        {L"árvíztűrő", L"ARVIZTURO", false},
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
