// The sample payload's kordex.exe: a small real program, so that the desktop
// shortcut of an installer built with the sample payload starts something.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    MessageBoxW(nullptr,
                L"Ez a KORdex minta programja.\n\nA telepítő mintacsomaggal készült; a valódi kiadásban itt a KORdex "
                L"program indul.",
                L"KORdex 1.2 (minta)", MB_OK | MB_ICONINFORMATION);
    return 0;
}
