#include "win/LateImports.h"

#include "win/Library.h"

namespace win {

namespace {

// The function of that name in a system DLL, or nullptr; looked up once per
// caller (each keeps it in a static).
template <typename Function>
Function Lookup(const wchar_t* library, const char* name) {
    Function function = nullptr;
    FindProcedure(LoadSystemLibrary(library), name, function);
    return function;
}

}  // namespace

HRESULT InitializeCom(DWORD model) {
    static const auto initialize = Lookup<decltype(&::CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    return initialize ? initialize(nullptr, model) : E_NOTIMPL;
}

void UninitializeCom() {
    static const auto uninitialize = Lookup<decltype(&::CoUninitialize)>(L"ole32.dll", "CoUninitialize");
    if (uninitialize) uninitialize();
}

HRESULT CreateComObject(REFCLSID type, REFIID iid, void** object) {
    static const auto create = Lookup<decltype(&::CoCreateInstance)>(L"ole32.dll", "CoCreateInstance");
    *object = nullptr;
    return create ? create(type, nullptr, CLSCTX_INPROC_SERVER, iid, object) : E_NOTIMPL;
}

std::wstring GuidText(REFGUID guid) {
    static const auto write = Lookup<decltype(&::StringFromGUID2)>(L"ole32.dll", "StringFromGUID2");
    wchar_t text[40];
    return write && write(guid, text, 40) ? text : L"";
}

BSTR AllocateBstr(const wchar_t* text) {
    static const auto allocate = Lookup<decltype(&::SysAllocString)>(L"oleaut32.dll", "SysAllocString");
    return allocate ? allocate(text) : nullptr;
}

HINSTANCE ShellOpen(HWND owner, const wchar_t* verb, const wchar_t* file, int show) {
    static const auto execute = Lookup<decltype(&::ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    return execute ? execute(owner, verb, file, nullptr, nullptr, show) : reinterpret_cast<HINSTANCE>(SE_ERR_DLLNOTFOUND);
}

DWORD_PTR ShellFileInfo(const wchar_t* path, DWORD attributes, SHFILEINFOW& info, UINT flags) {
    static const auto get = Lookup<decltype(&::SHGetFileInfoW)>(L"shell32.dll", "SHGetFileInfoW");
    return get ? get(path, attributes, &info, sizeof info, flags) : 0;
}

}  // namespace win
