// A window whose handlers throw, for testing the error boundary of the gui
// layer end to end: each button raises an error with the message it shows;
// with the argument "show" the show event raises one too.
#include "gui/Application.h"
#include "gui/Error.h"
#include "gui/Window.h"

#include <iterator>
#include <stdexcept>
#include <string>

namespace {

const wchar_t* const kMessages[] = {
    L"Resource 7 not found",
    L"Invalid data type for 'ProductName'",
    L"Már van pont.",
    L"Kérdés?",
    L"Figyelem!",
    L"Zárójelben (ez)",
};
constexpr int kFirstId = 100;
constexpr int kStdErrorId = 200;
constexpr int kCountId = 300;

class ThrowingWindow : public gui::Window {
public:
    explicit ThrowingWindow(bool throwOnShow) : throwOnShow_(throwOnShow) {
        RegisterClassOnce(L"ThrowingWindow", nullptr, nullptr);
        CreateHandle(L"ThrowingWindow", L"Hibadoboz próba", WS_OVERLAPPEDWINDOW, 0, RECT{100, 100, 500, 500}, nullptr);
        int top = 10;
        for (int i = 0; i < static_cast<int>(std::size(kMessages)); ++i, top += 30) AddButton(kMessages[i], kFirstId + i, top);
        AddButton(L"std::runtime_error", kStdErrorId, top);
        // Counts clicks: proves the program runs on after an error box.
        AddButton(L"0", kCountId, top + 30);
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_SHOWWINDOW:
            if (wParam && throwOnShow_) throw gui::Error(L"Hiba a megjelenítéskor");
            return 0;
        case WM_COMMAND:
            Command(LOWORD(wParam));
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        }
        return Window::HandleMessage(message, wParam, lParam);
    }

private:
    void AddButton(const wchar_t* text, int id, int top) {
        CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, top, 360, 26, Handle(),
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    }

    void Command(int id) {
        if (id == kCountId) {
            SetDlgItemTextW(Handle(), kCountId, std::to_wstring(++clicks_).c_str());
        } else if (id == kStdErrorId) {
            throw std::runtime_error("Standard library error");
        } else if (id >= kFirstId && id < kFirstId + static_cast<int>(std::size(kMessages))) {
            throw gui::Error(kMessages[id - kFirstId]);
        }
    }

    bool throwOnShow_;
    int clicks_ = 0;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    gui::Application application;
    application.SetTitle(L"KORdex telepítő");
    ThrowingWindow window(std::wstring(commandLine) == L"show");
    ShowWindow(window.Handle(), SW_SHOWNORMAL);
    application.Run();
    return 0;
}
