// driver.exe SCRIPT [NAME=VALUE...]: runs an end-to-end scenario against a
// Windows program; exits 0 when every step held, 1 otherwise.

#include "commands.h"
#include "failure.h"
#include "handles.h"
#include "text.h"

#include <exception>

namespace {

std::wstring location(const std::wstring& script, int line) {
    return line > 0 ? script + L":" + std::to_wstring(line) : script;
}

// Checks every command name and argument count before anything runs.
void validate(const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        const Command* command = findCommand(step.args[0].text);
        if (!command)
            throw ScriptError{step.line, L"unknown command " + quote(step.args[0].text)};
        int given = (int)step.args.size() - 1;
        if (given < command->minArgs || (command->maxArgs >= 0 && given > command->maxArgs))
            throw ScriptError{step.line, std::wstring(L"usage: ") + command->name + L" " + command->usage};
    }
}

void indentInto(std::wstring& out, const std::wstring& message) {
    size_t start = 0;
    for (;;) {
        size_t end = message.find(L'\n', start);
        out += L"\n  " + message.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
        if (end == std::wstring::npos)
            return;
        start = end + 1;
    }
}

// Leaves nothing running behind a test, whatever happened.
void endPrograms(Context& ctx) {
    for (auto& program : ctx.programs)
        if (program->running()) {
            printOut(L"(ending the program " + std::to_wstring(program->id()) + L", still running)");
            program->terminate();
        }
}

int run(const std::wstring& script, const std::vector<Step>& steps) {
    win::ComApartment com;  // for the accessible objects
    Context ctx;
    for (const Step& step : steps) {
        printOut(location(script, step.line) + L": " + step.source);
        try {
            findCommand(step.args[0].text)->run(ctx, step);
        } catch (const Failure& f) {
            std::wstring report = L"FAIL " + location(script, step.line) + L": " + step.source;
            indentInto(report, f.message);
            printErr(report);
            endPrograms(ctx);
            return 1;
        }
    }
    endPrograms(ctx);
    printOut(L"PASS " + script + L" (" + std::to_wstring(steps.size()) + L" commands)");
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        printErr(L"usage: driver SCRIPT [NAME=VALUE...]");
        return 1;
    }
    const std::wstring script = argv[1];
    Variables variables;
    for (int i = 2; i < argc; ++i) {
        std::wstring a = argv[i];
        size_t eq = a.find(L'=');
        if (eq == std::wstring::npos || eq == 0) {
            printErr(L"expected NAME=VALUE, not " + quote(a));
            return 1;
        }
        variables[a.substr(0, eq)] = a.substr(eq + 1);
    }
    try {
        auto takesBlock = [](const std::wstring& name) {
            const Command* c = findCommand(name);
            return c && c->takesBlock;
        };
        std::vector<Step> steps = parseScript(readScriptFile(hostPath(script)), variables, takesBlock);
        validate(steps);
        return run(script, steps);
    } catch (const ScriptError& e) {
        printErr(L"FAIL " + location(script, e.line) + L": " + e.message);
    } catch (const std::exception& e) {
        printErr(L"FAIL " + script + L": " + fromUtf8(e.what()));
    }
    return 1;
}
