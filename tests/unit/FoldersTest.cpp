#include "WideText.h"
#include "app/Folders.h"
#include "win/Error.h"

#include <windows.h>

#include <doctest.h>

#include <string>

namespace {

std::wstring TempFolder() {
    wchar_t temp[MAX_PATH];
    const DWORD length = GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp, length) + L"kordex-folders-test";
}

void RemoveTree(const std::wstring& root, std::initializer_list<const wchar_t*> inner) {
    for (const wchar_t* part : inner) RemoveDirectoryW((root + part).c_str());
    RemoveDirectoryW(root.c_str());
}

}  // namespace

TEST_CASE("a folder is made together with its missing parents") {
    const std::wstring root = TempFolder();
    const std::wstring deep = root + L"\\a\\b\\Kordex";
    REQUIRE_FALSE(DirectoryExists(root));
    CHECK(ForceDirectories(deep));
    CHECK(DirectoryExists(deep));
    CHECK(ForceDirectories(deep));  // there already
    CHECK(ForceDirectories(root + L"\\a\\b\\"));
    RemoveTree(root, {L"\\a\\b\\Kordex", L"\\a\\b", L"\\a"});
}

TEST_CASE("a folder that cannot be made is reported, an empty path raises the runtime's error") {
    CHECK_FALSE(ForceDirectories(L"Q:\\Kordex"));
    CHECK_FALSE(DirectoryExists(L"Q:\\Kordex"));
    bool raised = false;
    try {
        ForceDirectories(L"");
    } catch (const win::Error& error) {
        raised = true;
        CHECK(error.message() == L"Unable to create directory");
    }
    CHECK(raised);
}

TEST_CASE("a file exists as a file, a folder does not count as one") {
    const std::wstring root = TempFolder();
    REQUIRE(ForceDirectories(root));
    const std::wstring file = root + L"\\datacore.kdx";
    CHECK_FALSE(FileExists(file));
    HANDLE created = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    REQUIRE(created != INVALID_HANDLE_VALUE);
    CloseHandle(created);
    CHECK(FileExists(file));
    CHECK_FALSE(FileExists(root));
    CHECK(DirectoryExists(root));
    CHECK_FALSE(DirectoryExists(file));
    DeleteFileW(file.c_str());
    RemoveDirectoryW(root.c_str());
}

TEST_CASE("only a plain empty folder is removed") {
    const std::wstring root = TempFolder();
    REQUIRE(ForceDirectories(root + L"\\empty"));
    REQUIRE(ForceDirectories(root + L"\\full"));
    const std::wstring inner = root + L"\\full\\keep.txt";
    for (const std::wstring& file : {inner, root + L"\\file"}) {
        HANDLE created = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        REQUIRE(created != INVALID_HANDLE_VALUE);
        CloseHandle(created);
    }
    // what stands there; whether it goes
    const struct {
        const wchar_t* name;
        bool removed;
    } cases[] = {{L"\\empty", true}, {L"\\full", false}, {L"\\file", false}, {L"\\missing", false}};
    for (const auto& c : cases) {
        CAPTURE(std::wstring(c.name));
        const std::wstring path = root + c.name;
        const DWORD before = GetFileAttributesW(path.c_str());
        CHECK(RemoveEmptyFolder(path) == c.removed);
        CHECK(GetFileAttributesW(path.c_str()) == (c.removed ? INVALID_FILE_ATTRIBUTES : before));
    }
    CHECK(FileExists(inner));
    DeleteFileW(inner.c_str());
    DeleteFileW((root + L"\\file").c_str());
    RemoveTree(root, {L"\\full"});
}
