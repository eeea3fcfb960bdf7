#pragma once
// Scenario scripts: one command per line, arguments split at blanks,
// double quotes with escapes, ${NAME} variables.

#include <functional>
#include <map>
#include <string>
#include <vector>

struct Arg {
    std::wstring text;
    bool quoted = false;  // "#12" quoted is text, #12 bare is a control ID
};

struct Step {
    int line = 0;
    std::wstring source;     // the line as written, for the log
    std::vector<Arg> args;   // args[0] is the command name
    std::vector<Arg> block;  // lines up to `end`, for commands that take a block
};

struct ScriptError {
    int line;
    std::wstring message;
};

using Variables = std::map<std::wstring, std::wstring>;

// Reads a UTF-8 file (a BOM is skipped); throws ScriptError with line 0.
std::wstring readScriptFile(const std::wstring& path);

// Splits the script into steps; `takesBlock` names the commands whose
// following lines, up to a line `end`, are one argument each.
std::vector<Step> parseScript(const std::wstring& text, const Variables& variables,
                              const std::function<bool(const std::wstring&)>& takesBlock);
