#include "support/Registry.h"

#include "win/Error.h"
#include "win/Handles.h"

#include <vector>

std::wstring ReadRegistryText(HKEY hive, const std::wstring& keyPath, const std::wstring& name) {
    const std::wstring path = !keyPath.empty() && keyPath[0] == L'\\' ? keyPath.substr(1) : keyPath;
    win::RegKey key;
    if (RegOpenKeyExW(hive, path.c_str(), 0, KEY_READ, key.receive()) != ERROR_SUCCESS) return {};

    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
    if (type != REG_SZ && type != REG_EXPAND_SZ) throw win::Error(L"Invalid data type for '" + name + L"'");

    // Room for a terminator that the stored value may lack.
    std::vector<wchar_t> data(size / sizeof(wchar_t) + 1, L'\0');
    DWORD read = size;
    if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &read) !=
        ERROR_SUCCESS) {
        return {};
    }
    data[read / sizeof(wchar_t)] = L'\0';
    return std::wstring(data.data());
}
