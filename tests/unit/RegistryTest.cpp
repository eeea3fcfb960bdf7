#include "support/Registry.h"
#include "win/Error.h"

#include <doctest.h>

#include <string>

namespace {

// A scratch key under HKCU, removed again whatever the test does.
struct ScratchKey {
    const std::wstring path = L"Software\\KORdexTest\\Registry";
    HKEY key = nullptr;
    ScratchKey() { RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr); }
    ~ScratchKey() {
        RegCloseKey(key);
        RegDeleteKeyW(HKEY_CURRENT_USER, path.c_str());
    }
    void Set(const wchar_t* name, DWORD type, const void* data, DWORD size) {
        RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
    }
    void SetText(const wchar_t* name, DWORD type, const std::wstring& text) {
        Set(name, type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
};

}  // namespace

TEST_CASE("text values are read as stored; missing keys and values read as empty text") {
    ScratchKey scratch;
    scratch.SetText(L"Plain", REG_SZ, L"Windows 7 Ultimate");
    scratch.SetText(L"Expandable", REG_EXPAND_SZ, L"%USERPROFILE%\\Documents");
    scratch.SetText(L"Empty", REG_SZ, L"");
    // Stored without its terminator, as some programs write values.
    scratch.Set(L"Unterminated", REG_SZ, L"C:", 2 * sizeof(wchar_t));

    const std::wstring key = L"\\" + scratch.path;
    CHECK(ReadRegistryText(HKEY_CURRENT_USER, key, L"Plain") == L"Windows 7 Ultimate");
    CHECK(ReadRegistryText(HKEY_CURRENT_USER, key, L"Expandable") == L"%USERPROFILE%\\Documents");
    CHECK(ReadRegistryText(HKEY_CURRENT_USER, key, L"Empty") == L"");
    CHECK(ReadRegistryText(HKEY_CURRENT_USER, key, L"Unterminated") == L"C:");
    CHECK(ReadRegistryText(HKEY_CURRENT_USER, scratch.path, L"Plain") == L"Windows 7 Ultimate");
    CHECK(ReadRegistryText(HKEY_CURRENT_USER, key, L"Missing") == L"");
    CHECK(ReadRegistryText(HKEY_CURRENT_USER, L"\\Software\\KORdexTest\\NoSuchKey", L"Plain") == L"");
}

TEST_CASE("a value of another kind than text raises the data type error naming the value") {
    ScratchKey scratch;
    const DWORD number = 7;
    scratch.Set(L"ProductName", REG_DWORD, &number, sizeof number);
    scratch.Set(L"Binary", REG_BINARY, "ab", 2);

    for (const wchar_t* name : {L"ProductName", L"Binary"}) {
        CAPTURE(name);
        try {
            ReadRegistryText(HKEY_CURRENT_USER, scratch.path, name);
            FAIL("no error raised");
        } catch (const win::Error& error) {
            CHECK(error.message() == std::wstring(L"Invalid data type for '") + name + L"'");
        }
    }
}
