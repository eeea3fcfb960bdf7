#include "WideText.h"
#include "win/Paths.h"

#include <doctest.h>

#include <string>
#include <vector>

TEST_CASE("file names compare regardless of letter case, and only whole names") {
    struct Case {
        const wchar_t *a, *b;
        bool same;
    };
    const Case cases[] = {
        {L"C:\\Users", L"c:\\users", true},   {L"D:\\Apps", L"D:\\APPS", true},
        {L"D:\\Apps", L"D:\\Apps2", false},   {L"D:\\Apps", L"D:\\Apps\\", false},
        {L"C:\\Árvíz", L"c:\\ÁRVÍZ", true},   {L"", L"", true},
        {L"D:\\Tűrő Őz", L"d:\\TŰRŐ őZ", true}, {L"D:\\Év", L"D:\\év", true},
        {L"D:\\Őz", L"D:\\Öz", false},       {L"D:\\tűr", L"D:\\TÜR", false},
        // Names compare upper-cased, as the file system does: the Kelvin
        // sign is its own capital, so it names another file than k does.
        {L"C:\\\u212A", L"C:\\k", false},
    };
    for (const Case& c : cases) {
        CAPTURE(std::wstring(c.a));
        CAPTURE(std::wstring(c.b));
        CHECK(win::SameFileName(c.a, c.b) == c.same);
    }
}

TEST_CASE("only a drive with its root or a network share needs no current folder") {
    struct Case {
        const wchar_t* path;
        bool qualified;
    };
    const Case cases[] = {
        {L"C:\\Kordex", true}, {L"e:/Programs", true}, {L"\\\\server\\share\\x", true}, {L"C:\\", true},
        {L"C:Kordex", false},  {L"\\Kordex", false},   {L"Sub\\Mine", false},            {L"..\\x", false},
        {L"", false},          {L"C:", false},
    };
    for (const Case& c : cases) {
        CAPTURE(std::wstring(c.path));
        CHECK(win::IsFullyQualified(c.path) == c.qualified);
    }
}

TEST_CASE("a folder's parent, its chain from the root and the name its row shows") {
    struct Case {
        const wchar_t* folder;
        const wchar_t* parent;
        std::vector<std::wstring> chain;
        const wchar_t* name;
    };
    const Case cases[] = {
        {L"C:\\", L"", {L"C:\\"}, L"C:\\"},
        {L"C:\\users", L"C:\\", {L"C:\\", L"C:\\users"}, L"users"},
        {L"C:\\users\\Name\\Documents", L"C:\\users\\Name",
         {L"C:\\", L"C:\\users", L"C:\\users\\Name", L"C:\\users\\Name\\Documents"}, L"Documents"},
        {L"D:\\Apps\\", L"D:\\", {L"D:\\", L"D:\\Apps"}, L"Apps"},
        {L"D:\\Apps\\\\", L"D:\\", {L"D:\\", L"D:\\Apps"}, L"Apps"},
        {L"\\\\server\\share", L"", {L"\\\\server\\share"}, L"\\\\server\\share"},
        {L"\\\\server\\share\\Apps", L"\\\\server\\share", {L"\\\\server\\share", L"\\\\server\\share\\Apps"}, L"Apps"},
        {L"\\Apps", L"\\", {L"\\", L"\\Apps"}, L"Apps"},
        {L"Sub\\Mine", L"Sub", {L"Sub", L"Sub\\Mine"}, L"Mine"},
        {L"Mine", L"", {L"Mine"}, L"Mine"},
        {L"", L"", {}, L""},
    };
    for (const Case& c : cases) {
        CAPTURE(std::wstring(c.folder));
        CHECK(win::ParentFolder(c.folder) == c.parent);
        CHECK(win::FolderChain(c.folder) == c.chain);
        CHECK(win::FolderName(c.folder) == c.name);
    }
}

TEST_CASE("trailing separators go, except the one a root needs") {
    struct Case {
        const wchar_t *path, *trimmed;
    };
    const Case cases[] = {
        {L"C:\\", L"C:\\"},         {L"C:\\Apps\\", L"C:\\Apps"}, {L"C:\\Apps", L"C:\\Apps"},
        {L"\\", L"\\"},             {L"Sub\\", L"Sub"},           {L"\\\\server\\share\\", L"\\\\server\\share"},
        {L"D:/Apps/", L"D:/Apps"},
    };
    for (const Case& c : cases) {
        CAPTURE(std::wstring(c.path));
        CHECK(win::WithoutTrailingSeparator(c.path) == c.trimmed);
    }
}
