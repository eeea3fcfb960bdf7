#include "gui/AccessKey.h"

#include "gui/Window.h"
#include "win/LetterCase.h"

namespace gui {

namespace {

// The letter a caption marks with "&": labels (unless they show "&" as it
// is), group boxes, picture buttons and check boxes; a speed button shows
// its caption as it is, and the other controls hold content, not captions.
wchar_t MarkedLetter(const ControlDescription& control) {
    const std::wstring text = control.text ? control.text : L"";
    switch (control.kind) {
    case ControlKind::Label: return (control.options & kLiteralText) ? 0 : MnemonicOf(text);
    case ControlKind::GroupBox:
    case ControlKind::PictureButton:
    case ControlKind::CheckBox: return MnemonicOf(text);
    default: return 0;
    }
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

const wchar_t* AccessKeyClash(const ControlDescription* controls, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const wchar_t key = controls[i].accessKey;
        for (size_t j = 0; key && j < count; ++j) {
            if (j != i && (IsAccessKey(controls[j].accessKey, key) || IsAccessKey(MarkedLetter(controls[j]), key)))
                return controls[i].name;
        }
    }
    return nullptr;
}

bool AccessKeyTable::Press(wchar_t typed) const {
    for (const auto& [key, control] : keys_) {
        if (!IsAccessKey(typed, key) || !IsUsable(control)) continue;
        SendMessageW(control, BM_CLICK, 0, 0);
        return true;
    }
    return false;
}

}  // namespace gui
