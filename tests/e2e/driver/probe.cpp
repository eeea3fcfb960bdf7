#include "probe.h"

#include "failure.h"
#include "handles.h"
#include "target.h"

namespace {

struct ProbeLibrary {
    HMODULE module = nullptr;
    HOOKPROC hook = nullptr;
    UniqueHandle mapping;
    MappedView view;
    std::wstring error;
};

std::wstring besideDriver(const wchar_t* file) {
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path, n);
    return dir.substr(0, dir.find_last_of(L"\\/") + 1) + file;
}

// Loaded once and kept: the hook needs the module, the reply needs the mapping.
ProbeLibrary& library() {
    static ProbeLibrary lib;
    static bool tried = false;
    if (tried)
        return lib;
    tried = true;
    std::wstring path = besideDriver(L"driver_probe.dll");
    lib.module = LoadLibraryW(path.c_str());
    if (!lib.module) {
        lib.error = L"cannot load " + path;
        return lib;
    }
    lib.hook = (HOOKPROC)(void*)GetProcAddress(lib.module, PROBE_HOOK_EXPORT);
    std::wstring name = PROBE_MAPPING_PREFIX + std::to_wstring(GetCurrentProcessId());
    lib.mapping.reset(
        CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(ProbeReply), name.c_str()));
    if (lib.mapping)
        lib.view.reset(MapViewOfFile(lib.mapping.get(), FILE_MAP_WRITE, 0, 0, sizeof(ProbeReply)));
    if (!lib.hook || !lib.view)
        lib.error = L"driver_probe.dll is unusable";
    return lib;
}

}  // namespace

bool probeWindow(HWND hwnd, ProbeQuery query, DWORD timeoutMs, ProbeReply& reply, std::wstring& error) {
    ProbeLibrary& lib = library();
    if (!lib.error.empty())
        fail(lib.error);
    auto* shared = (ProbeReply*)lib.view.get();
    ZeroMemory(shared, sizeof *shared);
    Hook hook(SetWindowsHookExW(WH_CALLWNDPROC, lib.hook, lib.module, GetWindowThreadProcessId(hwnd, nullptr)));
    if (!hook)
        fail(L"cannot hook the program's thread: error " + std::to_wstring(GetLastError()));
    static const UINT message = RegisterWindowMessageW(PROBE_MESSAGE);
    if (!sendWithTimeout(hwnd, message, query, GetCurrentProcessId(), timeoutMs)) {
        error = L"the program did not answer";
        return false;
    }
    if (!InterlockedCompareExchange(&shared->answered, 0, 0)) {
        error = L"driver_probe.dll did not answer from inside the program";
        return false;
    }
    reply = *shared;
    return true;
}
