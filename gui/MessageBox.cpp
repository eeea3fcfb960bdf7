#include "gui/MessageBox.h"

#include "gui/Application.h"

#include <windows.h>

namespace gui {

int ShowMessageBox(const std::wstring& text, const std::wstring& title, unsigned flags) {
    HWND owner = Application::Exists() ? Application::Current().MessageBoxOwner() : nullptr;
    // A box owned by a window that is gone fails and shows nothing: an
    // error raised while the windows are being made or taken down would be
    // lost. Without an owner it is still shown.
    if (owner && !IsWindow(owner)) owner = nullptr;
    return MessageBoxW(owner, text.c_str(), title.c_str(), flags);
}

int AskMessageBox(const std::wstring& text, const std::wstring& title, unsigned flags) {
    // By message range, so that input posted by other programs goes too:
    // keys, the mouse over the client areas and over the frames.
    const UINT kInput[][2] = {
        {WM_KEYFIRST, WM_KEYLAST}, {WM_MOUSEFIRST, WM_MOUSELAST}, {WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK}};
    MSG msg;
    for (const auto& range : kInput) {
        while (PeekMessageW(&msg, nullptr, range[0], range[1], PM_REMOVE)) {
        }
    }
    return ShowMessageBox(text, title, flags);
}

std::wstring WithFullStop(std::wstring message) {
    if (!message.empty() && message.back() > L'.') message += L'.';
    return message;
}

void ShowErrorBox(const std::wstring& title, const std::wstring& message) {
    ShowMessageBox(WithFullStop(message), title, MB_OK | MB_ICONERROR);
}

}  // namespace gui
