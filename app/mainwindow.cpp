#include "app/mainwindow.h"

#include "app/resource.h"
#include "gui/Dpi.h"

InstallerState installerState;
TfrmMain* frmMain = nullptr;

namespace {

constexpr wchar_t kClassName[] = L"TfrmMain";
constexpr wchar_t kCaption[] = L"KORdex v1.2 - program telepítő";
constexpr int kClientWidth = 417;
constexpr int kClientHeight = 473;
// Fixed single border, system menu and minimise only.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

HICON LoadProgramIcon(int metricX, int metricY) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_KORDEX), IMAGE_ICON,
                                         GetSystemMetrics(metricX), GetSystemMetrics(metricY), LR_SHARED));
}

// The window's outer rectangle for the scaled client size, centred on the
// work area of the primary screen.
RECT CentredBounds(int clientWidth, int clientHeight) {
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int left = work.left + (work.right - work.left - width) / 2;
    const int top = work.top + (work.bottom - work.top - height) / 2;
    return RECT{left, top, left + width, top + height};
}

}  // namespace

TfrmMain::TfrmMain() {
    RegisterClassOnce(kClassName, LoadProgramIcon(SM_CXICON, SM_CYICON), LoadProgramIcon(SM_CXSMICON, SM_CYSMICON));
    const int dpi = gui::ScreenDpi();
    // No owner: the main window has the task-bar button and shows its caption there.
    CreateHandle(kClassName, kCaption, kStyle, kExStyle,
                 CentredBounds(gui::Scale(kClientWidth, dpi), gui::Scale(kClientHeight, dpi)), nullptr);
}

void TfrmMain::Show() {
    ShowWindow(Handle(), SW_SHOWNORMAL);
    UpdateWindow(Handle());
}

void TfrmMain::FormShow() {}

LRESULT TfrmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SHOWWINDOW:
        // Sent before the window becomes visible; an error here is shown by
        // the window procedure and the window is shown all the same.
        if (wParam) FormShow();
        return 0;
    case WM_DESTROY:
        // Closing the main window ends the program, without a question.
        PostQuitMessage(0);
        return 0;
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}
