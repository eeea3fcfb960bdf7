#include "win/CommonControls.h"

#include "win/Library.h"

namespace win {

namespace {

struct Comctl32 {
    BOOL(WINAPI* setSubclass)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR) = nullptr;
    BOOL(WINAPI* getSubclass)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR*) = nullptr;
    BOOL(WINAPI* removeSubclass)(HWND, SUBCLASSPROC, UINT_PTR) = nullptr;
    LRESULT(WINAPI* defSubclass)(HWND, UINT, WPARAM, LPARAM) = nullptr;
};

Comctl32 loaded;

// Version 6 exports the subclassing functions by name; 5.8x, which XP uses
// where the manifest's version 6 is not taken, by these ordinals only.
template <typename Function>
void Find(HMODULE module, const char* name, WORD ordinal, Function& function) {
    if (!FindProcedure(module, name, function)) FindProcedure(module, MAKEINTRESOURCEA(ordinal), function);
}

}  // namespace

bool LoadCommonControls() {
    static const bool available = [] {
        // By name, not by full path: a full path would bypass the manifest's
        // version 6. Never freed: the control classes live in it.
        const HMODULE module = LoadLibraryW(L"comctl32.dll");
        if (!module) return false;
        BOOL(WINAPI * init)(const INITCOMMONCONTROLSEX*) = nullptr;
        if (FindProcedure(module, "InitCommonControlsEx", init)) {
            // Only the standard controls, version 6's themed ones: no window
            // of the installer uses another, and each class costs start-up.
            const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES};
            init(&classes);
        }
        Comctl32 found;
        Find(module, "SetWindowSubclass", 410, found.setSubclass);
        Find(module, "GetWindowSubclass", 411, found.getSubclass);
        Find(module, "RemoveWindowSubclass", 412, found.removeSubclass);
        Find(module, "DefSubclassProc", 413, found.defSubclass);
        // All or nothing: half a chain could not be taken down again.
        if (found.setSubclass && found.getSubclass && found.removeSubclass && found.defSubclass) loaded = found;
        return true;
    }();
    return available;
}

bool SetSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) {
    return loaded.setSubclass && loaded.setSubclass(window, procedure, id, data);
}

bool SubclassData(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR& data) {
    return loaded.getSubclass && loaded.getSubclass(window, procedure, id, &data);
}

void RemoveSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id) {
    if (loaded.removeSubclass) loaded.removeSubclass(window, procedure, id);
}

LRESULT DefSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return loaded.defSubclass(window, message, wParam, lParam);
}

}  // namespace win
