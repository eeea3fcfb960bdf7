// Commands that start, steer and end the program under test.

#include "commands.h"
#include "failure.h"
#include "input.h"
#include "probe.h"
#include "text.h"

#include <cwchar>

namespace {

std::wstring captions(const std::vector<HWND>& windows) {
    if (windows.empty())
        return L"no visible window";
    std::wstring list = L"visible windows:";
    for (HWND w : windows)
        list += L" " + quote(windowText(w)) + L" (" + className(w) + L")";
    return list;
}

// Waits until the control exists and is shown, since real input needs a place on screen.
POINT visibleCentre(Context& ctx, const Arg& arg) {
    RECT r{};
    waitFor(ctx, parseControlRef(arg).describe() + L" visible", [&](std::wstring& found) {
        HWND hwnd = lookUp(ctx, arg, found);
        if (!hwnd)
            return false;
        if (!IsWindowVisible(hwnd)) {
            found = describeWindow(hwnd) + L" is hidden";
            return false;
        }
        return GetWindowRect(hwnd, &r) != 0;
    });
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void movePointerOrFail(Context& ctx, POINT to) {
    waitFor(ctx, L"the pointer at " + std::to_wstring(to.x) + L"," + std::to_wstring(to.y), [&](std::wstring& found) {
        if (movePointer(to))
            return true;
        POINT now{};
        GetCursorPos(&now);
        found = L"the pointer at " + std::to_wstring(now.x) + L"," + std::to_wstring(now.y);
        return false;
    });
}

// A modal box disables its owner; keys then go to the box, as they would for a
// user. (Wine answers GW_ENABLEDPOPUP with NULL; GetLastActivePopup works.)
HWND inputWindow(HWND window) {
    if (!IsWindowEnabled(window))
        if (HWND popup = GetLastActivePopup(window))
            return popup;
    return window;
}

void bringToForeground(Context& ctx) {
    HWND target = inputWindow(ctx.currentWindow());
    waitFor(ctx, describeWindow(target) + L" in the foreground", [&](std::wstring& found) {
        HWND now = GetForegroundWindow();
        if (now == target)
            return true;
        found = describeWindow(now) + L" in the foreground";
        SetForegroundWindow(target);
        return false;
    });
}

}  // namespace

void cmdTimeout(Context& ctx, const Step& step) {
    wchar_t* end = nullptr;
    double seconds = wcstod(step.args[1].text.c_str(), &end);
    if (end == step.args[1].text.c_str() || *end || seconds <= 0)
        fail(L"expected a positive number of seconds, not " + quote(step.args[1].text));
    ctx.timeoutMs = (DWORD)(seconds * 1000 + 0.5);
}

// For benchmarks: a shorter interval times what a wait sees more finely.
void cmdPoll(Context& ctx, const Step& step) {
    long long ms = 0;
    if (!parseInteger(step.args[1].text, ms) || ms < 1 || ms > 1000)
        fail(L"expected milliseconds from 1 to 1000, not " + quote(step.args[1].text));
    ctx.pollMs = static_cast<DWORD>(ms);
}

// For benchmarks only: lets what a program's end leaves to do (its windows'
// teardown on the X server, the Wine server's cleanup) finish before the next
// program is timed. Tests wait for events instead.
void cmdSettle(Context&, const Step& step) {
    long long ms = 0;
    if (!parseInteger(step.args[1].text, ms) || ms < 1 || ms > 5000)
        fail(L"expected milliseconds from 1 to 5000, not " + quote(step.args[1].text));
    Sleep(static_cast<DWORD>(ms));
}

void cmdStopwatchStart(Context& ctx, const Step&) { QueryPerformanceCounter(&ctx.stopwatch); }

// For benchmarks: the time since `stopwatch-start`, in milliseconds.
void cmdStopwatchPrint(Context& ctx, const Step& step) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    const double ms = 1000.0 * double(now.QuadPart - ctx.stopwatch.QuadPart) / double(frequency.QuadPart);
    printOut(step.args[1].text + L": " + std::to_wstring(static_cast<long long>(ms + 0.5)) + L" ms");
}

void cmdStart(Context& ctx, const Step& step) {
    std::vector<std::wstring> args;
    for (size_t i = 2; i < step.args.size(); ++i)
        args.push_back(step.args[i].text);
    ctx.programs.push_back(std::make_unique<Program>(step.args[1].text, args));
    ctx.current = ctx.programs.size() - 1;
    ctx.window = nullptr;
    ctx.windowCaption.clear();
}

void cmdProgram(Context& ctx, const Step& step) {
    long long number;
    if (!parseInteger(step.args[1].text, number) || number < 1 || (size_t)number > ctx.programs.size())
        fail(L"expected the number of a started program (1 to " + std::to_wstring(ctx.programs.size()) + L"), not " +
             quote(step.args[1].text));
    ctx.current = (size_t)number - 1;
    ctx.window = nullptr;
    ctx.windowCaption.clear();
}

void cmdWindow(Context& ctx, const Step& step) {
    const std::wstring& caption = step.args[1].text;
    DWORD pid = ctx.program().id();
    HWND found = nullptr;
    waitFor(ctx, L"a visible window " + quote(caption), [&](std::wstring& seen) {
        auto windows = visibleTopLevelWindows(pid);
        for (HWND w : windows)
            if (windowText(w) == caption) {
                found = w;
                return true;
            }
        seen = captions(windows);
        return false;
    });
    ctx.window = found;
    ctx.windowCaption = caption;
}

void cmdClick(Context& ctx, const Step& step) {
    // Posted: a click that opens a modal box would block a sent message until the box closes.
    PostMessageW(waitForControl(ctx, step.args[1]), BM_CLICK, 0, 0);
}

void cmdSendClick(Context& ctx, const Step& step) {
    // Answered only once the program has handled the click: not while a box it opened is open.
    const HWND control = waitForControl(ctx, step.args[1]);
    if (!sendWithTimeout(control, BM_CLICK, 0, 0, ctx.sendBudgetMs()))
        fail(L"the program did not answer the click on " + describeWindow(control) + L" within the timeout");
}

void cmdMouseClick(Context& ctx, const Step& step) {
    movePointerOrFail(ctx, visibleCentre(ctx, step.args[1]));
    clickLeft();
}

void cmdHover(Context& ctx, const Step& step) { movePointerOrFail(ctx, visibleCentre(ctx, step.args[1])); }

void cmdMouseDown(Context& ctx, const Step& step) {
    movePointerOrFail(ctx, visibleCentre(ctx, step.args[1]));
    pressLeft(true);
}

void cmdMouseUp(Context&, const Step&) { pressLeft(false); }

void cmdSyncInput(Context& ctx, const Step&) {
    HWND window = ctx.currentWindow();
    waitFor(ctx, L"the real input sent so far handled by " + describeWindow(window), [&](std::wstring& found) {
        ProbeReply reply{};
        if (!probeWindow(window, ProbeInput, ctx.sendBudgetMs(), reply, found))
            return false;
        found = L"input still queued";
        return !reply.inputPending;
    });
}

void cmdHoverAway(Context& ctx, const Step&) {
    RECT window{};
    GetWindowRect(ctx.currentWindow(), &window);
    int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    const POINT corners[] = {{1, 1}, {w - 2, 1}, {1, h - 2}, {w - 2, h - 2}};
    for (POINT p : corners)
        if (!PtInRect(&window, p)) {
            movePointerOrFail(ctx, p);
            return;
        }
    fail(L"the window covers the whole screen; there is no place outside it");
}

void cmdKey(Context& ctx, const Step& step) {
    std::vector<std::vector<WORD>> chords;
    for (size_t i = 1; i < step.args.size(); ++i) {
        std::vector<WORD> keys;
        if (!parseChord(step.args[i].text, keys))
            fail(L"unknown key " + quote(step.args[i].text));
        chords.push_back(keys);
    }
    bringToForeground(ctx);
    for (const auto& keys : chords)
        sendChord(keys);
}

void cmdSetText(Context& ctx, const Step& step) {
    HWND hwnd = waitForControl(ctx, step.args[1]);
    if (!sendWithTimeout(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(step.args[2].text.c_str()), ctx.sendBudgetMs()))
        fail(L"the program did not take WM_SETTEXT for " + describeWindow(hwnd));
}

void cmdClose(Context& ctx, const Step&) { PostMessageW(ctx.currentWindow(), WM_CLOSE, 0, 0); }

// What Windows does to a window's owned windows when it is minimised and
// restored (Wine does not, for windows without a window manager).
void cmdShowOwnedPopups(Context& ctx, const Step& step) {
    ShowOwnedPopups(ctx.currentWindow(), step.args[1].text == L"yes");
}

void cmdSysCommand(Context& ctx, const Step& step) {
    static const struct {
        const wchar_t* name;
        WPARAM code;
    } kCodes[] = {{L"SC_CLOSE", SC_CLOSE}, {L"SC_MINIMIZE", SC_MINIMIZE}, {L"SC_MAXIMIZE", SC_MAXIMIZE},
                  {L"SC_RESTORE", SC_RESTORE}};
    for (const auto& c : kCodes)
        if (step.args[1].text == c.name) {
            PostMessageW(ctx.currentWindow(), WM_SYSCOMMAND, c.code, 0);
            return;
        }
    fail(L"unknown system command " + quote(step.args[1].text));
}

void cmdSync(Context& ctx, const Step&) {
    HWND window = ctx.currentWindow();
    if (!sendWithTimeout(window, WM_NULL, 0, 0, ctx.sendBudgetMs()))
        fail(L"the window " + quote(ctx.windowCaption) + L" did not answer within the timeout");
}

void cmdWaitExit(Context& ctx, const Step& step) {
    // "*": any exit code, for a program ended from outside.
    const bool anyCode = step.args[1].text == L"*";
    long long expected = 0;
    if (!anyCode && !parseInteger(step.args[1].text, expected))
        fail(L"expected an exit code or *, not " + quote(step.args[1].text));
    Program& program = ctx.program();
    if (WaitForSingleObject(program.handle(), ctx.sendBudgetMs()) != WAIT_OBJECT_0)
        fail(L"expected: the program exits" + (anyCode ? std::wstring() : L" with code " + std::to_wstring(expected)) +
             L"\nfound:    still running after " + formatSeconds(ctx.sendBudgetMs()));
    if (anyCode)
        return;
    DWORD code = program.exitCode();
    if (code != (DWORD)expected)
        fail(L"expected: exit code " + std::to_wstring(expected) + L"\nfound:    exit code " +
             std::to_wstring((long)code) + L" (" + toHex(code) + L")");
}

void cmdKill(Context& ctx, const Step&) { ctx.program().terminate(); }
