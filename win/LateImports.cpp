#include "win/LateImports.h"

#include "win/Library.h"

namespace win {

// Each function is looked up once, at its first call, and kept in a static.

HRESULT InitializeCom(DWORD model) {
    static const auto initialize = SystemFunction<decltype(&::CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    return initialize ? initialize(nullptr, model) : E_NOTIMPL;
}

void UninitializeCom() {
    static const auto uninitialize = SystemFunction<decltype(&::CoUninitialize)>(L"ole32.dll", "CoUninitialize");
    if (uninitialize) uninitialize();
}

HRESULT CreateComObject(REFCLSID type, REFIID iid, void** object) {
    static const auto create = SystemFunction<decltype(&::CoCreateInstance)>(L"ole32.dll", "CoCreateInstance");
    *object = nullptr;
    return create ? create(type, nullptr, CLSCTX_INPROC_SERVER, iid, object) : E_NOTIMPL;
}

std::wstring GuidText(REFGUID guid) {
    static const auto write = SystemFunction<decltype(&::StringFromGUID2)>(L"ole32.dll", "StringFromGUID2");
    wchar_t text[40];
    return write && write(guid, text, 40) ? text : L"";
}

BSTR AllocateBstr(const wchar_t* text) {
    static const auto allocate = SystemFunction<decltype(&::SysAllocString)>(L"oleaut32.dll", "SysAllocString");
    return allocate ? allocate(text) : nullptr;
}

HINSTANCE ShellOpen(HWND owner, const wchar_t* verb, const wchar_t* file, int show) {
    static const auto execute = SystemFunction<decltype(&::ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    return execute ? execute(owner, verb, file, nullptr, nullptr, show) : reinterpret_cast<HINSTANCE>(SE_ERR_DLLNOTFOUND);
}

DWORD_PTR ShellFileInfo(const wchar_t* path, DWORD attributes, SHFILEINFOW& info, UINT flags) {
    static const auto get = SystemFunction<decltype(&::SHGetFileInfoW)>(L"shell32.dll", "SHGetFileInfoW");
    return get ? get(path, attributes, &info, sizeof info, flags) : 0;
}

}  // namespace win
