// An installer is started from a downloads folder, where a planted DLL may
// wait for a bare-name load. This must run before the first window or COM call.
#pragma once

// How the DLL search is narrowed.
enum class DllSearch {
    // SetDefaultDllDirectories where this Windows has it and it is safe
    // (not on Vista), else the fallback.
    Narrowest,
    // SetDllDirectoryW(L"") and the preloading: what XP and Vista take, and
    // a 7 without the update that adds SetDefaultDllDirectories. Chosen
    // directly only by a test of that path on a newer system.
    Fallback,
};

// Narrows the DLL search to the system folder; where that cannot be done,
// loads from the system folder every DLL that the system may otherwise look
// for beside the program.
void HardenDllLoading(DllSearch search = DllSearch::Narrowest);
