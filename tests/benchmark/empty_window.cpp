// The benchmark's floor for start-up: an empty window, built with the
// installer's compiler and flags, shown as the installer shows its main
// window. It closes when asked to. Built twice: plain, and prepared as the
// installer must be before its first window (KORDEX_PREPARED: the DLL search
// hardened, common controls 6 by the installer's manifest, COM for the
// thread, the shell loaded), which tells the installer's own window from
// what every window of it has to load first.
#include <windows.h>

#ifdef KORDEX_PREPARED
#include "app/DllHardening.h"
#include "win/CommonControls.h"

#include <objbase.h>
#include <shellapi.h>
#endif

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
#ifdef KORDEX_PREPARED
    HardenDllLoading();
    win::LoadCommonControls();
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
#endif
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"EmptyWindow";
    if (!RegisterClassW(&windowClass)) return 1;
    const HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Empty window",
                                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                                        CW_USEDEFAULT, 423, 502, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
#ifdef KORDEX_PREPARED
    DragAcceptFiles(window, FALSE);  // a call into the shell, which the installer imports
#endif
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
