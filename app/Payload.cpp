#include "app/Payload.h"

#include "app/Folders.h"
#include "app/payload_checksums.h"
#include "gui/Error.h"
#include "gui/Handles.h"
#include "support/Crc32.h"

#include <windows.h>

#include <iterator>

const PayloadItem kKordexExe{1, L"kordex.exe"};
const PayloadItem kDatacore{2, L"datacore.kdx"};
const PayloadItem kLibeay32{3, L"libeay32.dll"};
const PayloadItem kSsleay32{4, L"ssleay32.dll"};
const PayloadItem kReleaseNotes{5, L"olvass_el.txt"};

namespace {

std::wstring TargetPath(const PayloadItem& item, const std::wstring& destination) {
    return destination + L"\\" + item.fileName;
}

// The system's text for an error, as the file-creation error shows it.
std::wstring ReasonText(DWORD code) {
    std::wstring text = gui::SystemErrorText(code);
    while (!text.empty() && (text.back() == L'.' || text.back() == L' ' || text.back() == L'\r' || text.back() == L'\n'))
        text.pop_back();
    return text;
}

struct ResourceData {
    const void* bytes;
    DWORD size;
};

// The item as the executable's image holds it: used in place, never copied.
ResourceData Locate(const PayloadItem& item) {
    const HMODULE self = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(self, MAKEINTRESOURCEW(item.id), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    HGLOBAL loaded = found ? LoadResource(self, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) throw gui::Error(L"Resource " + std::to_wstring(item.id) + L" not found");
    return {bytes, SizeofResource(self, found)};
}

}  // namespace

void WritePayloadItem(const PayloadItem& item, const std::wstring& destination) {
    const ResourceData data = Locate(item);
    // A damaged item must not be installed as if it were the application.
    if (item.id < 1 || item.id > static_cast<int>(std::size(kPayloadChecksums)) ||
        Crc32(data.bytes, data.size) != kPayloadChecksums[item.id - 1]) {
        throw gui::Error(L"Payload item " + std::to_wstring(item.id) + L" (" + item.fileName +
                         L") is damaged; nothing of it was written");
    }

    const std::wstring path = TargetPath(item, destination);
    gui::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throw gui::Error(L"Cannot create file \"" + path + L"\". " + ReasonText(GetLastError()));

    DWORD written = 0;
    if (!WriteFile(file.get(), data.bytes, data.size, &written, nullptr) || written != data.size)
        throw gui::Error(L"Stream write error");
}

bool PayloadFileExists(const PayloadItem& item, const std::wstring& destination) {
    return FileExists(TargetPath(item, destination));
}
