// The few functions of ole32, oleaut32 and shell32 that the program calls,
// reached through pointers looked up in the system folder's DLLs when first
// called. Imported, those DLLs and theirs (combase, rpcrt4, shlwapi, shcore)
// would be loaded before the program's first line, at every start; nothing
// before the first window needs them. Each answers a failure when its DLL
// or function cannot be had.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>
#include <shellapi.h>

#include <string>

namespace win {

HRESULT InitializeCom(DWORD model);
void UninitializeCom();
HRESULT CreateComObject(REFCLSID type, REFIID iid, void** object);
// The GUID in registry form ({...}); empty if it cannot be written.
std::wstring GuidText(REFGUID guid);
// nullptr when out of memory.
BSTR AllocateBstr(const wchar_t* text);

// ShellExecuteW; a value of 32 or less is a failure.
HINSTANCE ShellOpen(HWND owner, const wchar_t* verb, const wchar_t* file, int show);
// SHGetFileInfoW; 0 on failure.
DWORD_PTR ShellFileInfo(const wchar_t* path, DWORD attributes, SHFILEINFOW& info, UINT flags);

}  // namespace win
