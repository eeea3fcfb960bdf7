#include "win/Paths.h"

#include "win/Error.h"
#include "win/LetterCase.h"

#include <windows.h>

#include <algorithm>

namespace win {

namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsDriveLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

// How much of the path is its root: "C:\" 3, "C:" 2, "\" 1,
// "\\server\share" up to the share's end; 0 for a relative name.
size_t RootLength(const std::wstring& path) {
    if (path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == L':')
        return path.size() >= 3 && IsSeparator(path[2]) ? 3 : 2;
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        const size_t serverEnd = path.find_first_of(L"\\/", 2);
        if (serverEnd == std::wstring::npos) return path.size();
        const size_t shareEnd = path.find_first_of(L"\\/", serverEnd + 1);
        return shareEnd == std::wstring::npos ? path.size() : shareEnd;
    }
    return !path.empty() && IsSeparator(path[0]) ? 1 : 0;
}

}  // namespace

bool SameFileName(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() && UpperCase(a) == UpperCase(b);
}

bool IsFullyQualified(const std::wstring& path) {
    if (path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == L':' && IsSeparator(path[2])) return true;
    return path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
}

std::wstring FullPath(const std::wstring& path) {
    const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) throw Error(SystemErrorText(GetLastError()));
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), needed, &full[0], nullptr);
    if (length == 0 || length >= needed) throw Error(SystemErrorText(GetLastError()));
    full.resize(length);
    return full;
}

std::wstring ResolvedFolder(const std::wstring& path) { return WithoutTrailingSeparator(FullPath(path)); }

std::wstring WithoutTrailingSeparator(const std::wstring& path) {
    std::wstring result = path;
    const size_t root = RootLength(result);
    while (result.size() > std::max<size_t>(root, 1) && IsSeparator(result.back())) result.pop_back();
    return result;
}

std::wstring ParentFolder(const std::wstring& path) {
    const std::wstring folder = WithoutTrailingSeparator(path);
    const size_t root = RootLength(folder);
    if (folder.size() <= root) return L"";
    const size_t separator = folder.find_last_of(L"\\/");
    if (separator == std::wstring::npos || separator < root) return folder.substr(0, root);
    return folder.substr(0, separator);
}

std::vector<std::wstring> FolderChain(const std::wstring& folder) {
    std::vector<std::wstring> chain;
    for (std::wstring at = WithoutTrailingSeparator(folder); !at.empty(); at = ParentFolder(at)) chain.push_back(at);
    std::reverse(chain.begin(), chain.end());
    return chain;
}

std::wstring FolderName(const std::wstring& folder) {
    const std::wstring path = WithoutTrailingSeparator(folder);
    const size_t root = RootLength(path);
    if (path.size() <= root) return path;
    const size_t separator = path.find_last_of(L"\\/");
    return path.substr(separator == std::wstring::npos || separator < root ? root : separator + 1);
}

}  // namespace win
