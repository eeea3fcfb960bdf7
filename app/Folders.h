// The folder operations of the installer.
#pragma once

#include <string>

// Whether path names an existing folder.
bool DirectoryExists(const std::wstring& path);

// Whether path names an existing file (not a folder), a link followed.
bool FileExists(const std::wstring& path);

// Creates the folder with every missing parent. False when a level could not
// be made; an empty path raises "Unable to create directory".
bool ForceDirectories(const std::wstring& path);
