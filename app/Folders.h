// The folder operations of the installer, on the disk.
#pragma once

#include <string>

// Whether path names an existing folder.
bool DirectoryExists(const std::wstring& path);

// Whether path names an existing file (not a folder), a link followed.
bool FileExists(const std::wstring& path);

// Removes the folder when it is a plain folder with nothing in it: never a
// junction, a mounted volume or another reparse point (removing one cuts
// off what it points to, whatever that holds). True when it was removed.
bool RemoveEmptyFolder(const std::wstring& path);

// Creates the folder with every missing parent. False when a level could not
// be made; an empty path raises "Unable to create directory".
bool ForceDirectories(const std::wstring& path);
