#include "app/EnvironmentProbe.h"

#include "support/SearchInString.h"

bool IsSupportedSystem(const std::wstring& productName) {
    for (const wchar_t* mark : {L"XP", L"Vista", L"7"})
        if (SearchInString(mark, productName)) return true;
    return false;
}

std::wstring ExpandUserProfile(const std::wstring& value, const std::wstring& homeDrive,
                               const std::wstring& homePath) {
    static const std::wstring kVariable = L"%USERPROFILE%";
    const std::wstring profile = homeDrive + homePath;
    std::wstring expanded;
    size_t from = 0;
    for (;;) {
        const size_t rest = FindInString(kVariable, value.substr(from));
        if (rest == std::wstring::npos) break;
        expanded += value.substr(from, rest) + profile;
        from += rest + kVariable.size();
    }
    return expanded + value.substr(from);
}
