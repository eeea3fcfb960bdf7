// Commands on list boxes and combo boxes: their items, the selection, and
// choosing an item as a user's click does. Items are read with the
// standard messages (LB_GETTEXT, CB_GETLBTEXT), so an owner-drawn list
// needs LBS_HASSTRINGS.

#include "commands.h"
#include "failure.h"
#include "text.h"

namespace {

struct ListMessages {
    UINT count, textLength, text, getSelection, setSelection, itemHeight;
    WORD selectionChanged;
};
const ListMessages kListBox{LB_GETCOUNT,  LB_GETTEXTLEN,  LB_GETTEXT,      LB_GETCURSEL,
                            LB_SETCURSEL, LB_GETITEMHEIGHT, LBN_SELCHANGE};
const ListMessages kComboBox{CB_GETCOUNT,  CB_GETLBTEXTLEN,  CB_GETLBTEXT,    CB_GETCURSEL,
                             CB_SETCURSEL, CB_GETITEMHEIGHT, CBN_SELCHANGE};

const ListMessages* messagesOf(HWND hwnd) {
    const std::wstring name = className(hwnd);
    if (lstrcmpiW(name.c_str(), L"ListBox") == 0)
        return &kListBox;
    if (lstrcmpiW(name.c_str(), L"ComboBox") == 0)
        return &kComboBox;
    return nullptr;
}

struct Items {
    std::vector<std::wstring> texts;
    long selected = -1;
};

// False with the reason in `found` when the control is no list or did not answer.
bool readItems(Context& ctx, HWND hwnd, Items& items, std::wstring& found) {
    const ListMessages* m = messagesOf(hwnd);
    if (!m) {
        found = describeWindow(hwnd) + L" is neither a list box nor a combo box";
        return false;
    }
    DWORD_PTR count = 0, selected = 0;
    if (!sendWithTimeout(hwnd, m->count, 0, 0, ctx.sendBudgetMs(), &count) ||
        !sendWithTimeout(hwnd, m->getSelection, 0, 0, ctx.sendBudgetMs(), &selected)) {
        found = L"(the program did not answer)";
        return false;
    }
    items.texts.clear();
    items.selected = (long)selected;
    for (DWORD_PTR i = 0; i < count && (long)count >= 0; ++i) {
        DWORD_PTR length = 0;
        if (!sendWithTimeout(hwnd, m->textLength, i, 0, ctx.sendBudgetMs(), &length) || (long)length < 0) {
            found = L"(no text for item " + std::to_wstring(i) + L")";
            return false;
        }
        std::wstring text(length + 1, L'\0');
        DWORD_PTR copied = 0;
        if (!sendWithTimeout(hwnd, m->text, i, reinterpret_cast<LPARAM>(&text[0]), ctx.sendBudgetMs(), &copied)) {
            found = L"(the program did not answer)";
            return false;
        }
        text.resize(copied < length ? copied : length);
        items.texts.push_back(text);
    }
    return true;
}

std::wstring itemList(const std::vector<std::wstring>& texts) {
    std::wstring list = std::to_wstring(texts.size()) + L" items:";
    for (const auto& t : texts)
        list += L"\n        " + quote(t);
    return list;
}

// Waits for the item, selects it and tells the parent as a click would;
// answers the control.
HWND choose(Context& ctx, const Step& step, const ListMessages*& messages) {
    const std::wstring& wanted = step.args[2].text;
    HWND hwnd = nullptr;
    long index = -1;
    waitFor(ctx, L"an item " + quote(wanted) + L" in " + parseControlRef(step.args[1]).describe(),
            [&](std::wstring& found) {
                hwnd = lookUp(ctx, step.args[1], found);
                Items items;
                if (!hwnd || !readItems(ctx, hwnd, items, found))
                    return false;
                for (size_t i = 0; i < items.texts.size(); ++i)
                    if (items.texts[i] == wanted) {
                        index = (long)i;
                        return true;
                    }
                found = itemList(items.texts);
                return false;
            });
    messages = messagesOf(hwnd);
    if (!sendWithTimeout(hwnd, messages->setSelection, (WPARAM)index, 0, ctx.sendBudgetMs()))
        fail(L"the program did not take the selection for " + describeWindow(hwnd));
    // Posted: the program's answer to the change may open a modal box.
    PostMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), messages->selectionChanged),
                 reinterpret_cast<LPARAM>(hwnd));
    return hwnd;
}

}  // namespace

void cmdChoose(Context& ctx, const Step& step) {
    const ListMessages* messages = nullptr;
    choose(ctx, step, messages);
}

void cmdDoubleClickItem(Context& ctx, const Step& step) {
    const ListMessages* messages = nullptr;
    HWND hwnd = choose(ctx, step, messages);
    if (messages != &kListBox)
        fail(L"double-click-item works on list boxes only");
    PostMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(hwnd));
}

void cmdExpectItems(Context& ctx, const Step& step) {
    std::vector<std::wstring> expected;
    for (const auto& a : step.block)
        expected.push_back(a.text);
    waitFor(ctx, itemList(expected) + L"\n          in " + parseControlRef(step.args[1]).describe(),
            [&](std::wstring& found) {
                HWND hwnd = lookUp(ctx, step.args[1], found);
                Items items;
                if (!hwnd || !readItems(ctx, hwnd, items, found))
                    return false;
                found = itemList(items.texts);
                return items.texts == expected;
            });
}

// An unquoted "-" stands for "no item selected".
void cmdExpectSelection(Context& ctx, const Step& step) {
    const bool none = !step.args[2].quoted && step.args[2].text == L"-";
    const std::wstring expected = none ? L"no selection" : quote(step.args[2].text);
    waitFor(ctx, L"selection " + expected + L" in " + parseControlRef(step.args[1]).describe(),
            [&](std::wstring& found) {
                HWND hwnd = lookUp(ctx, step.args[1], found);
                Items items;
                if (!hwnd || !readItems(ctx, hwnd, items, found))
                    return false;
                const bool valid = items.selected >= 0 && (size_t)items.selected < items.texts.size();
                found = valid ? quote(items.texts[(size_t)items.selected]) : L"no selection";
                return found == expected;
            });
}

void cmdExpectItemHeight(Context& ctx, const Step& step) {
    long long expected;
    if (!parseInteger(step.args[2].text, expected))
        fail(L"expected a number of pixels, not " + quote(step.args[2].text));
    waitFor(ctx, L"item height " + std::to_wstring(expected), [&](std::wstring& found) {
        HWND hwnd = lookUp(ctx, step.args[1], found);
        if (!hwnd)
            return false;
        const ListMessages* m = messagesOf(hwnd);
        DWORD_PTR height = 0;
        if (!m || !sendWithTimeout(hwnd, m->itemHeight, 0, 0, ctx.sendBudgetMs(), &height)) {
            found = m ? L"(the program did not answer)" : describeWindow(hwnd) + L" is no list";
            return false;
        }
        found = L"item height " + std::to_wstring((long)height);
        return (long long)height == expected;
    });
}
