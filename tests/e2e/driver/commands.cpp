#include "commands.h"

namespace {

const Command kCommands[] = {
    {L"timeout", L"SECONDS", 1, 1, false, cmdTimeout},
    {L"poll", L"MILLISECONDS", 1, 1, false, cmdPoll},
    {L"settle", L"MILLISECONDS", 1, 1, false, cmdSettle},
    {L"stopwatch-start", L"", 0, 0, false, cmdStopwatchStart},
    {L"stopwatch-print", L"LABEL", 1, 1, false, cmdStopwatchPrint},
    {L"start", L"PATH [ARGS...]", 1, -1, false, cmdStart},
    {L"program", L"N", 1, 1, false, cmdProgram},
    {L"window", L"CAPTION", 1, 1, false, cmdWindow},
    {L"click", L"CTRL", 1, 1, false, cmdClick},
    {L"send-click", L"CTRL", 1, 1, false, cmdSendClick},
    {L"mouse-click", L"CTRL", 1, 1, false, cmdMouseClick},
    {L"hover", L"CTRL", 1, 1, false, cmdHover},
    {L"hover-away", L"", 0, 0, false, cmdHoverAway},
    {L"mouse-down", L"CTRL", 1, 1, false, cmdMouseDown},
    {L"mouse-up", L"", 0, 0, false, cmdMouseUp},
    {L"sync-input", L"", 0, 0, false, cmdSyncInput},
    {L"key", L"KEY...", 1, -1, false, cmdKey},
    {L"settext", L"CTRL TEXT", 2, 2, false, cmdSetText},
    {L"close", L"", 0, 0, false, cmdClose},
    {L"syscommand", L"SC_CLOSE|SC_MINIMIZE|SC_MAXIMIZE|SC_RESTORE", 1, 1, false, cmdSysCommand},
    {L"show-owned-popups", L"yes|no", 1, 1, false, cmdShowOwnedPopups},
    {L"sync", L"", 0, 0, false, cmdSync},
    {L"wait-exit", L"CODE|*", 1, 1, false, cmdWaitExit},
    {L"kill", L"", 0, 0, false, cmdKill},
    {L"expect-caption", L"TEXT", 1, 1, false, cmdExpectCaption},
    {L"expect-text", L"CTRL TEXT", 2, 2, false, cmdExpectText},
    {L"expect-line", L"CTRL N TEXT", 3, 3, false, cmdExpectLine},
    {L"expect-lines", L"CTRL, then one line per argument, then `end`", 1, 1, true, cmdExpectLines},
    {L"expect-enabled", L"CTRL yes|no", 2, 2, false, cmdExpectEnabled},
    {L"expect-visible", L"CTRL yes|no", 2, 2, false, cmdExpectVisible},
    {L"expect-checked", L"CTRL yes|no|mixed", 2, 2, false, cmdExpectChecked},
    {L"expect-greyed", L"CTRL yes|no", 2, 2, false, cmdExpectGreyed},
    {L"expect-keyboard-cues", L"CTRL shown|hidden", 2, 2, false, cmdExpectKeyboardCues},
    {L"expect-end-session", L"CTRL yes|no", 2, 2, false, cmdExpectEndSession},
    {L"expect-focus", L"CTRL", 1, 1, false, cmdExpectFocus},
    {L"expect-focus-window", L"", 0, 0, false, cmdExpectFocusWindow},
    {L"expect-style", L"CTRL HEXMASK HEXVALUE", 3, 3, false, cmdExpectStyle},
    {L"expect-exstyle", L"CTRL HEXMASK HEXVALUE", 3, 3, false, cmdExpectExStyle},
    {L"expect-rect", L"CTRL X Y W H", 5, 5, false, cmdExpectRect},
    {L"expect-client", L"W H", 2, 2, false, cmdExpectClient},
    {L"expect-window-rect", L"X Y W H", 4, 4, false, cmdExpectWindowRect},
    {L"expect-font", L"CTRL FACE|* HEIGHT|* WEIGHT|*", 4, 4, false, cmdExpectFont},
    {L"expect-file", L"PATH", 1, 1, false, cmdExpectFile},
    {L"expect-module", L"NAME PATH-PART", 2, 2, false, cmdExpectModule},
    {L"msgbox", L"TITLE TEXT|* BUTTON|- [default=BUTTON] [icon=error|warning|question|info|none] [buttons=B,B...]", 3,
     6, false, cmdMsgBox},
    {L"no-msgbox", L"", 0, 0, false, cmdNoMsgBox},
    {L"choose", L"CTRL ITEM", 2, 2, false, cmdChoose},
    {L"double-click-item", L"CTRL ITEM", 2, 2, false, cmdDoubleClickItem},
    {L"expect-items", L"CTRL, then one item per argument, then `end`", 1, 1, true, cmdExpectItems},
    {L"expect-selection", L"CTRL ITEM|-", 2, 2, false, cmdExpectSelection},
    {L"expect-item-height", L"CTRL PIXELS", 2, 2, false, cmdExpectItemHeight},
    {L"expect-accessible", L"CTRL role|name|state|shortcut|default-action VALUE", 3, 3, false, cmdExpectAccessible},
    {L"do-default-action", L"CTRL [refused]", 1, 2, false, cmdDoDefaultAction},
    {L"shot", L"FILE [CTRL]", 1, 2, false, cmdShot},
    {L"shot-screen", L"FILE", 1, 1, false, cmdShotScreen},
};

}  // namespace

const Command* findCommand(const std::wstring& name) {
    for (const auto& c : kCommands)
        if (name == c.name)
            return &c;
    return nullptr;
}
