// The speed buttons of a real form: pressed by their access keys, their keyboard
// cues, and the accessible object a screen reader gets for them, in process.
#include "FailingAllocations.h"
#include "gui/Application.h"
#include "gui/DialogKeys.h"
#include "gui/Form.h"
#include "gui/SpeedButton.h"
#include "win/Com.h"

#include <windows.h>
#include <oleacc.h>

#include <doctest.h>

#include <string>

namespace {

enum { idInstall = 101, idLeave, idNoKey };

class KeysForm : public gui::Form<KeysForm> {
public:
    KeysForm() {
        RegisterWindowObjectClass(L"KORdexKeysTestForm", nullptr, nullptr);
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
    static const gui::FormLayout kForm;
    static const gui::ControlLayout<KeysForm> kControls[3];
};

const gui::FormLayout KeysForm::kForm{L"KORdexKeysTestForm", L"Keys", 200, 100, WS_POPUP, 0, L"Tahoma", 8};
const gui::ControlLayout<KeysForm> KeysForm::kControls[3] = {
    {gui::Control(L"install", gui::ControlKind::SpeedButton, idInstall)
         .At(10, 10).Size(75, 25).Text(L"Telepítés").AccessKey(L'T'),
     &KeysForm::install, &KeysForm::installClick},
    {gui::Control(L"leave", gui::ControlKind::SpeedButton, idLeave)
         .At(90, 10).Size(75, 25).Text(L"Kilépés").AccessKey(L'K'),
     &KeysForm::leave, &KeysForm::leaveClick},
    {gui::Control(L"noKey", gui::ControlKind::SpeedButton, idNoKey).At(10, 50).Size(75, 25).Text(L"Mégsem"),
     &KeysForm::noKey, nullptr},
};

// A character typed with Alt, as TranslateMessage makes it for a window.
MSG AltCharacter(HWND window, wchar_t typed) {
    return MSG{window, WM_SYSCHAR, typed, static_cast<LPARAM>(KF_ALTDOWN) << 16, 0, {}};
}

bool CuesHidden(HWND window) { return (SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) != 0; }

// Runs the messages posted so far, as the program's loop would.
void RunPosted() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

std::wstring Take(BSTR text) {
    std::wstring taken = text ? text : L"(none)";
    SysFreeString(text);
    return taken;
}

VARIANT Self() {
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

// A speed button's own procedure, but for the length of its caption, given
// as one no string can hold.
LRESULT CALLBACK BeyondAnyLength(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDCLASSEXW speedButton{sizeof speedButton};
    GetClassInfoExW(GetModuleHandleW(nullptr), gui::kSpeedButtonClass, &speedButton);
    if (message == WM_GETTEXTLENGTH) return -2;
    return CallWindowProcW(speedButton.lpfnWndProc, window, message, wParam, lParam);
}

struct Accessible {
    explicit Accessible(HWND window) {
        REQUIRE(SUCCEEDED(AccessibleObjectFromWindow(window, OBJID_CLIENT, IID_IAccessible,
                                                     reinterpret_cast<void**>(&object))));
    }
    ~Accessible() { object->Release(); }
    LONG Number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)) const {
        VARIANT value;
        REQUIRE((object->*get)(Self(), &value) == S_OK);
        REQUIRE(value.vt == VT_I4);
        return value.lVal;
    }
    std::wstring Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) const {
        BSTR text = nullptr;
        (object->*get)(Self(), &text);
        return Take(text);
    }
    IAccessible* object = nullptr;
};

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
        CAPTURE(std::string(c.what));
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

TEST_CASE("a screen reader finds a speed button as a push button with its caption, state, key and action") {
    gui::Application application;
    // The message loop starts COM, before it hands a screen reader's question on.
    win::ComApartment com;
    KeysForm form;
    ShowWindow(form.Handle(), SW_SHOWNA);
    {
        const Accessible install(form.install);
        CHECK(install.Number(&IAccessible::get_accRole) == ROLE_SYSTEM_PUSHBUTTON);
        CHECK(install.Text(&IAccessible::get_accName) == L"Telepítés");
        CHECK(install.Number(&IAccessible::get_accState) == 0);
        CHECK(install.Text(&IAccessible::get_accKeyboardShortcut) == L"Alt+T");
        CHECK(install.Text(&IAccessible::get_accDefaultAction) == L"press");

        // The default action is the click, run by the program's loop.
        CHECK(install.object->accDoDefaultAction(Self()) == S_OK);
        CHECK(form.installClicks == 0);
        RunPosted();
        CHECK(form.installClicks == 1);

        // While a box keeps the form from taking input, the press would be
        // dropped: unavailable, and the action fails.
        EnableWindow(form.Handle(), FALSE);
        CHECK(install.Number(&IAccessible::get_accState) == STATE_SYSTEM_UNAVAILABLE);
        CHECK(install.object->accDoDefaultAction(Self()) == DISP_E_MEMBERNOTFOUND);
        RunPosted();
        CHECK(form.installClicks == 1);
        EnableWindow(form.Handle(), TRUE);
        CHECK(install.Number(&IAccessible::get_accState) == 0);

        // The same object follows the button.
        EnableWindow(form.install, FALSE);
        CHECK(install.Number(&IAccessible::get_accState) == STATE_SYSTEM_UNAVAILABLE);
        CHECK(install.object->accDoDefaultAction(Self()) == DISP_E_MEMBERNOTFOUND);
        ShowWindow(form.install, SW_HIDE);
        CHECK(install.Number(&IAccessible::get_accState) == (STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_INVISIBLE));
        RunPosted();
        CHECK(form.installClicks == 1);
    }
    const Accessible noKey(form.noKey);
    CHECK(noKey.Text(&IAccessible::get_accName) == L"Mégsem");
    CHECK(noKey.Text(&IAccessible::get_accKeyboardShortcut) == L"(none)");
    VARIANT child;
    child.vt = VT_I4;
    child.lVal = 1;
    VARIANT role;
    CHECK(noKey.object->get_accRole(child, &role) == E_INVALIDARG);
}

TEST_CASE("an error inside a speed button's accessible object reaches the screen reader as a failure code") {
    gui::Application application;
    win::ComApartment com;
    KeysForm form;
    const Accessible install(form.install);
    struct Case {
        const char* what;
        HRESULT (*ask)(IAccessible* object, HWND button);
        HRESULT answer;
    };
    const Case cases[] = {
        {"memory runs out while the caption is copied",
         [](IAccessible* object, HWND) {
             BSTR name = nullptr;
             const FailingAllocations failing;
             return object->get_accName(Self(), &name);
         },
         E_OUTOFMEMORY},
        {"the library refuses a string of the caption's length",
         [](IAccessible* object, HWND button) {
             const LONG_PTR own = SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BeyondAnyLength));
             BSTR name = nullptr;
             const HRESULT answer = object->get_accName(Self(), &name);
             SetWindowLongPtrW(button, GWLP_WNDPROC, own);
             return answer;
         },
         E_FAIL},
    };
    for (const Case& c : cases) {
        CAPTURE(std::string(c.what));
        CHECK(c.ask(install.object, form.install) == c.answer);
    }
}
