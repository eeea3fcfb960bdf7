// Whether the user running the installer holds an access right on a file or
// folder, asked of the system's access check instead of trying to write.
#pragma once

#include <windows.h>

#include <string>

// False when any step fails, and for a path that does not exist.
bool HasFileAccess(DWORD desiredAccess, const std::wstring& path);
