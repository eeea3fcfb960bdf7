// DLLs of the system's own that the program does not import. A bare name
// would be looked for beside the program first, where a copy may have been
// planted: they are loaded from the system folder by their full paths, and
// their functions are looked up by name.
#pragma once

#include <windows.h>

namespace win {

// Loads system-folder\name, or answers nullptr where this Windows lacks it;
// the system shows no box for a missing DLL. The DLL's own imports are looked
// for in the system folder first, not beside the program. Never freed: what
// was looked up in it stays callable for the life of the process.
HMODULE LoadSystemLibrary(const wchar_t* name);

// Sets function to the module's function of that name (or ordinal, given
// with MAKEINTRESOURCEA), or to nullptr, also for a null module; true when found.
template <typename Function>
bool FindProcedure(HMODULE module, const char* name, Function& function) {
    function = module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
    return function != nullptr;
}

// The function of that name in system-folder\library (loaded as
// LoadSystemLibrary loads it), or nullptr where this Windows lacks either.
template <typename Function>
Function SystemFunction(const wchar_t* library, const char* name) {
    Function function = nullptr;
    FindProcedure(LoadSystemLibrary(library), name, function);
    return function;
}

}  // namespace win
