#include "app/DllHardening.h"

#include <windows.h>

#include <string>

namespace {

// Not in the XP headers.
constexpr DWORD kLoadLibrarySearchSystem32 = 0x00000800;

bool IsVista() {
    OSVERSIONINFOW version{sizeof version};
    // GetVersionEx is deprecated, but the manifest names Vista and 7, and only
    // Vista (6.0) matters here.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&version)) return false;
#pragma GCC diagnostic pop
    return version.dwMajorVersion == 6 && version.dwMinorVersion == 0;
}

// Narrows the search to the system folder. SetDefaultDllDirectories exists
// from Windows 7 (and on Vista and XP with updates); on Vista it makes the
// shell-link object fail to create, so Vista gets the older measure.
void RestrictSearchPath() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    const auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefault && !IsVista() && setDefault(kLoadLibrarySearchSystem32)) return;
    // Takes the current folder out of the search; the program's own folder
    // stays in it, hence the preloading below.
    SetDllDirectoryW(L"");
}

// DLLs that are not KnownDLLs but that the system loads for us by bare name
// (themes, version information, the desktop compositor, shell property and
// profile helpers, security helpers). Loaded once from the system folder, a
// later bare-name load finds them already in the process.
const wchar_t* const kPreloaded[] = {
    L"uxtheme.dll", L"version.dll", L"dwmapi.dll",  L"cryptbase.dll", L"propsys.dll",
    L"userenv.dll", L"ntmarta.dll", L"profapi.dll", L"apphelp.dll",
};

void PreloadFromSystemFolder() {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    for (const wchar_t* name : kPreloaded) {
        const std::wstring path = std::wstring(folder, length) + L"\\" + name;
        // A DLL that this Windows lacks (cryptbase on XP) is simply absent;
        // the loader must not show its own error box for it.
        const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
        // Kept loaded for the life of the process on purpose.
        LoadLibraryW(path.c_str());
        SetErrorMode(previous);
    }
}

}  // namespace

void HardenDllLoading() {
    RestrictSearchPath();
    PreloadFromSystemFolder();
}
