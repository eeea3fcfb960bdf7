#include "win/Window.h"

#include "win/Error.h"

namespace win {

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

void EnsureClassRegistered(const WNDCLASSEXW& windowClass) {
    WNDCLASSEXW existing{sizeof existing};
    if (GetClassInfoExW(windowClass.hInstance, windowClass.lpszClassName, &existing)) return;
    if (!RegisterClassExW(&windowClass)) ThrowLastError(L"Cannot register window class");
}

}  // namespace win
