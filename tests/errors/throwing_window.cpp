// A window whose handlers throw, for testing the error boundary of the gui
// layer end to end: each button raises an error with the message it shows;
// with the argument "show" the show event raises one too. One button makes a
// child's paint fail, another shows how often the child was painted. Three make
// the C++ library meet a fault of the program, with the installer's own
// failure paths of the runtime linked in. With the argument "gone" it starts
// as the installer does and fails to make its second window: the error is
// shown after the main window, the box's owner, is destroyed.
#include "gui/Application.h"
#include "gui/Window.h"
#include "win/Error.h"
#include "win/Gdi.h"

#include <iterator>
#include <memory>
#include <exception>
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
constexpr int kAnsiErrorId = 201;
constexpr int kPaintErrorId = 202;
constexpr int kPaintCountId = 203;
constexpr int kNullStringId = 204;
constexpr int kPastTheEndId = 205;
constexpr int kBeyondAnyLengthId = 206;
constexpr int kCountId = 300;

// A standard exception with a narrow message. Not std::runtime_error: its
// string class would bring in the library's own failure paths, which this
// program takes from the installer instead.
class StandardError : public std::exception {
public:
    explicit StandardError(const char* message) : message_(message) {}
    const char* what() const noexcept override { return message_; }

private:
    const char* message_;
};

// A child whose paint raises an error once told to.
class FailingPainter : public gui::Window {
public:
    explicit FailingPainter(HWND parent) {
        RegisterWindowObjectClass(L"FailingPainter", nullptr, nullptr);
        CreateHandle(L"FailingPainter", L"", WS_CHILD | WS_VISIBLE, 0, RECT{372, 10, 388, 26}, parent);
    }
    void Fail() {
        failing_ = true;
        InvalidateRect(Handle(), nullptr, TRUE);
    }
    int Paints() const { return paints_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_PAINT) return Window::HandleMessage(message, wParam, lParam);
        const win::PaintDc paint(Handle());
        ++paints_;
        if (failing_) throw win::Error(L"Hiba rajzolás közben");
        return 0;
    }

private:
    bool failing_ = false;
    int paints_ = 0;
};

class ThrowingWindow : public gui::Window {
public:
    explicit ThrowingWindow(bool throwOnShow) : throwOnShow_(throwOnShow) {
        RegisterWindowObjectClass(L"ThrowingWindow", nullptr, nullptr);
        CreateHandle(L"ThrowingWindow", L"Hibadoboz próba", WS_OVERLAPPEDWINDOW, 0, RECT{100, 100, 500, 600}, nullptr);
        int top = 10;
        for (int i = 0; i < static_cast<int>(std::size(kMessages)); ++i, top += 30) AddButton(kMessages[i], kFirstId + i, top);
        AddButton(L"std::exception", kStdErrorId, top);
        AddButton(L"std::exception, ANSI", kAnsiErrorId, top += 30);
        AddButton(L"paint error", kPaintErrorId, top += 30);
        AddButton(L"paints", kPaintCountId, top += 30);
        AddButton(L"a string made from null", kNullStringId, top += 30);
        AddButton(L"a character past the end", kPastTheEndId, top += 30);
        AddButton(L"a string beyond any length", kBeyondAnyLengthId, top += 30);
        // Counts clicks: proves the program runs on after an error box.
        AddButton(L"0", kCountId, top + 30);
        painter_ = std::make_unique<FailingPainter>(Handle());
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_SHOWWINDOW:
            if (wParam && throwOnShow_) throw win::Error(L"Hiba a megjelenítéskor");
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
            throw StandardError("Standard library error");
        } else if (id == kAnsiErrorId) {
            // "Ár: 5 €" in code page 1252, where the euro sign is 0x80.
            throw StandardError("\xC1r: 5 \x80");
        } else if (id == kPaintErrorId) {
            painter_->Fail();
        } else if (id == kNullStringId) {
            const wchar_t* none = nullptr;
            SetWindowTextW(Handle(), std::wstring(none).c_str());
        } else if (id == kPastTheEndId) {
            const std::wstring three = L"abc";
            SetWindowTextW(Handle(), std::wstring(1, three.at(5)).c_str());
        } else if (id == kBeyondAnyLengthId) {
            std::wstring text;
            text.reserve(text.max_size() + 1);
        } else if (id == kPaintCountId) {
            SetDlgItemTextW(Handle(), kPaintCountId, std::to_wstring(painter_->Paints()).c_str());
        } else if (id >= kFirstId && id < kFirstId + static_cast<int>(std::size(kMessages))) {
            throw win::Error(kMessages[id - kFirstId]);
        }
    }

    bool throwOnShow_;
    int clicks_ = 0;
    std::unique_ptr<FailingPainter> painter_;
};

// A window of a class never registered: made, it fails as the folder
// dialog's would.
class UnmadeWindow : public gui::Window {
public:
    explicit UnmadeWindow(HWND owner) { CreateHandle(L"NoSuchClass", L"", WS_POPUP, 0, RECT{}, owner); }
};

// The installer's start, failing: the main window is gone (and owns no box)
// by the time the error is shown.
int FailedStart(gui::Application& application) {
    try {
        ThrowingWindow window(false);
        application.SetMainWindow(window.Handle());
        UnmadeWindow second(window.Handle());
        application.Run();
    } catch (...) {
        application.ShowException();
        return 1;
    }
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    gui::Application application;
    application.SetTitle(L"KORdex telepítő");
    if (std::wstring(commandLine) == L"gone") return FailedStart(application);
    ThrowingWindow window(std::wstring(commandLine) == L"show");
    ShowWindow(window.Handle(), SW_SHOWNORMAL);
    application.Run();
    return 0;
}
