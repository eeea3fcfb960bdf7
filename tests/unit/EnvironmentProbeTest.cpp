#include "app/EnvironmentProbe.h"

#include <doctest.h>

TEST_CASE("XP, Vista and 7 are supported, by the first mark found in the product name") {
    struct Case {
        const wchar_t* productName;
        bool supported;
    };
    const Case cases[] = {
        {L"Microsoft Windows XP", true},
        {L"Windows Vista (TM) Business", true},
        {L"Windows 7 Professional", true},
        {L"Windows 7 Ultimate", true},
        {L"windows xp", true},
        {L"Windows Server 2008 R2 Standard 7600", true},  // any 7 passes
        {L"Windows 8.1 Pro", false},
        {L"Windows 10 Pro", false},
        {L"", false},
    };
    for (const Case& c : cases) {
        CAPTURE(c.productName);
        CHECK(IsSupportedSystem(c.productName) == c.supported);
    }
}

TEST_CASE("the profile variable is replaced by the home drive and path wherever it stands") {
    struct Case {
        const wchar_t* value;
        const wchar_t* expanded;
    };
    const Case cases[] = {
        {L"%USERPROFILE%\\Documents", L"C:\\Users\\Name\\Documents"},
        {L"%userprofile%\\Documents", L"C:\\Users\\Name\\Documents"},
        {L"%UserProfile%", L"C:\\Users\\Name"},
        {L"D:\\Data\\Docs", L"D:\\Data\\Docs"},
        {L"", L""},
        {L"D:\\%USERPROFILE%\\Docs", L"D:\\C:\\Users\\Name\\Docs"},
        {L"%HOMEDRIVE%\\Docs", L"%HOMEDRIVE%\\Docs"},
        {L"%USERPROFILE", L"%USERPROFILE"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.value);
        CHECK(ExpandUserProfile(c.value, L"C:", L"\\Users\\Name") == c.expanded);
    }
}
