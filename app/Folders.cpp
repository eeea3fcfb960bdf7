#include "app/Folders.h"

#include "win/Error.h"
#include "win/Handles.h"

#include <windows.h>

bool DirectoryExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::wstring& path) {
    // Opening follows a link to its target; a dangling link is no file.
    win::UniqueHandle file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file) return false;
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileInformationByHandle(file.get(), &info) && !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool RemoveEmptyFolder(const std::wstring& path) {
    // The link's own attributes: they do not follow it to its target.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    const bool plainFolder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
                             !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
    // The system refuses a folder with anything in it.
    return plainFolder && RemoveDirectoryW(path.c_str());
}

bool ForceDirectories(const std::wstring& path) {
    if (path.empty()) throw win::Error(L"Unable to create directory");
    std::wstring folder = path;
    while (folder.size() > 1 && folder.back() == L'\\') folder.pop_back();
    // A drive root ("C:", "C:\") or an existing folder is there already.
    if (folder.size() < 3 || DirectoryExists(folder)) return true;
    const size_t parentEnd = folder.find_last_of(L'\\');
    if (parentEnd != std::wstring::npos && parentEnd > 0 && !ForceDirectories(folder.substr(0, parentEnd))) return false;
    return CreateDirectoryW(folder.c_str(), nullptr) || DirectoryExists(folder);
}
