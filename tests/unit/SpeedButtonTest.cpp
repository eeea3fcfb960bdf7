// The speed buttons of a real form: pressed by their access keys, and their
// keyboard cues.
#include "gui/Application.h"
#include "gui/Form.h"

#include <windows.h>

#include <doctest.h>

#include <string>

namespace {

enum { idInstall = 101, idLeave, idNoKey };

class KeysForm : public gui::Form<KeysForm> {
public:
    KeysForm() {
        RegisterClassOnce(L"KORdexKeysTestForm", nullptr, nullptr);
        Build(kForm, kControls);
    }

    HWND install = nullptr;
    HWND leave = nullptr;
    HWND noKey = nullptr;
    int installClicks = 0;
    int leaveClicks = 0;

    void installClick() { ++installClicks; }
    void leaveClick() { ++leaveClicks; }

private:
    static const gui::FormSpec kForm;
    static const gui::ControlSpec<KeysForm> kControls[3];
};

const gui::FormSpec KeysForm::kForm{L"KORdexKeysTestForm", L"Keys", 200, 100, WS_POPUP, 0, L"Tahoma", 8};
const gui::ControlSpec<KeysForm> KeysForm::kControls[3] = {
    {{L"install", gui::ControlKind::SpeedButton, idInstall, nullptr, {10, 10, 75, 25}, L"Telepítés", 0,
      gui::kNoTabStop, 0, L'T'},
     &KeysForm::install, &KeysForm::installClick},
    {{L"leave", gui::ControlKind::SpeedButton, idLeave, nullptr, {90, 10, 75, 25}, L"Kilépés", 0, gui::kNoTabStop, 0,
      L'K'},
     &KeysForm::leave, &KeysForm::leaveClick},
    {{L"noKey", gui::ControlKind::SpeedButton, idNoKey, nullptr, {10, 50, 75, 25}, L"Mégsem", 0, gui::kNoTabStop, 0},
     &KeysForm::noKey, nullptr},
};

// A character typed with Alt, as TranslateMessage makes it for a window.
MSG AltCharacter(HWND window, wchar_t typed) {
    return MSG{window, WM_SYSCHAR, typed, static_cast<LPARAM>(KF_ALTDOWN) << 16, 0, {}};
}

bool CuesHidden(HWND window) { return (SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) != 0; }

}  // namespace

TEST_CASE("Alt with an access key presses its speed button, in either case, while it is shown and enabled") {
    gui::Application application;
    KeysForm form;
    ShowWindow(form.Handle(), SW_SHOWNA);
    struct Case {
        const char* what;
        void (*prepare)(KeysForm&);
        wchar_t typed;
        bool pressed;
        int installClicks, leaveClicks;
    };
    const Case cases[] = {
        {"capital", [](KeysForm&) {}, L'T', true, 1, 0},
        {"small letter", [](KeysForm&) {}, L'k', true, 0, 1},
        {"no button's key", [](KeysForm&) {}, L'M', false, 0, 0},
        {"disabled", [](KeysForm& f) { EnableWindow(f.install, FALSE); }, L't', false, 0, 0},
        {"hidden", [](KeysForm& f) { ShowWindow(f.leave, SW_HIDE); }, L'k', false, 0, 0},
    };
    for (const Case& c : cases) {
        CAPTURE(c.what);
        EnableWindow(form.install, TRUE);
        ShowWindow(form.leave, SW_SHOW);
        form.installClicks = form.leaveClicks = 0;
        c.prepare(form);
        CHECK((SendMessageW(form.Handle(), gui::kPressAccessKey, c.typed, 0) != 0) == c.pressed);
        CHECK(form.installClicks == c.installClicks);
        CHECK(form.leaveClicks == c.leaveClicks);
    }

    // From the loop: the key reaches the form from whichever of its windows
    // it was typed to, and a pressed key needs no more handling.
    form.installClicks = 0;
    MSG typed = AltCharacter(form.noKey, L't');
    CHECK(gui::HandleDialogMessage(typed));
    CHECK(form.installClicks == 1);
}

TEST_CASE("the access keys are underlined only once Alt is pressed") {
    gui::Application application;
    KeysForm form;
    for (HWND window : {form.Handle(), form.install, form.leave}) CHECK(CuesHidden(window));

    MSG alt{form.noKey, WM_SYSKEYDOWN, VK_MENU, static_cast<LPARAM>(KF_ALTDOWN) << 16, 0, {}};
    gui::HandleDialogMessage(alt);
    for (HWND window : {form.Handle(), form.install, form.leave}) CHECK_FALSE(CuesHidden(window));
}
