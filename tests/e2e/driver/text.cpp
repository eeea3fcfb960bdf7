#include "text.h"

#include <windows.h>

#include <cwchar>

std::wstring fromUtf8(const std::string& bytes) {
    if (bytes.empty())
        return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), (int)bytes.size(), nullptr, 0);
    std::wstring text(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), (int)bytes.size(), &text[0], n);
    return text;
}

std::string toUtf8(const std::wstring& text) {
    if (text.empty())
        return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), (int)text.size(), nullptr, 0, nullptr, nullptr);
    std::string bytes(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), (int)text.size(), &bytes[0], n, nullptr, nullptr);
    return bytes;
}

std::wstring quote(const std::wstring& text) {
    std::wstring out = L"\"";
    for (wchar_t c : text) {
        switch (c) {
        case L'"': out += L"\\\""; break;
        case L'\\': out += L"\\\\"; break;
        case L'\n': out += L"\\n"; break;
        case L'\r': out += L"\\r"; break;
        case L'\t': out += L"\\t"; break;
        default:
            if (c < 0x20) {
                wchar_t buf[8];
                swprintf(buf, 8, L"\\x%02x", (unsigned)c);
                out += buf;
            } else {
                out += c;
            }
        }
    }
    return out + L"\"";
}

static bool parseDigits(const std::wstring& text, size_t start, int base, unsigned long long& value) {
    if (start >= text.size())
        return false;
    value = 0;
    for (size_t i = start; i < text.size(); ++i) {
        wchar_t c = text[i];
        int digit;
        if (c >= L'0' && c <= L'9')
            digit = c - L'0';
        else if (base == 16 && c >= L'a' && c <= L'f')
            digit = c - L'a' + 10;
        else if (base == 16 && c >= L'A' && c <= L'F')
            digit = c - L'A' + 10;
        else
            return false;
        value = value * base + digit;
        if (value > 0xFFFFFFFFull)
            return false;
    }
    return true;
}

static bool hasHexPrefix(const std::wstring& text, size_t at) {
    return text.size() > at + 1 && text[at] == L'0' && (text[at + 1] == L'x' || text[at + 1] == L'X');
}

bool parseInteger(const std::wstring& text, long long& value) {
    size_t at = 0;
    bool negative = !text.empty() && text[0] == L'-';
    if (negative)
        at = 1;
    unsigned long long magnitude;
    bool ok = hasHexPrefix(text, at) ? parseDigits(text, at + 2, 16, magnitude) : parseDigits(text, at, 10, magnitude);
    if (!ok)
        return false;
    value = negative ? -(long long)magnitude : (long long)magnitude;
    return true;
}

bool parseHex(const std::wstring& text, unsigned long& value) {
    unsigned long long v;
    if (!parseDigits(text, hasHexPrefix(text, 0) ? 2 : 0, 16, v))
        return false;
    value = (unsigned long)v;
    return true;
}

std::wstring toHex(unsigned long value) {
    wchar_t buf[16];
    swprintf(buf, 16, L"0x%08lX", value);
    return buf;
}

static void writeLine(DWORD which, const std::wstring& line) {
    HANDLE out = GetStdHandle(which);
    if (!out || out == INVALID_HANDLE_VALUE)
        return;
    std::wstring text = line + L"\r\n";
    DWORD mode, written;
    if (GetConsoleMode(out, &mode)) {
        WriteConsoleW(out, text.data(), (DWORD)text.size(), &written, nullptr);
    } else {
        // Pipes and files get UTF-8 and Unix line ends, as logs on the host expect.
        std::string bytes = toUtf8(line + L"\n");
        WriteFile(out, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
    }
}

void printOut(const std::wstring& line) { writeLine(STD_OUTPUT_HANDLE, line); }
void printErr(const std::wstring& line) { writeLine(STD_ERROR_HANDLE, line); }

std::wstring hostPath(const std::wstring& path) {
    if (path.empty() || path[0] != L'/')
        return path;
    using ToDos = WCHAR*(CDECL*)(const char*);
    auto toDos = (ToDos)(void*)GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name");
    if (!toDos)
        return path;  // not under Wine: leave it to the system
    WCHAR* dos = toDos(toUtf8(path).c_str());
    if (!dos)
        return path;
    std::wstring result = dos;
    HeapFree(GetProcessHeap(), 0, dos);
    return result;
}
