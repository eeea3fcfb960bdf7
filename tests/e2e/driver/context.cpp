#include "context.h"

#include "failure.h"
#include "text.h"

Program& Context::program() {
    if (programs.empty())
        fail(L"no program was started (use `start` first)");
    return *programs[current];
}

HWND Context::currentWindow() {
    if (!window)
        fail(L"no current window (use `window CAPTION` first)");
    return window;
}

DWORD Context::sendBudgetMs() const {
    // A floor, so the last try before the deadline still gets a real answer to report.
    const DWORD floor = timeoutMs < 250 ? timeoutMs : 250;
    DWORD left = waiting ? waiting->remaining() : timeoutMs;
    return left > floor ? left : floor;
}

std::wstring formatSeconds(DWORD ms) {
    wchar_t buf[32];
    swprintf(buf, 32, L"%.1f s", ms / 1000.0);
    return buf;
}

void waitFor(Context& ctx, const std::wstring& expected, const std::function<bool(std::wstring& found)>& check) {
    Deadline deadline(ctx.timeoutMs);
    // Restores the outer deadline however this wait ends.
    struct Scope {
        Context& ctx;
        const Deadline* outer;
        ~Scope() { ctx.waiting = outer; }
    } scope{ctx, ctx.waiting};
    ctx.waiting = &deadline;
    std::wstring found;
    for (;;) {
        bool exited = !ctx.programs.empty() && !ctx.program().running();
        if (check(found))
            return;
        if (exited)
            fail(L"expected: " + expected + L"\nfound:    " + found + L"\n(the program exited with code " +
                 std::to_wstring(ctx.program().exitCode()) + L")");
        if (deadline.passed())
            fail(L"expected: " + expected + L"\nfound:    " + found + L"\n(waited " + formatSeconds(deadline.elapsed()) +
                 L")");
        Sleep(ctx.pollMs);
    }
}

HWND lookUp(Context& ctx, const Arg& arg, std::wstring& found) {
    HWND root = ctx.currentWindow();
    ControlRef ref = parseControlRef(arg);
    if (!IsWindow(root)) {
        found = L"the window " + quote(ctx.windowCaption) + L" no longer exists";
        return nullptr;
    }
    HWND hwnd = findControl(root, ref);
    if (!hwnd)
        found = L"no " + ref.describe() + L" in the window " + quote(ctx.windowCaption);
    return hwnd;
}

HWND waitForControl(Context& ctx, const Arg& arg) {
    HWND hwnd = nullptr;
    waitFor(ctx, parseControlRef(arg).describe() + L" exists", [&](std::wstring& found) {
        hwnd = lookUp(ctx, arg, found);
        return hwnd != nullptr;
    });
    return hwnd;
}

bool yesNo(const Arg& arg) {
    if (arg.text == L"yes")
        return true;
    if (arg.text == L"no")
        return false;
    fail(L"expected yes or no, not " + quote(arg.text));
}
