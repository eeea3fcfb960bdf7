// The platform's accessibility library, oleacc. It is not a KnownDLL, so the
// program does not import it: it is loaded on first use from the system
// folder by its full path (a bare name would find a copy planted beside the
// program first) and reached through GetProcAddress. Where it cannot be
// loaded, both calls fail and the system's own proxies answer for the
// controls.
#pragma once

#include <windows.h>
#include <unknwn.h>

namespace gui {

// LresultFromObject: the answer to WM_GETOBJECT that hands object to the
// asking process; 0 when oleacc is missing.
LRESULT LresultFromAccessible(REFIID iid, WPARAM wParam, IUnknown* object);

// CreateStdAccessibleObject: the system's own accessible object of a window.
HRESULT CreateStandardAccessible(HWND window, LONG objectId, REFIID iid, void** object);

}  // namespace gui
