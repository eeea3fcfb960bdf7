#include "WideText.h"
#include "app/FolderRules.h"

#include <doctest.h>

#include <set>
#include <string>

TEST_CASE("a destination ends in the folder word only as a whole last name, in any case") {
    struct Case {
        const wchar_t* destination;
        bool ends;
    };
    const Case cases[] = {
        {L"C:\\Kordex", true},          {L"c:\\KORDEX", true},    {L"D:\\Apps\\kordex", true},
        {L"\\Kordex", true},            {L"Kordex", false},       {L"C:\\MyKordex", false},
        {L"C:\\Kordex\\", false},       {L"E:\\Programs\\Mine", false}, {L"", false},
    };
    for (const Case& c : cases) {
        CAPTURE(std::wstring(c.destination));
        CHECK(EndsInFolderWord(c.destination) == c.ends);
    }
}

TEST_CASE("where the folder list opens for a destination") {
    const std::set<std::wstring> existing = {L"C:\\", L"D:\\", L"D:\\Deep", L"E:\\", L"E:\\Programs",
                                             L"\\\\server\\share"};
    const auto exists = [&](const std::wstring& folder) { return existing.count(folder) > 0; };
    struct Case {
        const wchar_t* destination;
        const wchar_t* folder;  // nullptr: the list stays
    };
    const Case cases[] = {
        // Ending in \Kordex: the 9-character root rule, else the last 7 characters go,
        // whether or not the folder exists.
        {L"C:\\Kordex", L"C:\\"},
        {L"c:\\kordex", L"c:\\"},
        {L"X:\\Kordex", L"X:\\"},
        {L"D:\\Apps\\Kordex", L"D:\\Apps"},
        {L"C:\\Users\\Name\\Documents\\KORDEX", L"C:\\Users\\Name\\Documents"},
        {L"\\Kordex", nullptr},
        // Anything else: the nearest existing of its parent and the parent's ancestors.
        // A typed destination may name folders not made yet: the list opens where it can, not with an error.
        {L"E:\\Programs\\Mine", L"E:\\Programs"},
        {L"E:\\Programs\\Mine\\", L"E:\\Programs"},
        {L"E:\\Missing\\Mine", L"E:\\"},
        {L"D:\\Deep\\Er\\Mine", L"D:\\Deep"},
        {L"E:\\Mine1234", L"E:\\"},
        {L"\\\\server\\share\\Mine", L"\\\\server\\share"},
        {L"Q:\\Nowhere\\Mine", nullptr},
        {L"E:\\", nullptr},
        {L"", nullptr},
    };
    for (const Case& c : cases) {
        CAPTURE(std::wstring(c.destination));
        const auto folder = ListFolderFor(c.destination, exists);
        if (c.folder) {
            REQUIRE(folder.has_value());
            CHECK(*folder == c.folder);
        } else {
            CHECK_FALSE(folder.has_value());
        }
    }
}

TEST_CASE("the edit box proposes the folder word inside the list's folder") {
    struct Case {
        const wchar_t *folder, *destination;
    };
    const Case cases[] = {
        {L"D:\\", L"D:\\Kordex"},
        {L"D:\\Apps", L"D:\\Apps\\Kordex"},
        {L"C:\\Users\\Name\\Documents", L"C:\\Users\\Name\\Documents\\Kordex"},
        {L"\\\\server\\share", L"\\\\server\\share\\Kordex"},
    };
    for (const Case& c : cases) {
        CAPTURE(std::wstring(c.folder));
        CHECK(DestinationIn(c.folder) == c.destination);
    }
}
