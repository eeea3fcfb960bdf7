#include "gui/MessageBox.h"

#include "gui/Application.h"

#include <windows.h>

namespace gui {

int ShowMessageBox(const std::wstring& text, const std::wstring& title, unsigned flags) {
    const HWND owner = Application::Exists() ? Application::Current().MessageBoxOwner() : nullptr;
    return MessageBoxW(owner, text.c_str(), title.c_str(), flags);
}

std::wstring WithFullStop(std::wstring message) {
    if (!message.empty() && message.back() > L'.') message += L'.';
    return message;
}

void ShowErrorBox(const std::wstring& title, const std::wstring& message) {
    ShowMessageBox(WithFullStop(message), title, MB_OK | MB_ICONERROR);
}

}  // namespace gui
