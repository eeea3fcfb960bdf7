#pragma once
// The command language: each command is a function over the shared context.

#include "context.h"

using CommandFn = void (*)(Context&, const Step&);

struct Command {
    const wchar_t* name;
    const wchar_t* usage;  // arguments, for error messages
    int minArgs, maxArgs;  // not counting the name; -1: no limit
    bool takesBlock;       // lines up to `end` follow
    CommandFn run;
};

const Command* findCommand(const std::wstring& name);

// actions.cpp
void cmdTimeout(Context&, const Step&);
void cmdPoll(Context&, const Step&);
void cmdSettle(Context&, const Step&);
void cmdStopwatchStart(Context&, const Step&);
void cmdStopwatchPrint(Context&, const Step&);
void cmdStart(Context&, const Step&);
void cmdProgram(Context&, const Step&);
void cmdWindow(Context&, const Step&);
void cmdClick(Context&, const Step&);
void cmdSendClick(Context&, const Step&);
void cmdMouseClick(Context&, const Step&);
void cmdHover(Context&, const Step&);
void cmdHoverAway(Context&, const Step&);
void cmdMouseDown(Context&, const Step&);
void cmdMouseUp(Context&, const Step&);
void cmdSyncInput(Context&, const Step&);
void cmdKey(Context&, const Step&);
void cmdSetText(Context&, const Step&);
void cmdClose(Context&, const Step&);
void cmdSysCommand(Context&, const Step&);
void cmdShowOwnedPopups(Context&, const Step&);
void cmdSync(Context&, const Step&);
void cmdWaitExit(Context&, const Step&);
void cmdKill(Context&, const Step&);

// expectations.cpp
void cmdExpectCaption(Context&, const Step&);
void cmdExpectText(Context&, const Step&);
void cmdExpectLine(Context&, const Step&);
void cmdExpectLines(Context&, const Step&);
void cmdExpectEnabled(Context&, const Step&);
void cmdExpectVisible(Context&, const Step&);
void cmdExpectChecked(Context&, const Step&);
void cmdExpectGreyed(Context&, const Step&);
void cmdExpectKeyboardCues(Context&, const Step&);
void cmdExpectEndSession(Context&, const Step&);
void cmdExpectFocus(Context&, const Step&);
void cmdExpectFocusWindow(Context&, const Step&);
void cmdExpectStyle(Context&, const Step&);
void cmdExpectExStyle(Context&, const Step&);
void cmdExpectRect(Context&, const Step&);
void cmdExpectClient(Context&, const Step&);
void cmdExpectWindowRect(Context&, const Step&);
void cmdExpectFont(Context&, const Step&);
void cmdExpectFile(Context&, const Step&);

// modules.cpp
void cmdExpectModule(Context&, const Step&);

// msgbox.cpp
void cmdMsgBox(Context&, const Step&);
void cmdNoMsgBox(Context&, const Step&);

// lists.cpp
void cmdChoose(Context&, const Step&);
void cmdDoubleClickItem(Context&, const Step&);
void cmdExpectItems(Context&, const Step&);
void cmdExpectSelection(Context&, const Step&);
void cmdExpectItemHeight(Context&, const Step&);

// accessible.cpp
void cmdExpectAccessible(Context&, const Step&);
void cmdDoDefaultAction(Context&, const Step&);

// shots.cpp
void cmdShot(Context&, const Step&);
void cmdShotScreen(Context&, const Step&);
