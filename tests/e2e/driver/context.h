#pragma once
// What the commands share while a script runs, and the bounded polling they use.

#include "script.h"
#include "target.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class Deadline;

struct Context {
    std::vector<std::unique_ptr<Program>> programs;
    size_t current = 0;                              // commands act on this one: the last started, or `program N`
    HWND window = nullptr;                           // set by `window`
    std::wstring windowCaption;
    DWORD timeoutMs = 10000;
    DWORD pollMs = 20;                               // set by `poll`
    const Deadline* waiting = nullptr;               // the running waitFor's deadline
    LARGE_INTEGER stopwatch{};                       // set by `stopwatch-start`

    Program& program();     // fails when nothing was started
    HWND currentWindow();   // fails when no `window` step came first
    // How long one message to the program may take: about what is left of the
    // running wait, so a hung program cannot stretch a step much past its timeout.
    DWORD sendBudgetMs() const;
};

class Deadline {
public:
    explicit Deadline(DWORD ms) : start_(GetTickCount()), ms_(ms) {}
    DWORD elapsed() const { return GetTickCount() - start_; }
    bool passed() const { return elapsed() >= ms_; }
    DWORD remaining() const { return passed() ? 0 : ms_ - elapsed(); }

private:
    DWORD start_, ms_;
};

// Polls `check` until it holds; otherwise fails after the timeout, or as soon as
// the program has exited, saying `expected` and the last `found`.
void waitFor(Context& ctx, const std::wstring& expected, const std::function<bool(std::wstring& found)>& check);

// Looks a control up under the current window; on a miss says so in `found`.
HWND lookUp(Context& ctx, const Arg& arg, std::wstring& found);

// Waits until the control exists.
HWND waitForControl(Context& ctx, const Arg& arg);

std::wstring formatSeconds(DWORD ms);

// A bare * stands for "anything".
inline bool isAny(const Arg& arg) { return !arg.quoted && arg.text == L"*"; }

// Reads a yes/no argument.
bool yesNo(const Arg& arg);
