#include "WideText.h"
#include "support/SearchInString.h"

#include <windows.h>

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

namespace {

wchar_t PlatformLower(wchar_t c) {
    CharLowerBuffW(&c, 1);
    return c;
}

}  // namespace

// Where the two directions of the platform's letter case part, the texts
// compare lower-cased: the Kelvin sign lowers to k but is its own capital, the
// long s raises to S but is its own small letter (and so on for the Ohm sign,
// the dotted and dotless i, the final sigma, the micro sign). Which of these
// a platform folds is its own: Windows' tables know some of them, Wine 8's
// none (lower- and upper-casing agree there on every character), so the
// expectation is the platform's own lower-casing of each letter.
TEST_CASE("letters compare lower-cased where upper-casing would answer otherwise") {
    struct Pair {
        wchar_t a, b;
    };
    const Pair pairs[] = {
        {L'\u212A', L'k'}, {L'\u212A', L'K'}, {L'\u017F', L's'}, {L'\u017F', L'S'}, {L'\u2126', L'\u03C9'},
        {L'\u2126', L'\u03A9'}, {L'\u0130', L'i'}, {L'\u0131', L'I'}, {L'\u03C2', L'\u03A3'}, {L'\u00B5', L'\u039C'},
    };
    for (const Pair& p : pairs) {
        const std::wstring a(1, p.a), b(1, p.b);
        CAPTURE(a);
        CAPTURE(b);
        const bool sameLowered = PlatformLower(p.a) == PlatformLower(p.b);
        CHECK(SearchInString(a, L"x" + b + L"x") == sameLowered);
        CHECK(SearchInString(b, L"x" + a + L"x") == sameLowered);
    }
}

TEST_CASE("the position found is the needle's first occurrence") {
    CHECK(FindInString(L"%USERPROFILE%", L"D:\\%UserProfile%\\Docs") == 3);
    CHECK(FindInString(L"a", L"bAbA") == 1);
    CHECK(FindInString(L"x", L"abc") == std::wstring::npos);
}
