// What a screen reader learns of a control: its accessible object, asked for
// with AccessibleObjectFromWindow from this process, as a screen reader does.

#include "commands.h"
#include "failure.h"
#include "handles.h"
#include "text.h"

#include <oleacc.h>

namespace {

struct Named {
    const wchar_t* name;
    LONG value;
};

const Named kRoles[] = {
    {L"window", ROLE_SYSTEM_WINDOW},   {L"client", ROLE_SYSTEM_CLIENT},           {L"grouping", ROLE_SYSTEM_GROUPING},
    {L"list", ROLE_SYSTEM_LIST},       {L"statictext", ROLE_SYSTEM_STATICTEXT},   {L"text", ROLE_SYSTEM_TEXT},
    {L"pushbutton", ROLE_SYSTEM_PUSHBUTTON}, {L"checkbutton", ROLE_SYSTEM_CHECKBUTTON}, {L"combobox", ROLE_SYSTEM_COMBOBOX},
};

const Named kStates[] = {
    {L"unavailable", STATE_SYSTEM_UNAVAILABLE}, {L"selected", STATE_SYSTEM_SELECTED},
    {L"focused", STATE_SYSTEM_FOCUSED},         {L"pressed", STATE_SYSTEM_PRESSED},
    {L"checked", STATE_SYSTEM_CHECKED},         {L"mixed", STATE_SYSTEM_MIXED},
    {L"readonly", STATE_SYSTEM_READONLY},       {L"hottracked", STATE_SYSTEM_HOTTRACKED},
    {L"default", STATE_SYSTEM_DEFAULT},         {L"invisible", STATE_SYSTEM_INVISIBLE},
    {L"offscreen", STATE_SYSTEM_OFFSCREEN},     {L"focusable", STATE_SYSTEM_FOCUSABLE},
};

std::wstring roleName(LONG role) {
    for (const Named& r : kRoles)
        if (r.value == role)
            return r.name;
    return toHex((unsigned long)role);
}

// The state's flags by name, joined with commas; "none" for none.
std::wstring stateNames(LONG state) {
    std::wstring names;
    for (const Named& s : kStates)
        if (state & s.value) {
            names += (names.empty() ? L"" : L",") + std::wstring(s.name);
            state &= ~s.value;
        }
    if (state)
        names += (names.empty() ? L"" : L",") + toHex((unsigned long)state);
    return names.empty() ? L"none" : names;
}

VARIANT self() {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = CHILDID_SELF;
    return v;
}

std::wstring hresult(HRESULT hr) { return L"0x" + toHex((unsigned long)hr); }

bool accessibleOf(HWND hwnd, win::ComPtr<IAccessible>& object, std::wstring& why) {
    HRESULT hr = AccessibleObjectFromWindow(hwnd, OBJID_CLIENT, IID_IAccessible, object.receive());
    if (SUCCEEDED(hr) && object)
        return true;
    why = L"(no accessible object: " + hresult(hr) + L")";
    return false;
}

std::wstring takeText(BSTR text) {
    std::wstring taken = text ? quote(text) : L"-";
    SysFreeString(text);
    return taken;
}

// Reads one property as the script writes it.
bool readProperty(IAccessible* object, const std::wstring& property, std::wstring& value) {
    VARIANT number;
    BSTR text = nullptr;
    HRESULT hr;
    if (property == L"role" || property == L"state") {
        hr = property == L"role" ? object->get_accRole(self(), &number) : object->get_accState(self(), &number);
        if (FAILED(hr) || number.vt != VT_I4) {
            value = L"(no " + property + L": " + hresult(hr) + L")";
            return false;
        }
        value = property == L"role" ? roleName(number.lVal) : stateNames(number.lVal);
        return true;
    }
    if (property == L"name")
        hr = object->get_accName(self(), &text);
    else if (property == L"shortcut")
        hr = object->get_accKeyboardShortcut(self(), &text);
    else
        hr = object->get_accDefaultAction(self(), &text);
    value = FAILED(hr) ? L"(no " + property + L": " + hresult(hr) + L")" : takeText(text);
    return SUCCEEDED(hr);
}

}  // namespace

// Text properties take a text, or a bare - for none.
void cmdExpectAccessible(Context& ctx, const Step& step) {
    const std::wstring& property = step.args[2].text;
    const Arg& want = step.args[3];
    std::wstring expected;
    if (property == L"role" || property == L"state")
        expected = want.text;
    else if (property == L"name" || property == L"shortcut" || property == L"default-action")
        expected = !want.quoted && want.text == L"-" ? L"-" : quote(want.text);
    else
        fail(L"expected role, name, state, shortcut or default-action, not " + quote(property));
    const Arg& control = step.args[1];
    waitFor(ctx, L"accessible " + property + L" of " + parseControlRef(control).describe() + L": " + expected,
            [&](std::wstring& found) {
                HWND hwnd = lookUp(ctx, control, found);
                if (!hwnd)
                    return false;
                win::ComPtr<IAccessible> object;
                if (!accessibleOf(hwnd, object, found))
                    return false;
                return readProperty(object.get(), property, found) && found == expected;
            });
}

// Does the default action once; with `refused`, expects the object to refuse it.
void cmdDoDefaultAction(Context& ctx, const Step& step) {
    const bool refused = step.args.size() > 2;
    if (refused && step.args[2].text != L"refused")
        fail(L"expected refused, not " + quote(step.args[2].text));
    HWND hwnd = waitForControl(ctx, step.args[1]);
    win::ComPtr<IAccessible> object;
    std::wstring why;
    if (!accessibleOf(hwnd, object, why))
        fail(why);
    const HRESULT hr = object->accDoDefaultAction(self());
    if (refused && SUCCEEDED(hr))
        fail(L"the default action was done, not refused");
    if (!refused && FAILED(hr))
        fail(L"the default action failed: " + hresult(hr));
}
