#include "gui/Theme.h"

#include <string>

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

template <typename Function>
void Find(HMODULE module, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

HMODULE LoadUxTheme() {
    // The program preloads it from the system folder at start; a program
    // that did not gets it from there too, never by bare name.
    if (HMODULE loaded = GetModuleHandleW(L"uxtheme.dll")) return loaded;
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(folder, length) + L"\\uxtheme.dll";
    const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    // Kept loaded for the life of the process: the looked-up functions point
    // into it. Its own imports are looked for in the system folder first.
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    SetErrorMode(previous);
    return module;
}

const UxTheme& Api() {
    static const UxTheme api = [] {
        UxTheme found;
        HMODULE module = LoadUxTheme();
        if (!module) return found;
        Find(module, "IsThemeActive", found.isThemeActive);
        Find(module, "IsAppThemed", found.isAppThemed);
        Find(module, "OpenThemeData", found.openThemeData);
        Find(module, "CloseThemeData", found.closeThemeData);
        Find(module, "DrawThemeBackground", found.drawThemeBackground);
        Find(module, "DrawThemeParentBackground", found.drawThemeParentBackground);
        Find(module, "GetThemeBackgroundContentRect", found.getThemeBackgroundContentRect);
        Find(module, "GetThemeColor", found.getThemeColor);
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
