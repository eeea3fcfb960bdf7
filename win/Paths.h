// Windows paths. The text rules look at the text only, never at the disk;
// FullPath also at the current folder, as the system resolves a path.
#pragma once

#include <string>
#include <vector>

namespace win {

// Whether two paths name the same file as the file system compares names:
// regardless of letter case.
bool SameFileName(const std::wstring& a, const std::wstring& b);

// Whether the path needs no current folder or drive to mean one place:
// "C:\..." or "\\server\share...". "\x", "C:x" and "x" are relative.
bool IsFullyQualified(const std::wstring& path);

// The path resolved against the process's current folder and drive, as the
// system resolves it: "\x" -> "C:\x", "x" -> "C:\cur\x". Raises the system's
// error text for a path it cannot resolve.
std::wstring FullPath(const std::wstring& path);

// The folder a path names now: resolved against the current folder (a
// relative one, one without a drive), without a trailing separator. Raises
// the system's error text for a path it cannot resolve.
std::wstring ResolvedFolder(const std::wstring& path);

// The path without trailing separators, except the one a root needs ("C:\").
std::wstring WithoutTrailingSeparator(const std::wstring& path);

// The folder holding path: C:\a\b -> C:\a, C:\a -> C:\. Empty for a root
// (C:\, \\server\share) and for a bare name.
std::wstring ParentFolder(const std::wstring& path);

// The folder and its ancestors, root first: C:\a\b -> C:\, C:\a, C:\a\b.
std::vector<std::wstring> FolderChain(const std::wstring& folder);

// What a row shows: the last name, or the whole root (C:\).
std::wstring FolderName(const std::wstring& folder);

}  // namespace win
