// Raw-data resources (RT_RCDATA) of a module, looked up by integer identifier.
#pragma once

#include <windows.h>

namespace win {

struct ResourceBytes {
    const void* data;  // read-only, in the module's image; nullptr if not found
    DWORD size;
};

// The resource's bytes in place, never copied. Not found: data is nullptr
// and the last error says why.
ResourceBytes RawDataResource(HMODULE module, int id);

}  // namespace win
