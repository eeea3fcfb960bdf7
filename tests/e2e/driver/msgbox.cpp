// Message boxes: check what one says and shows, then answer it.

#include "commands.h"
#include "failure.h"
#include "probe.h"
#include "text.h"

#include <algorithm>

namespace {

const struct {
    const wchar_t* name;
    int id;
} kButtons[] = {{L"ok", IDOK},         {L"cancel", IDCANCEL}, {L"abort", IDABORT},       {L"retry", IDRETRY},
                {L"ignore", IDIGNORE}, {L"yes", IDYES},       {L"no", IDNO},             {L"close", 8},
                {L"help", 9},          {L"tryagain", 10},     {L"continue", 11}};

int buttonId(const std::wstring& text) {
    for (const auto& b : kButtons)
        if (text == b.name)
            return b.id;
    long long id;
    if (!parseInteger(text, id))
        fail(L"expected a button ID or name (ok, cancel, yes, no, ...), not " + quote(text));
    return (int)id;
}

std::wstring buttonName(int id) {
    for (const auto& b : kButtons)
        if (id == b.id)
            return std::to_wstring(id) + L" (" + b.name + L")";
    return std::to_wstring(id);
}

std::wstring buttonList(const std::vector<int>& ids) {
    std::wstring list;
    for (int id : ids)
        list += (list.empty() ? L"" : L", ") + buttonName(id);
    return list.empty() ? L"none" : list;
}

const wchar_t* const kIconNames[] = {L"none", L"error", L"warning", L"question", L"info", L"other"};

struct Options {
    int defaultId = 0;  // 0: not checked
    std::wstring icon;
    bool checkButtons = false;
    std::vector<int> buttons;
};

Options parseOptions(const Step& step) {
    Options o;
    for (size_t i = 4; i < step.args.size(); ++i) {
        const std::wstring& a = step.args[i].text;
        size_t eq = a.find(L'=');
        std::wstring key = a.substr(0, eq), value = eq == std::wstring::npos ? L"" : a.substr(eq + 1);
        if (key == L"default" && !value.empty()) {
            o.defaultId = buttonId(value);
        } else if (key == L"icon" && std::count(std::begin(kIconNames), std::end(kIconNames) - 1, value)) {
            o.icon = value;
        } else if (key == L"buttons" && !value.empty()) {
            o.checkButtons = true;
            for (size_t start = 0; start <= value.size();) {
                size_t comma = std::min(value.find(L',', start), value.size());
                o.buttons.push_back(buttonId(value.substr(start, comma - start)));
                start = comma + 1;
            }
            std::sort(o.buttons.begin(), o.buttons.end());
        } else {
            fail(L"unknown option " + quote(a) + L" (default=BUTTON, icon=error|warning|question|info|none, "
                                                 L"buttons=B,B...)");
        }
    }
    return o;
}

std::vector<HWND> messageBoxes(DWORD pid) {
    std::vector<HWND> boxes;
    for (HWND w : visibleTopLevelWindows(pid))
        if (isMessageBox(w))
            boxes.push_back(w);
    return boxes;
}

std::vector<HWND> visibleButtons(HWND box) {
    std::vector<HWND> buttons;
    for (HWND c : descendants(box))
        if (IsWindowVisible(c) && lstrcmpiW(className(c).c_str(), L"Button") == 0)
            buttons.push_back(c);
    return buttons;
}

std::wstring iconOf(Context& ctx, HWND box) {
    for (HWND c : descendants(box)) {
        bool iconStatic = lstrcmpiW(className(c).c_str(), L"Static") == 0 &&
                          (GetWindowLongW(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
        if (!iconStatic || !IsWindowVisible(c))
            continue;
        ProbeReply reply{};
        std::wstring error;
        if (!probeWindow(c, ProbeIcon, ctx.sendBudgetMs(), reply, error))
            fail(L"cannot tell the icon: " + error);
        return kIconNames[reply.icon >= 0 && reply.icon <= IconOther ? reply.icon : (LONG)IconOther];
    }
    return L"none";
}

void expectSame(const std::wstring& what, const std::wstring& expected, const std::wstring& found) {
    if (expected != found)
        fail(L"expected: " + what + L" " + expected + L"\nfound:    " + what + L" " + found);
}

}  // namespace

void cmdMsgBox(Context& ctx, const Step& step) {
    const std::wstring& title = step.args[1].text;
    const Arg& text = step.args[2];
    // "-" leaves the box open, for answering it with keys.
    const bool press = step.args[3].text != L"-";
    int pressId = press ? buttonId(step.args[3].text) : 0;
    Options options = parseOptions(step);
    DWORD pid = ctx.program().id();

    HWND box = nullptr;
    waitFor(ctx, L"a message box " + quote(title), [&](std::wstring& found) {
        auto boxes = messageBoxes(pid);
        for (HWND b : boxes)
            if (windowText(b) == title) {
                box = b;
                return true;
            }
        found = L"message boxes:";
        for (HWND b : boxes)
            found += L" " + quote(windowText(b));
        if (boxes.empty())
            found = L"no message box";
        return false;
    });

    // MessageBox fills everything in before it shows the box, so no waiting from here.
    if (!isAny(text))
        expectSame(L"text", quote(text.text), quote(windowText(messageBoxText(box))));

    std::vector<int> ids;
    HWND pressButton = nullptr, defaultButton = nullptr;
    for (HWND b : visibleButtons(box)) {
        int id = GetDlgCtrlID(b) & 0xFFFF;
        ids.push_back(id);
        if (id == pressId)
            pressButton = b;
        // Wine's message box answers DM_GETDEFID with IDOK whatever it is; the style tells the truth.
        if ((GetWindowLongW(b, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            defaultButton = b;
    }
    std::sort(ids.begin(), ids.end());
    if (options.checkButtons)
        expectSame(L"buttons", buttonList(options.buttons), buttonList(ids));
    if (options.defaultId)
        expectSame(L"default button", buttonName(options.defaultId),
                   defaultButton ? buttonName(GetDlgCtrlID(defaultButton) & 0xFFFF) : L"none");
    if (!options.icon.empty())
        expectSame(L"icon", options.icon, iconOf(ctx, box));
    if (!press)
        return;
    if (!pressButton)
        fail(L"expected: a button " + buttonName(pressId) + L"\nfound:    buttons " + buttonList(ids));

    PostMessageW(pressButton, BM_CLICK, 0, 0);
    waitFor(ctx, L"the message box " + quote(title) + L" closes", [&](std::wstring& found) {
        found = L"it is still open";
        return !IsWindow(box) || !IsWindowVisible(box);
    });
}

void cmdNoMsgBox(Context& ctx, const Step&) {
    auto boxes = messageBoxes(ctx.program().id());
    if (!boxes.empty())
        fail(L"expected: no message box\nfound:    message box " + quote(windowText(boxes[0])) + L": " +
             quote(windowText(messageBoxText(boxes[0]))));
}
