#include "WideText.h"
#include "gui/AccessKey.h"

#include <doctest.h>

#include <string>

TEST_CASE("a caption marks its access key's first letter, in either case, and shows every & as it is") {
    struct Case {
        const wchar_t* caption;
        wchar_t key;
        const wchar_t* marked;
    };
    const Case cases[] = {
        {L"Telepítés", L'T', L"&Telepítés"}, {L"Kilépés", L'K', L"&Kilépés"},   {L"Kiválaszt", L'V', L"Ki&választ"},
        {L"Mégsem", L'É', L"M&égsem"},       {L"Asztal", L'Q', L"Asztal"},      {L"R&D", L'D', L"R&&&D"},
        {L"R&D", 0, L"R&&D"},                {L"Telepítés", 0, L"Telepítés"}, {L"", L'T', L""},
    };
    for (const Case& c : cases) {
        CAPTURE(std::wstring(c.caption));
        CHECK(gui::MarkedCaption(c.caption, c.key) == c.marked);
    }
}

TEST_CASE("a letter typed with Alt is the access key in either case, and screen readers hear it as Alt+letter") {
    CHECK(gui::IsAccessKey(L't', L'T'));
    CHECK(gui::IsAccessKey(L'T', L'T'));
    CHECK(gui::IsAccessKey(L'é', L'É'));
    CHECK_FALSE(gui::IsAccessKey(L'k', L'T'));
    CHECK_FALSE(gui::IsAccessKey(0, 0));
    CHECK(gui::AccessKeyShortcut(L'T') == L"Alt+T");
    CHECK(gui::AccessKeyShortcut(L'k') == L"Alt+K");
}

TEST_CASE("the dialog manager's mark is the letter after a single &") {
    struct Case {
        const wchar_t* caption;
        wchar_t mark;
    };
    const Case cases[] = {{L"&Tovább >", L'T'}, {L"R&&D", 0}, {L"a&&b&c", L'c'}, {L"end&", 0}, {L"", 0}, {L"Mégse", 0}};
    for (const Case& c : cases) {
        CAPTURE(std::wstring(c.caption));
        CHECK(gui::MnemonicOf(c.caption) == c.mark);
    }
}

TEST_CASE("setting and clearing keyboard cues changes only the flags named") {
    struct Case {
        WORD hidden;
        WORD action, flags;
        WORD after;
    };
    const Case cases[] = {
        {0, UIS_SET, UISF_HIDEACCEL, UISF_HIDEACCEL},
        {UISF_HIDEFOCUS, UIS_SET, UISF_HIDEACCEL, UISF_HIDEFOCUS | UISF_HIDEACCEL},
        {UISF_HIDEACCEL | UISF_HIDEFOCUS, UIS_CLEAR, UISF_HIDEACCEL, UISF_HIDEFOCUS},
        {UISF_HIDEACCEL, UIS_CLEAR, UISF_HIDEACCEL | UISF_HIDEFOCUS, 0},
        {UISF_HIDEACCEL, UIS_INITIALIZE, UISF_HIDEACCEL, UISF_HIDEACCEL},
        {0, UIS_SET, UISF_ACTIVE, 0},
    };
    for (const Case& c : cases) {
        CAPTURE(c.hidden);
        CAPTURE(c.action);
        CHECK(gui::ChangedCues(c.hidden, MAKEWPARAM(c.action, c.flags)) == c.after);
    }
}

TEST_CASE("an access key clashes with another control's access key or caption mark, not with content") {
    using gui::ControlKind;
    const auto install = gui::Control(L"install", ControlKind::SpeedButton, 1).Text(L"Telepítés").AccessKey(L'T');
    const auto leave = gui::Control(L"leave", ControlKind::SpeedButton, 2).Text(L"Kilépés").AccessKey(L'K');
    const auto with = [](ControlKind kind, const wchar_t* text, unsigned options = 0, wchar_t key = 0) {
        return gui::Control(L"other", kind, 3).Text(text).Options(options).Tab(0).AccessKey(key);
    };
    struct Case {
        gui::ControlDescription other;
        const wchar_t* clash;
    };
    const Case cases[] = {
        {with(ControlKind::CheckBox, L"Telepítés után"), nullptr},
        {with(ControlKind::SpeedButton, L"Tovább", 0, L't'), L"install"},
        {with(ControlKind::CheckBox, L"&Telepítés után"), L"install"},
        {with(ControlKind::PictureButton, L"&tallózás"), L"install"},
        {with(ControlKind::GroupBox, L"&Kész"), L"leave"},
        {with(ControlKind::Label, L"&Tovább"), L"install"},
        {with(ControlKind::Label, L"C:\\&Tools", gui::kLiteralText), nullptr},
        {with(ControlKind::Memo, L"&Tools"), nullptr},
        {with(ControlKind::SpeedButton, L"&Tools"), nullptr},
    };
    for (const Case& c : cases) {
        CAPTURE(std::wstring(c.other.text));
        const gui::ControlDescription table[] = {install, leave, c.other};
        const wchar_t* clash = gui::AccessKeyClash(table, 3);
        CHECK(std::wstring(clash ? clash : L"(none)") == std::wstring(c.clash ? c.clash : L"(none)"));
    }
}
