// The loader of the hardening test: runs the installer's DLL-search
// hardening on the path named first (or, as the control, none), then asks for
// each DLL named after it by bare name, as the system does for the DLLs it
// pulls in. Planted copies beside it leave a marker when loaded.
//
//   hardened_loader.exe narrowest|fallback|none NAME...
//
// Prints "NAME system" when the system folder has the DLL, "NAME absent"
// when it has not. After the hardening, a DLL asked for by bare name must
// come from the system folder, if from anywhere. On the fallback, each DLL
// that the system folder has must moreover be in the process, from there,
// before anyone asks for it: on Vista and XP that is all that keeps a
// bare-name load out of the program's folder, also for the DLLs that Wine
// never takes from there. Exits 1 when one is not.
#include "app/DllHardening.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::wstring SystemFolder() {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(folder, length) : std::wstring();
}

bool LoadedFrom(const std::wstring& name, const std::wstring& path) {
    HMODULE module = GetModuleHandleW(name.c_str());
    wchar_t found[MAX_PATH];
    const DWORD length = module ? GetModuleFileNameW(module, found, MAX_PATH) : 0;
    return length > 0 && length < MAX_PATH && lstrcmpiW(found, path.c_str()) == 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"narrowest") {
        HardenDllLoading(DllSearch::Narrowest);
    } else if (mode == L"fallback") {
        HardenDllLoading(DllSearch::Fallback);
    } else if (mode != L"none") {
        fwprintf(stderr, L"usage: hardened_loader narrowest|fallback|none NAME...\n");
        return 2;
    }
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    const std::wstring system = SystemFolder();
    int status = 0;
    for (int i = 2; i < argc; ++i) {
        const std::wstring name = argv[i];
        const std::wstring systemCopy = system + L"\\" + name;
        const bool present = GetFileAttributesW(systemCopy.c_str()) != INVALID_FILE_ATTRIBUTES;
        if (present && mode == L"fallback" && !LoadedFrom(name, systemCopy)) {
            fwprintf(stderr, L"%ls is not in the process from the system folder after the hardening\n", name.c_str());
            status = 1;
        }
        if (LoadLibraryW(name.c_str()) && mode != L"none" && !LoadedFrom(name, systemCopy)) {
            fwprintf(stderr, L"%ls asked for by bare name came from outside the system folder\n", name.c_str());
            status = 1;
        }
        wprintf(L"%ls %ls\n", name.c_str(), present ? L"system" : L"absent");
    }
    return status;
}
