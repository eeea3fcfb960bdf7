#include "app/FileAccess.h"

#include <doctest.h>

#include <string>

namespace {

// A fresh folder in the temporary folder, removed again afterwards.
struct ScratchFolder {
    std::wstring path;
    ScratchFolder() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        path = std::wstring(temp) + L"kordex-access-test";
        CreateDirectoryW(path.c_str(), nullptr);
    }
    ~ScratchFolder() { RemoveDirectoryW(path.c_str()); }
};

bool ThreadIsImpersonating() {
    HANDLE token = nullptr;
    if (!OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &token)) return false;
    CloseHandle(token);
    return true;
}

}  // namespace

TEST_CASE("a folder the user fully controls may be written") {
    ScratchFolder folder;
    CHECK(HasFileAccess(FILE_WRITE_EA, folder.path + L"\\"));
    CHECK_FALSE(ThreadIsImpersonating());
}

TEST_CASE("a folder that does not exist, or an empty path, answers no") {
    CHECK_FALSE(HasFileAccess(FILE_WRITE_EA, L"C:\\no\\such\\folder\\"));
    CHECK_FALSE(HasFileAccess(FILE_WRITE_EA, L"Q:\\Kordex\\"));
    CHECK_FALSE(HasFileAccess(FILE_WRITE_EA, L""));
    CHECK_FALSE(ThreadIsImpersonating());
}

TEST_CASE("a folder the user may only read answers no") {
    // Made read-only (mode 555) by the sandbox in the unit-test prefix: Wine
    // derives the folder's access list from the mode.
    REQUIRE(GetFileAttributesW(L"C:\\kordex-readonly") != INVALID_FILE_ATTRIBUTES);
    CHECK_FALSE(HasFileAccess(FILE_WRITE_EA, L"C:\\kordex-readonly\\"));
    CHECK_FALSE(ThreadIsImpersonating());
}

TEST_CASE("the caller's last error survives the check") {
    ScratchFolder folder;
    SetLastError(12345);
    HasFileAccess(FILE_WRITE_EA, folder.path + L"\\");
    CHECK(GetLastError() == 12345);
}
