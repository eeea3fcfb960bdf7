#include "gui/Oleacc.h"

#include "win/Library.h"

namespace gui {

namespace {

using LresultFromObjectFn = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using CreateStdAccessibleObjectFn = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);

struct Oleacc {
    LresultFromObjectFn lresultFromObject = nullptr;
    CreateStdAccessibleObjectFn createStdAccessibleObject = nullptr;
};

Oleacc Load() {
    // Never freed: the objects it handed to screen readers may be called
    // until the program ends.
    const HMODULE module = win::LoadSystemLibrary(L"oleacc.dll");
    Oleacc found;
    win::FindProcedure(module, "LresultFromObject", found.lresultFromObject);
    win::FindProcedure(module, "CreateStdAccessibleObject", found.createStdAccessibleObject);
    return found;
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
