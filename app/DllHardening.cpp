#include "app/DllHardening.h"

#include "win/Library.h"

namespace {

// Not in the XP headers.
constexpr DWORD kLoadLibrarySearchSystem32 = 0x00000800;

bool IsVista() {
    OSVERSIONINFOW version{sizeof version};
    // GetVersionEx is deprecated, but the manifest names Vista and 7, and only
    // Vista (6.0) matters here.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&version)) return false;
#pragma GCC diagnostic pop
    return version.dwMajorVersion == 6 && version.dwMinorVersion == 0;
}

// Narrows every later load by bare name, a system DLL's own delay loads
// included, to the system folder: the program's folder is then out of the
// search. SetDefaultDllDirectories exists on Windows 7 with KB2533623 and
// on every later system (the update exists for Vista too, none for XP); on
// Vista it makes the shell-link object fail to create, so Vista is not
// narrowed this way. False where the search could not be narrowed.
bool NarrowToSystemFolder(DllSearch search) {
    BOOL(WINAPI * setDefault)(DWORD) = nullptr;
    return search == DllSearch::Narrowest && !IsVista() &&
           win::FindProcedure(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories", setDefault) &&
           setDefault(kLoadLibrarySearchSystem32);
}

// Every DLL that Windows XP, Vista or 7 may load into this process by bare
// name and that is not a KnownDLL: the list that established installers and
// archivers preload (NSIS, the 7-Zip installer), and what this program's own
// calls pull in there, grouped by call below. Where the search cannot be
// narrowed, each is loaded once from the system folder, so that a later
// bare-name load finds it already in the process. comctl32 is not here: the
// application object loads it by name, so that the manifest maps it to
// version 6.
const wchar_t* const kPreloaded[] = {
    // What established installers and archivers preload for the same reason.
    L"uxtheme.dll", L"userenv.dll", L"setupapi.dll", L"apphelp.dll", L"propsys.dll",
    L"dwmapi.dll", L"cryptbase.dll", L"oleacc.dll", L"clbcatq.dll", L"version.dll",
    // The access check: advapi32's security-descriptor provider and its
    // crypto and security-support helpers (7), and userenv's profile helper.
    L"ntmarta.dll", L"cryptsp.dll", L"sspicli.dll", L"secur32.dll", L"profapi.dll",
    // The shell-link object and the shell's icons in the folder dialog: link
    // tracking, the sharing and offline-files overlays and the licensing
    // check of the Vista and 7 shell, the image codecs that draw icons, and
    // COM's resources on XP.
    L"linkinfo.dll", L"ntshrui.dll", L"cscapi.dll", L"srvcli.dll", L"slc.dll",
    L"windowscodecs.dll", L"comres.dll",
    // Themes and message boxes: XP's alpha-blended theme parts, the system
    // sounds, the text services.
    L"msimg32.dll", L"winmm.dll", L"msctf.dll",
};

void PreloadFromSystemFolder() {
    // A DLL that this Windows lacks (cryptbase on XP) is simply absent. On
    // the fallback a bare-name load would then still find a copy beside the
    // program, but no part of this Windows asks for a DLL it lacks.
    for (const wchar_t* name : kPreloaded) win::LoadSystemLibrary(name);
}

}  // namespace

void HardenDllLoading(DllSearch search) {
    // Narrowed, nothing is looked for beside the program: preloading would
    // add only start-up time.
    if (NarrowToSystemFolder(search)) return;
    // Takes the current folder out of the search; the program's own folder
    // stays in it, hence the preloading.
    SetDllDirectoryW(L"");
    PreloadFromSystemFolder();
}
