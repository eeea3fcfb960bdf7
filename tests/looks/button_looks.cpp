// Every look of the picture button and the flat speed button in one window,
// to be looked at on screenshots: themed and classic, at any dpi.
//
// Top row, enabled: normal, greyed, down, greyed (takes the focus at start).
// Bottom row, disabled: normal, greyed, down, greyed and down.
// Clicking a top-row button toggles its down flag; "Telepítés" enables or
// disables the bottom row; "Kilépés" closes the window.
#include "gui/Application.h"
#include "gui/Dpi.h"
#include "gui/Picture.h"
#include "gui/PictureButton.h"
#include "gui/SpeedButton.h"
#include "gui/Window.h"
#include "win/Error.h"

#include <iterator>
#include <memory>
#include <vector>

namespace {

// The RCDATA ids in button_looks.rc.
enum PictureId { kDefault = 101, kDocuments, kDesktop, kBrowse };

enum ControlId { kFirstPictureButton = 1000, kInstall = 2000, kExit = 2001 };

struct Sample {
    const wchar_t* caption;
    PictureId picture;
    const wchar_t* label;
    bool enabled, greyed, down;
};

const Sample kSamples[] = {
    {L"Alapértelmezett", kDefault, L"normál", true, false, false},
    {L"Dokumentumok", kDocuments, L"szürke", true, true, false},
    {L"Asztal", kDesktop, L"lenyomva", true, false, true},
    {L"Egyéb (Tallóz...)", kBrowse, L"szürke, fókusz", true, true, false},
    {L"Alapértelmezett", kDefault, L"tiltva", false, false, false},
    {L"Dokumentumok", kDocuments, L"tiltva, szürke", false, true, false},
    {L"Asztal", kDesktop, L"tiltva, lenyomva", false, false, true},
    {L"Egyéb (Tallóz...)", kBrowse, L"tiltva, szürke, le", false, true, true},
};
constexpr int kColumns = 4;
constexpr int kFocusedSample = 3;

// Layout at 96 dpi.
constexpr int kMargin = 12, kButton = 89, kStep = 95, kLabelHeight = 13, kRowStep = 89 + 4 + 13 + 12;
constexpr int kClientWidth = kMargin * 2 + kStep * (kColumns - 1) + kButton;
constexpr int kSpeedTop = kMargin + 2 * kRowStep;
constexpr int kClientHeight = kSpeedTop + 25 + kMargin;

class LooksWindow : public gui::Window {
public:
    LooksWindow() : dpi_(gui::ScreenDpi()) {
        for (int id = kDefault; id <= kBrowse; ++id)
            pictures_.push_back(gui::Picture::FromResource(GetModuleHandleW(nullptr), id));
        font_.reset(MakeFont(FW_NORMAL));
        boldFont_.reset(MakeFont(FW_BOLD));

        RegisterClassOnce(L"KORdexButtonLooks", nullptr, nullptr);
        gui::RegisterSpeedButtonClass();
        const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
        RECT bounds{0, 0, S(kClientWidth), S(kClientHeight)};
        AdjustWindowRectEx(&bounds, style, FALSE, 0);
        OffsetRect(&bounds, S(40) - bounds.left, S(40) - bounds.top);
        CreateHandle(L"KORdexButtonLooks", L"Gombok kinézete", style, 0, bounds, nullptr);

        for (int i = 0; i < static_cast<int>(std::size(kSamples)); ++i) AddSample(i);
        AddSpeedButton(L"Telepítés", kInstall, kClientWidth - kMargin - 75 - 6 - 75, Font(boldFont_));
        AddSpeedButton(L"Kilépés", kExit, kClientWidth - kMargin - 75, Font(font_));
        focus_ = buttons_[kFocusedSample]->Handle();
    }

    ~LooksWindow() override {
        // The buttons let go of their windows before the window goes.
        buttons_.clear();
    }

    void Show() {
        ShowWindow(Handle(), SW_SHOW);
        UpdateWindow(Handle());
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (gui::PictureButton* button = gui::PictureButton::FromHandle(item.hwndItem)) {
                button->Draw(item);
                return TRUE;
            }
            break;
        }
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) OnClick(LOWORD(wParam));
            return 0;
        case WM_ACTIVATE:
            // Give the focus back to the control that had it, not to the window.
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focused = GetFocus();
                if (focused && IsChild(Handle(), focused)) focus_ = focused;
            } else if (focus_) {
                SetFocus(focus_);
            }
            return 0;
        case WM_DESTROY:
            gui::Application::Current().Terminate();
            return 0;
        }
        return Window::HandleMessage(message, wParam, lParam);
    }

private:
    int S(int pixels) const { return gui::Scale(pixels, dpi_); }
    static HFONT Font(const win::GdiObject& font) { return static_cast<HFONT>(font.get()); }

    HFONT MakeFont(int weight) const {
        return CreateFontW(gui::FontHeight(8, dpi_), 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                           L"Tahoma");
    }

    HWND AddChild(const wchar_t* className, const wchar_t* text, DWORD style, int x, int y, int width,
                  int height, int id, HFONT font) {
        HWND child = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, S(x), S(y), S(width),
                                     S(height), Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                     GetModuleHandleW(nullptr), nullptr);
        if (!child) win::ThrowLastError(L"Cannot create a control");
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return child;
    }

    void AddSample(int index) {
        const Sample& sample = kSamples[index];
        const int x = kMargin + (index % kColumns) * kStep;
        const int y = kMargin + (index / kColumns) * kRowStep;
        HWND window = AddChild(L"BUTTON", sample.caption, WS_TABSTOP | BS_OWNERDRAW, x, y, kButton, kButton,
                               kFirstPictureButton + index, Font(font_));
        auto button = std::make_unique<gui::PictureButton>(window, pictures_[sample.picture - kDefault], dpi_);
        button->SetGreyed(sample.greyed);
        button->SetDown(sample.down);
        EnableWindow(window, sample.enabled);
        buttons_.push_back(std::move(button));
        AddChild(L"STATIC", sample.label, SS_CENTER, x - 3, y + kButton + 4, kButton + 6, kLabelHeight, -1,
                 Font(font_));
    }

    void AddSpeedButton(const wchar_t* caption, int id, int x, HFONT font) {
        AddChild(gui::kSpeedButtonClass, caption, 0, x, kSpeedTop, 75, 25, id, font);
    }

    void OnClick(int id) {
        if (id == kExit) {
            DestroyWindow(Handle());
        } else if (id == kInstall) {
            for (int i = kColumns; i < 2 * kColumns; ++i) {
                HWND window = buttons_[i]->Handle();
                EnableWindow(window, !IsWindowEnabled(window));
            }
        } else if (id >= kFirstPictureButton && id < kFirstPictureButton + kColumns) {
            gui::PictureButton& button = *buttons_[id - kFirstPictureButton];
            button.SetDown(!button.Down());
        }
    }

    int dpi_;
    std::vector<gui::Picture> pictures_;
    win::GdiObject font_;
    win::GdiObject boldFont_;
    std::vector<std::unique_ptr<gui::PictureButton>> buttons_;
    HWND focus_ = nullptr;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    gui::Application application;
    application.SetTitle(L"KORdex telepítő");
    try {
        LooksWindow window;
        window.Show();
        application.Run();
    } catch (...) {
        application.ShowException();
        return 1;
    }
    return 0;
}
