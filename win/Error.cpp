#include "win/Error.h"

#include "win/Handles.h"

#include <cwctype>
#include <iterator>
#include <new>

namespace win {

std::wstring SystemErrorText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    LocalMemory owner(buffer);
    if (length == 0) return L"System error " + Decimal(code);
    std::wstring text(buffer, length);
    while (!text.empty() && (std::iswspace(text.back()) || text.back() == L'.')) text.pop_back();
    return text;
}

std::wstring Decimal(unsigned long long value) {
    wchar_t digits[20];  // 2^64 - 1 has 20 digits
    wchar_t* first = std::end(digits);
    do {
        *--first = static_cast<wchar_t>(L'0' + value % 10);
        value /= 10;
    } while (value);
    return std::wstring(first, std::end(digits));
}

void ThrowLastError(const std::wstring& what) {
    const DWORD code = GetLastError();
    throw Error(what + L": " + SystemErrorText(code));
}

namespace {

// The standard library's messages are in the ANSI code page.
std::wstring FromAnsi(const char* text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 1) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

}  // namespace

std::wstring CurrentExceptionMessage() {
    try {
        throw;
    } catch (const Error& error) {
        return error.message();
    } catch (const std::bad_alloc&) {
        return L"Out of memory";
    } catch (const std::exception& error) {
        return FromAnsi(error.what());
    } catch (...) {
        return L"Unknown error";
    }
}

}  // namespace win
