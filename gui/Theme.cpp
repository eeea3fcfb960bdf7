#include "gui/Theme.h"

#include "win/Library.h"

namespace gui {

namespace {

struct UxTheme {
    BOOL(WINAPI* isThemeActive)() = nullptr;
    BOOL(WINAPI* isAppThemed)() = nullptr;
    HANDLE(WINAPI* openThemeData)(HWND, const wchar_t*) = nullptr;
    HRESULT(WINAPI* closeThemeData)(HANDLE) = nullptr;
    HRESULT(WINAPI* drawThemeBackground)(HANDLE, HDC, int, int, const RECT*, const RECT*) = nullptr;
    HRESULT(WINAPI* drawThemeParentBackground)(HWND, HDC, RECT*) = nullptr;
    HRESULT(WINAPI* getThemeBackgroundContentRect)(HANDLE, HDC, int, int, const RECT*, RECT*) = nullptr;
    HRESULT(WINAPI* getThemeColor)(HANDLE, int, int, int, COLORREF*) = nullptr;

    bool complete() const {
        return isThemeActive && isAppThemed && openThemeData && closeThemeData && drawThemeBackground &&
               drawThemeParentBackground && getThemeBackgroundContentRect && getThemeColor;
    }
};

const UxTheme& Api() {
    static const UxTheme api = [] {
        UxTheme found;
        const HMODULE module = win::LoadSystemLibrary(L"uxtheme.dll");
        if (!module) return found;
        win::FindProcedure(module, "IsThemeActive", found.isThemeActive);
        win::FindProcedure(module, "IsAppThemed", found.isAppThemed);
        win::FindProcedure(module, "OpenThemeData", found.openThemeData);
        win::FindProcedure(module, "CloseThemeData", found.closeThemeData);
        win::FindProcedure(module, "DrawThemeBackground", found.drawThemeBackground);
        win::FindProcedure(module, "DrawThemeParentBackground", found.drawThemeParentBackground);
        win::FindProcedure(module, "GetThemeBackgroundContentRect", found.getThemeBackgroundContentRect);
        win::FindProcedure(module, "GetThemeColor", found.getThemeColor);
        // All or nothing: a half-found uxtheme is treated as none.
        return found.complete() ? found : UxTheme{};
    }();
    return api;
}

}  // namespace

void ThemeDataTraits::close(Value v) {
    if (Api().closeThemeData) Api().closeThemeData(v);
}

bool Theme::Active() {
    const UxTheme& api = Api();
    return api.complete() && api.isThemeActive() && api.isAppThemed();
}

void Theme::Open(HWND window, const wchar_t* classList) {
    data_.reset();
    if (Active()) data_.reset(Api().openThemeData(window, classList));
}

void Theme::DrawBackground(HDC dc, int part, int state, const RECT& rect) const {
    if (data_) Api().drawThemeBackground(data_.get(), dc, part, state, &rect, nullptr);
}

RECT Theme::ContentRect(HDC dc, int part, int state, const RECT& rect) const {
    RECT content = rect;
    if (data_ && FAILED(Api().getThemeBackgroundContentRect(data_.get(), dc, part, state, &rect, &content)))
        content = rect;
    return content;
}

bool Theme::TextColour(int part, int state, COLORREF& colour) const {
    constexpr int kTextColourProperty = 3803;  // TMT_TEXTCOLOR
    return data_ && SUCCEEDED(Api().getThemeColor(data_.get(), part, state, kTextColourProperty, &colour));
}

void Theme::DrawParentBackground(HWND child, HDC dc) {
    if (Api().drawThemeParentBackground) Api().drawThemeParentBackground(child, dc, nullptr);
}

}  // namespace gui
