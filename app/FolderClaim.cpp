#include "app/FolderClaim.h"

#include "app/TemporaryNames.h"
#include "win/Handles.h"

#include <windows.h>

#include <vector>

namespace {

// The files (not folders) in folder that match the pattern and whose names
// pass the test: the pattern's wildcards also match short names.
std::vector<std::wstring> FilesNamed(const std::wstring& folder, const wchar_t* pattern,
                                     bool (*test)(const std::wstring&)) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    win::FindHandle search(FindFirstFileW((folder + L"\\" + pattern).c_str(), &found));
    if (!search) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && test(found.cFileName))
            names.emplace_back(found.cFileName);
    } while (FindNextFileW(search.get(), &found));
    return names;
}

}  // namespace

FolderClaim::FolderClaim(const std::wstring& destination) {
    for (unsigned number = 0; number < kNameAttempts; ++number) {
        const std::wstring name = ClaimName(number);
        file_.reset(CreateFileW((destination + L"\\" + name).c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
        if (file_) {
            name_ = name;
            return;
        }
        // Taken, by a file or by one still being deleted (access denied).
        const DWORD code = GetLastError();
        if (code != ERROR_FILE_EXISTS && code != ERROR_ACCESS_DENIED) return;
    }
}

FolderClaim ClearUnfinishedWrites(const std::wstring& destination) {
    FolderClaim claim(destination);
    // Listed before the claims are looked at: a run makes its claim before
    // its first temporary file, so whichever run's temporary file is listed
    // here has its claim in the folder below, held while the file is there.
    const std::vector<std::wstring> leftovers = FilesNamed(destination, L"~*", IsTemporaryName);
    bool alone = static_cast<bool>(claim);
    for (const std::wstring& name : FilesNamed(destination, kClaimPattern, IsClaimName)) {
        if (name == claim.name()) continue;
        // Held, by a run in progress, it cannot be removed; a crash's is. One
        // that may not be removed for another reason (being deleted as its
        // run ends, or another user's that this user may not delete, whose
        // run may still be going) keeps the leftovers too: they cost a later
        // run nothing, and a temporary file removed under a run is lost work.
        const std::wstring path = destination + L"\\" + name;
        if (!DeleteFileW(path.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) alone = false;
    }
    if (!alone) return claim;
    for (const std::wstring& name : leftovers) DeleteFileW((destination + L"\\" + name).c_str());
    return claim;
}

