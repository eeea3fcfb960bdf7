#include "gui/Error.h"

#include "gui/Handles.h"

#include <cwctype>
#include <new>

namespace gui {

std::wstring SystemErrorText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    LocalMemory owner(buffer);
    if (length == 0) return L"System error " + std::to_wstring(code);
    std::wstring text(buffer, length);
    while (!text.empty() && std::iswspace(text.back())) text.pop_back();
    return text;
}

void ThrowLastError(const std::wstring& what) {
    const DWORD code = GetLastError();
    throw Error(what + L": " + SystemErrorText(code));
}

std::wstring CurrentExceptionMessage() {
    try {
        throw;
    } catch (const Error& error) {
        return error.message();
    } catch (const std::bad_alloc&) {
        return L"Out of memory";
    } catch (const std::exception& error) {
        const std::string narrow = error.what();
        return std::wstring(narrow.begin(), narrow.end());
    } catch (...) {
        return L"Unknown error";
    }
}

}  // namespace gui
