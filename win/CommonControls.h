// comctl32, the common controls: their classes and their subclassing.
//
// comctl32 is no KnownDLL, so it is no static import (its DllMain would run
// before the program narrows the DLL search): LoadCommonControls loads it by
// name, once the search is narrowed, so that the manifest maps it to version
// 6, and its functions are reached through GetProcAddress.
//
// Subclassing goes through comctl32's own chain (SetWindowSubclass): each
// subclass calls the next with DefSubclass, whoever subclassed before or
// after it, and a removed subclass leaves nothing behind on the window.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace win {

// Loads comctl32 and registers the standard and common control classes, which
// gives them the visual styles on XP; later calls do nothing more. False when
// it cannot be loaded: the standard controls then keep the classic look, and
// nothing can be subclassed.
bool LoadCommonControls();

// SetWindowSubclass: false when it failed or comctl32 is not loaded.
bool SetSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data);
// GetWindowSubclass: the subclass's data, or false when there is none.
bool SubclassData(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR& data);
// RemoveWindowSubclass; also allowed from within the subclass's procedure.
void RemoveSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id);
// DefSubclassProc: the next subclass in the chain, in the end the window's
// own procedure. Only from within a subclass's procedure.
LRESULT DefSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace win
