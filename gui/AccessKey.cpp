#include "gui/AccessKey.h"

namespace gui {

namespace {

// CharUpperW takes a single character in the low word of its argument; unlike
// the C runtime's towupper it knows the accented capitals.
wchar_t Upper(wchar_t c) {
    return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(c))));
}

}  // namespace

std::wstring MarkedCaption(const std::wstring& caption, wchar_t key) {
    std::wstring marked;
    bool found = key == 0;
    for (wchar_t c : caption) {
        if (c == L'&') {
            marked += L"&&";
            continue;
        }
        if (!found && Upper(c) == Upper(key)) {
            marked += L'&';
            found = true;
        }
        marked += c;
    }
    return marked;
}

bool IsAccessKey(wchar_t typed, wchar_t key) { return key != 0 && Upper(typed) == Upper(key); }

std::wstring AccessKeyShortcut(wchar_t key) { return std::wstring(L"Alt+") + Upper(key); }

wchar_t MnemonicOf(const std::wstring& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        if (caption[i + 1] != L'&') return caption[i + 1];
        ++i;  // "&&"
    }
    return 0;
}

WORD ChangedCues(WORD hidden, WPARAM change) {
    const WORD flags = HIWORD(change) & (UISF_HIDEACCEL | UISF_HIDEFOCUS);
    switch (LOWORD(change)) {
    case UIS_SET: return hidden | flags;
    case UIS_CLEAR: return hidden & ~flags;
    }
    return hidden;
}

bool KeyboardCuesAlwaysShown() {
    BOOL shown = FALSE;
    return SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &shown, 0) && shown;
}

}  // namespace gui
