// expect-* commands: each polls until the state holds or the timeout passes.

#include "commands.h"
#include "failure.h"
#include "probe.h"
#include "text.h"

#include <functional>

namespace {

// Reads one property as text; false with the reason in `value` when it cannot.
using Reader = std::function<bool(HWND, std::wstring& value)>;

void expectProperty(Context& ctx, const Arg& control, const std::wstring& what, const std::wstring& expected,
                    const Reader& read) {
    waitFor(ctx, what + L" of " + parseControlRef(control).describe() + L": " + expected, [&](std::wstring& found) {
        HWND hwnd = lookUp(ctx, control, found);
        if (!hwnd)
            return false;
        std::wstring value;
        bool ok = read(hwnd, value);
        found = value;
        return ok && value == expected;
    });
}

const wchar_t* const kNoAnswer = L"(the program did not answer)";

std::vector<std::wstring> splitLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (;;) {
        size_t end = text.find(L"\r\n", start);
        lines.push_back(text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
        if (end == std::wstring::npos)
            return lines;
        start = end + 2;
    }
}

std::wstring lineTable(const std::vector<std::wstring>& expected, const std::vector<std::wstring>& found) {
    std::wstring table = std::to_wstring(found.size()) + L" lines:";
    for (size_t i = 0; i < expected.size() || i < found.size(); ++i) {
        std::wstring number = std::to_wstring(i);
        number.insert(0, number.size() < 4 ? 4 - number.size() : 0, L' ');
        std::wstring e = i < expected.size() ? quote(expected[i]) : L"(no line)";
        std::wstring f = i < found.size() ? quote(found[i]) : L"(no line)";
        if (e == f)
            table += L"\n" + number + L"    " + f;
        else
            table += L"\n" + number + L" !  expected " + e + L"\n        found    " + f;
    }
    return table;
}

bool readStyle(HWND hwnd, int index, unsigned long mask, std::wstring& value) {
    value = toHex((unsigned long)GetWindowLongW(hwnd, index) & mask);
    return true;
}

void expectStyle(Context& ctx, const Step& step, int index, const wchar_t* what) {
    unsigned long mask, expected;
    if (!parseHex(step.args[2].text, mask) || !parseHex(step.args[3].text, expected))
        fail(L"expected hexadecimal MASK and VALUE");
    expectProperty(ctx, step.args[1], what, toHex(expected & mask),
                   [&](HWND hwnd, std::wstring& v) { return readStyle(hwnd, index, mask, v); });
}

long number(const Arg& arg) {
    long long v;
    if (!parseInteger(arg.text, v))
        fail(L"expected a number, not " + quote(arg.text));
    return (long)v;
}

HWND focusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

}  // namespace

void cmdExpectCaption(Context& ctx, const Step& step) {
    const std::wstring expected = quote(step.args[1].text);
    waitFor(ctx, L"caption " + expected, [&](std::wstring& found) {
        HWND window = ctx.currentWindow();
        found = IsWindow(window) ? L"caption " + quote(windowText(window)) : L"the window no longer exists";
        return IsWindow(window) && windowText(window) == step.args[1].text;
    });
}

void cmdExpectText(Context& ctx, const Step& step) {
    expectProperty(ctx, step.args[1], L"text", quote(step.args[2].text), [&](HWND hwnd, std::wstring& v) {
        std::wstring text;
        if (!readText(hwnd, ctx.sendBudgetMs(), text)) {
            v = kNoAnswer;
            return false;
        }
        v = quote(text);
        return true;
    });
}

void cmdExpectLine(Context& ctx, const Step& step) {
    long index = number(step.args[2]);
    if (index < 0)
        fail(L"line numbers start at 0");
    expectProperty(ctx, step.args[1], L"line " + std::to_wstring(index), quote(step.args[3].text),
                   [&](HWND hwnd, std::wstring& v) {
                       std::wstring text;
                       if (!readText(hwnd, ctx.sendBudgetMs(), text)) {
                           v = kNoAnswer;
                           return false;
                       }
                       auto lines = splitLines(text);
                       v = (size_t)index < lines.size() ? quote(lines[index])
                                                        : L"(only " + std::to_wstring(lines.size()) + L" lines)";
                       return true;
                   });
}

void cmdExpectLines(Context& ctx, const Step& step) {
    std::vector<std::wstring> expected;
    for (const auto& a : step.block)
        expected.push_back(a.text);
    const Arg& control = step.args[1];
    waitFor(ctx, std::to_wstring(expected.size()) + L" lines of " + parseControlRef(control).describe() + L" as listed",
            [&](std::wstring& found) {
                HWND hwnd = lookUp(ctx, control, found);
                if (!hwnd)
                    return false;
                std::wstring text;
                if (!readText(hwnd, ctx.sendBudgetMs(), text)) {
                    found = kNoAnswer;
                    return false;
                }
                auto lines = splitLines(text);
                found = lineTable(expected, lines);
                return lines == expected;
            });
}

void cmdExpectEnabled(Context& ctx, const Step& step) {
    expectProperty(ctx, step.args[1], L"enabled", yesNo(step.args[2]) ? L"yes" : L"no", [](HWND hwnd, std::wstring& v) {
        v = IsWindowEnabled(hwnd) ? L"yes" : L"no";
        return true;
    });
}

void cmdExpectVisible(Context& ctx, const Step& step) {
    expectProperty(ctx, step.args[1], L"visible", yesNo(step.args[2]) ? L"yes" : L"no", [](HWND hwnd, std::wstring& v) {
        v = IsWindowVisible(hwnd) ? L"yes" : L"no";
        return true;
    });
}

void cmdExpectChecked(Context& ctx, const Step& step) {
    const std::wstring& want = step.args[2].text;
    if (want != L"yes" && want != L"no" && want != L"mixed")
        fail(L"expected yes, no or mixed, not " + quote(want));
    auto name = [](DWORD_PTR check) {
        return check == BST_CHECKED ? L"yes" : check == BST_INDETERMINATE ? L"mixed" : L"no";
    };
    // Screen readers' proxies read BM_GETSTATE, so both must tell the same.
    expectProperty(ctx, step.args[1], L"checked", want, [&](HWND hwnd, std::wstring& v) {
        DWORD_PTR check, state;
        if (!sendWithTimeout(hwnd, BM_GETCHECK, 0, 0, ctx.sendBudgetMs(), &check) ||
            !sendWithTimeout(hwnd, BM_GETSTATE, 0, 0, ctx.sendBudgetMs(), &state)) {
            v = kNoAnswer;
            return false;
        }
        v = name(check);
        if ((state & 3) != check)
            v += std::wstring(L" (but BM_GETSTATE says ") + name(state & 3) + L")";
        return true;
    });
}

void cmdExpectKeyboardCues(Context& ctx, const Step& step) {
    const std::wstring& want = step.args[2].text;
    if (want != L"shown" && want != L"hidden")
        fail(L"expected shown or hidden, not " + quote(want));
    expectProperty(ctx, step.args[1], L"keyboard cues", want, [&](HWND hwnd, std::wstring& v) {
        DWORD_PTR state;
        if (!sendWithTimeout(hwnd, WM_QUERYUISTATE, 0, 0, ctx.sendBudgetMs(), &state)) {
            v = kNoAnswer;
            return false;
        }
        v = (state & UISF_HIDEACCEL) ? L"hidden" : L"shown";
        return true;
    });
}

namespace {

// A control's yes or no answer to a message: nonzero is yes.
void expectAnswer(Context& ctx, const Step& step, const std::wstring& what, UINT message, LPARAM lParam) {
    const std::wstring& want = step.args[2].text;
    if (want != L"yes" && want != L"no")
        fail(L"expected yes or no, not " + quote(want));
    expectProperty(ctx, step.args[1], what, want, [&](HWND hwnd, std::wstring& v) {
        DWORD_PTR answer;
        if (!sendWithTimeout(hwnd, message, 0, lParam, ctx.sendBudgetMs(), &answer)) {
            v = kNoAnswer;
            return false;
        }
        v = answer ? L"yes" : L"no";
        return true;
    });
}

}  // namespace

// The picture buttons answer this registered message with their greyed flag.
void cmdExpectGreyed(Context& ctx, const Step& step) {
    static const UINT query = RegisterWindowMessageW(L"PictureButtonGreyed");
    expectAnswer(ctx, step, L"greyed", query, 0);
}

// What a logoff would meet: the answer to the end-of-session query that
// Windows sends each top-level window before it ends a session.
void cmdExpectEndSession(Context& ctx, const Step& step) {
    expectAnswer(ctx, step, L"end of session allowed", WM_QUERYENDSESSION, ENDSESSION_LOGOFF);
}

void cmdExpectFocus(Context& ctx, const Step& step) {
    const Arg& control = step.args[1];
    waitFor(ctx, L"focus on " + parseControlRef(control).describe(), [&](std::wstring& found) {
        HWND hwnd = lookUp(ctx, control, found);
        if (!hwnd)
            return false;
        HWND focus = focusOf(ctx.currentWindow());
        found = L"focus on " + describeWindow(focus);
        return focus == hwnd;
    });
}

void cmdExpectFocusWindow(Context& ctx, const Step&) {
    waitFor(ctx, L"focus on the window itself", [&](std::wstring& found) {
        HWND focus = focusOf(ctx.currentWindow());
        found = L"focus on " + describeWindow(focus);
        return focus == ctx.window;
    });
}

// A file another program makes once it is ready, e.g. holdfile's marker.
void cmdExpectFile(Context& ctx, const Step& step) {
    const std::wstring& path = step.args[1].text;
    waitFor(ctx, L"the file " + quote(path), [&](std::wstring& found) {
        found = L"no such file";
        return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    });
}

void cmdExpectStyle(Context& ctx, const Step& step) { expectStyle(ctx, step, GWL_STYLE, L"style"); }
void cmdExpectExStyle(Context& ctx, const Step& step) { expectStyle(ctx, step, GWL_EXSTYLE, L"extended style"); }

// Each of X Y W H may be "*": that part is not compared.
void cmdExpectRect(Context& ctx, const Step& step) {
    bool any[4];
    long want[4];
    for (int i = 0; i < 4; ++i) {
        any[i] = isAny(step.args[2 + i]);
        want[i] = any[i] ? 0 : number(step.args[2 + i]);
    }
    auto text = [any](const long (&parts)[4]) {
        std::wstring t;
        for (int i = 0; i < 4; ++i) t += (i ? L" " : L"") + (any[i] ? std::wstring(L"*") : std::to_wstring(parts[i]));
        return t;
    };
    expectProperty(ctx, step.args[1], L"rectangle (x y w h in its window's client area)", text(want),
                   [text](HWND hwnd, std::wstring& v) {
                       RECT r;
                       GetWindowRect(hwnd, &r);
                       MapWindowPoints(HWND_DESKTOP, GetAncestor(hwnd, GA_ROOT), reinterpret_cast<POINT*>(&r), 2);
                       const long parts[4] = {r.left, r.top, r.right - r.left, r.bottom - r.top};
                       v = text(parts);
                       return true;
                   });
}

void cmdExpectClient(Context& ctx, const Step& step) {
    std::wstring expected = std::to_wstring(number(step.args[1])) + L" " + std::to_wstring(number(step.args[2]));
    waitFor(ctx, L"client size " + expected, [&](std::wstring& found) {
        RECT r{};
        GetClientRect(ctx.currentWindow(), &r);
        found = L"client size " + std::to_wstring(r.right) + L" " + std::to_wstring(r.bottom);
        return found == L"client size " + expected;
    });
}

void cmdExpectWindowRect(Context& ctx, const Step& step) {
    std::wstring expected;
    for (int i = 1; i <= 4; ++i) expected += (i > 1 ? L" " : L"") + std::to_wstring(number(step.args[i]));
    waitFor(ctx, L"window rectangle " + expected, [&](std::wstring& found) {
        RECT r{};
        GetWindowRect(ctx.currentWindow(), &r);
        found = L"window rectangle " + std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " +
                std::to_wstring(r.right - r.left) + L" " + std::to_wstring(r.bottom - r.top);
        return found == L"window rectangle " + expected;
    });
}

void cmdExpectFont(Context& ctx, const Step& step) {
    const Arg &face = step.args[2], &height = step.args[3], &weight = step.args[4];
    long wantHeight = isAny(height) ? 0 : number(height), wantWeight = isAny(weight) ? 0 : number(weight);
    auto describe = [&](const std::wstring& f, long h, long w) {
        std::wstring d = isAny(face) ? L"any face" : quote(f);
        if (!isAny(height))
            d += L" height " + std::to_wstring(h);
        if (!isAny(weight))
            d += L" weight " + std::to_wstring(w);
        return d;
    };
    expectProperty(ctx, step.args[1], L"font", describe(face.text, wantHeight, wantWeight),
                   [&](HWND hwnd, std::wstring& v) {
                       ProbeReply reply{};
                       std::wstring error;
                       if (!probeWindow(hwnd, ProbeFont, ctx.sendBudgetMs(), reply, error)) {
                           v = L"(" + error + L")";
                           return false;
                       }
                       if (!reply.hasFont) {
                           v = L"(no font set: the system font)";
                           return true;
                       }
                       v = describe(reply.font.lfFaceName, reply.font.lfHeight, reply.font.lfWeight);
                       return true;
                   });
}
