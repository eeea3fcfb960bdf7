#include "WideText.h"
#include "app/Folders.h"
#include "app/FolderClaim.h"
#include "app/TemporaryNames.h"

#include <windows.h>

#include <doctest.h>

#include <string>
#include <vector>

TEST_CASE("a temporary name is never longer than its target's, and is recognised as the installer's") {
    // target name; its first temporary name
    const struct {
        const wchar_t* target;
        const wchar_t* temporary;
    } cases[] = {
        {L"kordex.exe", L"~KS000.tmp"},       {L"datacore.kdx", L"~KS00000.tmp"}, {L"olvass_el.txt", L"~KS00000.tmp"},
        {L"a.txt1", L"~KS000"},               {L"abcdefg", L"~KS0000"},           {L"abcdefgh", L"~KS0.tmp"},
        {L"x", L"~KS0"},
    };
    for (const auto& c : cases) {
        CAPTURE(std::wstring(c.target));
        CHECK(TemporaryName(c.target, 0) == c.temporary);
    }
    // Every length up to a long one; under four characters, four.
    for (size_t length = 1; length <= 40; ++length) {
        CAPTURE(length);
        const std::wstring target(length, L'n');
        for (unsigned number = 0; number < 16; ++number) {
            const std::wstring name = TemporaryName(target, number);
            CHECK(name.size() == (length < 4 ? 4 : std::min<size_t>(length, 12)));
            CHECK(IsTemporaryName(name));
            if (number > 0) CHECK(name != TemporaryName(target, number - 1));
        }
    }
}

TEST_CASE("the next run clears the temporary files of a killed one, and nothing else") {
    wchar_t temp[MAX_PATH];
    const std::wstring folder = std::wstring(temp, GetTempPathW(MAX_PATH, temp)) + L"kordex-payload-test";
    REQUIRE(ForceDirectories(folder));
    const std::vector<const wchar_t*> cleared = {L"~KS000.tmp", L"~KS0A1F2.tmp", L"~KS0"};
    const std::vector<const wchar_t*> kept = {L"kordex.exe",   L"~KS.tmp",  L"~KSG00.tmp",        L"~KS000000.tmp",
                                              L"~KS000.txt",   L"~KSnotes", L"~KORdexSetup-.tmp", L"~KS000.tmp.1",
                                              L"~KORdexSetup-notes.txt", L"~KORdexSetup-kordex.exe.tmp"};
    for (const auto* names : {&cleared, &kept}) {
        for (const wchar_t* name : *names) {
            const HANDLE file = CreateFileW((folder + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                            FILE_ATTRIBUTE_NORMAL, nullptr);
            REQUIRE(file != INVALID_HANDLE_VALUE);
            CloseHandle(file);
        }
    }
    // A folder of such a name is no temporary file.
    REQUIRE(CreateDirectoryW((folder + L"\\~KS001.tmp").c_str(), nullptr));

    // A claim that a crash left behind is held by nobody.
    const std::wstring crashed = folder + L"\\~KSR1.tmp";
    CloseHandle(CreateFileW(crashed.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    REQUIRE(FileExists(crashed));

    {
        const FolderClaim claim = ClearUnfinishedWrites(folder);
        REQUIRE(claim);
        CHECK(claim.name() == L"~KSR0.tmp");
        CHECK(FileExists(folder + L"\\" + claim.name()));
    }
    CHECK_FALSE(FileExists(folder + L"\\~KSR0.tmp"));
    CHECK_FALSE(FileExists(crashed));
    for (const wchar_t* name : cleared) {
        CAPTURE(std::wstring(name));
        CHECK_FALSE(FileExists(folder + L"\\" + name));
    }
    for (const wchar_t* name : kept) {
        CAPTURE(std::wstring(name));
        CHECK(FileExists(folder + L"\\" + name));
        DeleteFileW((folder + L"\\" + name).c_str());
    }
    CHECK(DirectoryExists(folder + L"\\~KS001.tmp"));
    RemoveDirectoryW((folder + L"\\~KS001.tmp").c_str());
    RemoveDirectoryW(folder.c_str());
}

TEST_CASE("while another run holds its claim on the folder, no temporary file is cleared") {
    wchar_t temp[MAX_PATH];
    const std::wstring folder = std::wstring(temp, GetTempPathW(MAX_PATH, temp)) + L"kordex-claim-test";
    REQUIRE(ForceDirectories(folder));
    const std::wstring temporary = folder + L"\\~KS000.tmp";
    {
        const FolderClaim other = ClearUnfinishedWrites(folder);
        REQUIRE(other);
        // The other run's temporary file, closed and not yet moved.
        CloseHandle(
            CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        REQUIRE(FileExists(temporary));

        const FolderClaim mine = ClearUnfinishedWrites(folder);
        REQUIRE(mine);
        CHECK(mine.name() != other.name());
        CHECK(FileExists(temporary));
        CHECK(FileExists(folder + L"\\" + other.name()));
    }
    // Once that run has ended, its leftover goes with the next run.
    {
        const FolderClaim next = ClearUnfinishedWrites(folder);
        CHECK_FALSE(FileExists(temporary));
    }
    CHECK(RemoveDirectoryW(folder.c_str()));
}
