#include "gui/Oleacc.h"

#include <string>

namespace gui {

namespace {

using LresultFromObjectFn = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using CreateStdAccessibleObjectFn = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);

struct Oleacc {
    LresultFromObjectFn lresultFromObject = nullptr;
    CreateStdAccessibleObjectFn createStdAccessibleObject = nullptr;
};

template <typename Function>
Function Find(HMODULE module, const char* name) {
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

Oleacc Load() {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    const std::wstring path = std::wstring(folder, length) + L"\\oleacc.dll";
    // Kept loaded for the life of the process: the objects it handed to
    // screen readers may be called until the program ends.
    const HMODULE module = LoadLibraryW(path.c_str());
    return {Find<LresultFromObjectFn>(module, "LresultFromObject"),
            Find<CreateStdAccessibleObjectFn>(module, "CreateStdAccessibleObject")};
}

const Oleacc& Library() {
    static const Oleacc library = Load();
    return library;
}

}  // namespace

LRESULT LresultFromAccessible(REFIID iid, WPARAM wParam, IUnknown* object) {
    const Oleacc& oleacc = Library();
    return oleacc.lresultFromObject ? oleacc.lresultFromObject(iid, wParam, object) : 0;
}

HRESULT CreateStandardAccessible(HWND window, LONG objectId, REFIID iid, void** object) {
    const Oleacc& oleacc = Library();
    if (!oleacc.createStdAccessibleObject) return E_NOTIMPL;
    return oleacc.createStdAccessibleObject(window, objectId, iid, object);
}

}  // namespace gui
