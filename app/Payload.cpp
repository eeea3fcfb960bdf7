#include "app/Payload.h"

#include "app/Folders.h"
#include "app/payload_checksums.h"
#include "support/Crc32.h"
#include "win/Error.h"
#include "win/Handles.h"
#include "win/Resource.h"

#include <windows.h>

#include <iterator>

const PayloadItem kKordexExe{1, L"kordex.exe"};
const PayloadItem kDatacore{2, L"datacore.kdx"};
const PayloadItem kLibeay32{3, L"libeay32.dll"};
const PayloadItem kSsleay32{4, L"ssleay32.dll"};
const PayloadItem kReleaseNotes{5, L"olvass_el.txt"};

namespace {

// What a write in progress is called beside its target: plainly the
// installer's, and cleared by the next run in that folder.
const wchar_t kTemporaryPrefix[] = L"~KORdexSetup-";
const wchar_t kTemporarySuffix[] = L".tmp";

std::wstring TargetPath(const PayloadItem& item, const std::wstring& destination) {
    return destination + L"\\" + item.fileName;
}

std::wstring TemporaryPath(const PayloadItem& item, const std::wstring& destination) {
    return destination + L"\\" + kTemporaryPrefix + item.fileName + kTemporarySuffix;
}

// The system's text for an error, as the file errors show it.
std::wstring ReasonText(DWORD code) {
    std::wstring text = win::SystemErrorText(code);
    while (!text.empty() && (text.back() == L'.' || text.back() == L' ' || text.back() == L'\r' || text.back() == L'\n'))
        text.pop_back();
    return text;
}

[[noreturn]] void ThrowCannotCreate(const std::wstring& target, DWORD code) {
    throw win::Error(L"Cannot create file \"" + target + L"\". " + ReasonText(code));
}

[[noreturn]] void ThrowCannotWrite(const std::wstring& target, DWORD code) {
    throw win::Error(L"Cannot write file \"" + target + L"\". " + ReasonText(code));
}

// The item as the executable's image holds it: used in place, never copied.
win::ResourceBytes Locate(const PayloadItem& item) {
    const win::ResourceBytes bytes = win::RawDataResource(GetModuleHandleW(nullptr), item.id);
    if (!bytes.data) throw win::Error(L"Resource " + win::Decimal(item.id) + L" not found");
    return bytes;
}

// A target that is read-only, in use or a folder cannot be replaced: find
// that out by opening it for writing, which leaves its contents alone.
void CheckReplaceable(const std::wstring& target) {
    const win::UniqueHandle existing(
        CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    // No earlier file: nothing to replace.
    if (!existing && GetLastError() != ERROR_FILE_NOT_FOUND) ThrowCannotCreate(target, GetLastError());
}

// The temporary file of a write that has not been moved into place. Removed
// when the write fails; once moved, there is nothing left to remove.
class TemporaryFile {
public:
    explicit TemporaryFile(std::wstring path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!path_.empty()) DeleteFileW(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::wstring& path() const { return path_; }
    void Forget() { path_.clear(); }

private:
    std::wstring path_;
};

// Writes all bytes in one request and puts them on the disk: a short write
// (a full disk) answers the system's reason.
DWORD WriteDurably(HANDLE file, const win::ResourceBytes& data) {
    DWORD written = 0;
    if (!WriteFile(file, data.data, data.size, &written, nullptr)) return GetLastError();
    if (written != data.size) return ERROR_DISK_FULL;
    if (!FlushFileBuffers(file)) return GetLastError();
    return ERROR_SUCCESS;
}

}  // namespace

void WritePayloadItem(const PayloadItem& item, const std::wstring& destination) {
    const win::ResourceBytes data = Locate(item);
    // A damaged item must not be installed as if it were the application.
    if (item.id < 1 || item.id > static_cast<int>(std::size(kPayloadChecksums)) ||
        Crc32(data.data, data.size) != kPayloadChecksums[item.id - 1]) {
        throw win::Error(L"Payload item " + win::Decimal(item.id) + L" (" + item.fileName +
                         L") is damaged; nothing of it was written");
    }

    // The item goes into a temporary file beside its target and replaces the
    // target in one step: a failure or a kill leaves the earlier file whole.
    const std::wstring target = TargetPath(item, destination);
    CheckReplaceable(target);
    TemporaryFile temporary(TemporaryPath(item, destination));
    {
        win::UniqueHandle file(CreateFileW(temporary.path().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            const DWORD code = GetLastError();
            temporary.Forget();  // not made by us: whatever stands there stays
            ThrowCannotCreate(target, code);
        }
        if (const DWORD code = WriteDurably(file.get(), data)) ThrowCannotWrite(target, code);
    }
    if (!MoveFileExW(temporary.path().c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        ThrowCannotCreate(target, GetLastError());
    temporary.Forget();
}

void ClearUnfinishedWrites(const std::wstring& destination) {
    WIN32_FIND_DATAW found;
    const std::wstring pattern = destination + L"\\" + kTemporaryPrefix + L"*" + kTemporarySuffix;
    win::FindHandle search(FindFirstFileW(pattern.c_str(), &found));
    if (!search) return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileW((destination + L"\\" + found.cFileName).c_str());
    } while (FindNextFileW(search.get(), &found));
}

bool PayloadFileExists(const PayloadItem& item, const std::wstring& destination) {
    return FileExists(TargetPath(item, destination));
}
