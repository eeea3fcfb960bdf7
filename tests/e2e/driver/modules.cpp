// expect-module: which file a DLL of the program was loaded from. Common
// controls 6 come from the side-by-side store (winsxs), the old ones from
// the system folder: a manifest that asks for the wrong processor's
// version 6 falls back to the old ones without a word.

#include "commands.h"
#include "failure.h"

#include <tlhelp32.h>

#include <algorithm>
#include <cwctype>

namespace {

std::wstring lowerCase(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return std::towlower(c); });
    return text;
}

// The path of the program's module NAME, or a reason in `found`.
bool modulePath(DWORD process, const std::wstring& name, std::wstring& found) {
    UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, process));
    if (!snapshot) {
        found = L"(the program's modules could not be listed)";
        return false;
    }
    MODULEENTRY32W module{};
    module.dwSize = sizeof module;
    for (BOOL more = Module32FirstW(snapshot.get(), &module); more; more = Module32NextW(snapshot.get(), &module)) {
        if (lowerCase(module.szModule) == lowerCase(name)) {
            found = module.szExePath;
            return true;
        }
    }
    found = L"(" + name + L" not loaded)";
    return false;
}

}  // namespace

void cmdExpectModule(Context& ctx, const Step& step) {
    const std::wstring name = step.args[1].text, part = step.args[2].text;
    waitFor(ctx, name + L" loaded from a path containing \"" + part + L"\"", [&](std::wstring& found) {
        return modulePath(ctx.program().id(), name, found) &&
               lowerCase(found).find(lowerCase(part)) != std::wstring::npos;
    });
}
