#include "gui/MessageBox.h"

#include "gui/Application.h"
#include "gui/MessageQueue.h"

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
    DiscardTypedAheadInput();
    return ShowMessageBox(text, title, flags);
}

std::wstring WithFullStop(std::wstring message) {
    if (!message.empty() && message.back() > L'.') message += L'.';
    return message;
}

void ShowErrorBox(const std::wstring& title, const std::wstring& message) {
    // An Enter or a Space typed while the work waited must not close the
    // error before anyone has read it.
    DiscardTypedAheadInput();
    ShowMessageBox(WithFullStop(message), title, MB_OK | MB_ICONERROR);
}

}  // namespace gui
