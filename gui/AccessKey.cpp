#include "gui/AccessKey.h"

#include "win/LetterCase.h"

namespace gui {

std::wstring MarkedCaption(const std::wstring& caption, wchar_t key) {
    std::wstring marked;
    bool found = key == 0;
    for (wchar_t c : caption) {
        if (c == L'&') {
            marked += L"&&";
            continue;
        }
        if (!found && win::UpperCase(c) == win::UpperCase(key)) {
            marked += L'&';
            found = true;
        }
        marked += c;
    }
    return marked;
}

bool IsAccessKey(wchar_t typed, wchar_t key) { return key != 0 && win::UpperCase(typed) == win::UpperCase(key); }

std::wstring AccessKeyShortcut(wchar_t key) { return std::wstring(L"Alt+") + win::UpperCase(key); }

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
