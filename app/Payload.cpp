#include "app/Payload.h"

#include "app/Folders.h"
#include "support/Crc32.h"
#include "win/Error.h"
#include "win/Handles.h"
#include "win/Resource.h"

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <string_view>
#include <vector>

const PayloadItem kKordexExe{1, L"kordex.exe"};
const PayloadItem kDatacore{2, L"datacore.kdx"};
const PayloadItem kLibeay32{3, L"libeay32.dll"};
const PayloadItem kSsleay32{4, L"ssleay32.dll"};
const PayloadItem kReleaseNotes{5, L"olvass_el.txt"};

namespace {

// A write in progress is called "~KS", digits and ".tmp" beside its target
// (TemporaryName): plainly the installer's, and cleared by the next run there.
const wchar_t kTemporaryPrefix[] = L"~KS";
const wchar_t kTemporaryExtension[] = L".tmp";
constexpr size_t kPrefixLength = std::size(kTemporaryPrefix) - 1;
constexpr size_t kExtensionLength = std::size(kTemporaryExtension) - 1;
constexpr size_t kMostDigits = 5;
const wchar_t kHexDigits[] = L"0123456789ABCDEF";
// What earlier versions called a write in progress: prefix, target name, ".tmp".
const wchar_t kEarlierPrefix[] = L"~KORdexSetup-";
// Names tried for a temporary file or a claim, as many as one digit tells apart.
constexpr unsigned kNameAttempts = 16;
// A run's claim on its folder (FolderClaim): prefix, one digit, ".tmp".
const wchar_t kClaimPrefix[] = L"~KSR";
constexpr size_t kClaimPrefixLength = std::size(kClaimPrefix) - 1;

std::wstring ClaimName(wchar_t digit) { return kClaimPrefix + std::wstring(1, digit) + kTemporaryExtension; }

bool IsClaimName(const std::wstring& name) {
    return name.size() == kClaimPrefixLength + 1 + kExtensionLength &&
           name.compare(0, kClaimPrefixLength, kClaimPrefix) == 0 &&
           std::wstring_view(kHexDigits).find(name[kClaimPrefixLength]) != std::wstring_view::npos &&
           name.compare(kClaimPrefixLength + 1, kExtensionLength, kTemporaryExtension) == 0;
}

// The files (not folders) in folder that match the pattern and whose names
// pass the test: the pattern's wildcards also match short names.
std::vector<std::wstring> FilesNamed(const std::wstring& folder, const wchar_t* pattern,
                                     bool (*test)(const std::wstring&)) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    win::FindHandle search(FindFirstFileW((folder + L"\\" + pattern).c_str(), &found));
    if (!search) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && test(found.cFileName))
            names.emplace_back(found.cFileName);
    } while (FindNextFileW(search.get(), &found));
    return names;
}

std::wstring TargetPath(const PayloadItem& item, const std::wstring& destination) {
    return destination + L"\\" + item.fileName;
}

[[noreturn]] void ThrowCannotCreate(const std::wstring& target, DWORD code) {
    throw win::Error(L"Cannot create file \"" + target + L"\". " + win::SystemErrorText(code));
}

[[noreturn]] void ThrowCannotWrite(const std::wstring& target, DWORD code) {
    throw win::Error(L"Cannot write file \"" + target + L"\". " + win::SystemErrorText(code));
}

// The item as the executable's image holds it: used in place, never copied.
win::ResourceBytes Locate(const PayloadItem& item) {
    const win::ResourceBytes bytes = win::RawDataResource(GetModuleHandleW(nullptr), item.id);
    if (!bytes.data) throw win::Error(L"Resource " + win::Decimal(item.id) + L" not found");
    return bytes;
}

// An on-access virus scanner, an indexer or the shell reading an icon opens
// a file for a moment: the earlier file just before it is replaced, the
// temporary file just after it is closed. While one reads the earlier file
// it cannot be opened for writing, and while one reads the temporary file
// that cannot be moved. Either is tried again until the reader lets go:
// a scanner on an XP-era machine that unpacks and emulates a 5 MB
// executable can take several seconds over it, well over two. Meanwhile the
// window paints; a file that stays held costs the user these seconds before
// the error. Wine has no such scanner.
constexpr DWORD kHeldTriesMs = 6000;
constexpr DWORD kHeldPauseMs = 50;

// Calls attempt, which answers a system error code, again while held(code)
// says another program holds the file, until the bound has passed; answers
// the last code.
template <typename Attempt, typename Held>
DWORD TryWhileHeld(const Attempt& attempt, const Held& held, const std::function<void()>& meanwhile) {
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD code = attempt();
        if (!held(code) || GetTickCount() - start >= kHeldTriesMs) return code;
        Sleep(kHeldPauseMs);
        meanwhile();
    }
}

// A target that is read-only, in use or a folder cannot be replaced: find
// that out by opening it for writing, which leaves its contents alone. A
// reader's hold is a sharing violation; read-only, a folder or no right to
// write are access denied, which waiting does not mend.
void CheckReplaceable(const std::wstring& target, const std::function<void()>& meanwhile) {
    const DWORD code = TryWhileHeld(
        [&target] {
            const win::UniqueHandle existing(CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                                         FILE_ATTRIBUTE_NORMAL, nullptr));
            return existing ? DWORD{ERROR_SUCCESS} : GetLastError();
        },
        [](DWORD code) { return code == ERROR_SHARING_VIOLATION; }, meanwhile);
    // No earlier file: nothing to replace.
    if (code != ERROR_SUCCESS && code != ERROR_FILE_NOT_FOUND) ThrowCannotCreate(target, code);
}

// The temporary file of a write that has not been moved into place, made new
// beside the target under the first free temporary name: a leftover that
// could not be cleared, or anyone's file of that name, is never overwritten.
// Removed when the write fails; once moved, there is nothing left to remove.
class TemporaryFile {
public:
    TemporaryFile(const std::wstring& destination, const PayloadItem& item, const std::wstring& target) {
        DWORD code = ERROR_SUCCESS;
        for (unsigned number = 0; number < kNameAttempts; ++number) {
            path_ = destination + L"\\" + TemporaryName(item.fileName, number);
            file_.reset(CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                    nullptr));
            if (file_) return;
            code = GetLastError();
            // Taken, by a file or by one still being deleted (access denied).
            if (code != ERROR_FILE_EXISTS && code != ERROR_ACCESS_DENIED) break;
        }
        ThrowCannotCreate(target, code);
    }
    ~TemporaryFile() {
        Close();
        if (!path_.empty()) DeleteFileW(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    HANDLE handle() const { return file_.get(); }
    const std::wstring& path() const { return path_; }
    void Close() { file_.reset(); }
    void Forget() { path_.clear(); }

private:
    std::wstring path_;
    win::UniqueHandle file_;
};

// A reader's hold on the temporary file (or on the target) makes the move a
// sharing violation, or access denied.
DWORD MoveIntoPlace(const std::wstring& temporary, const std::wstring& target,
                    const std::function<void()>& meanwhile) {
    return TryWhileHeld(
        [&] {
            // Write-through waits only for a move made as a copy, across
            // volumes; beside its target the temporary file is renamed, not
            // copied, and its bytes are already flushed.
            return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
                       ? DWORD{ERROR_SUCCESS}
                       : GetLastError();
        },
        [](DWORD code) { return code == ERROR_SHARING_VIOLATION || code == ERROR_ACCESS_DENIED; }, meanwhile);
}

// Does work(offset, bytes), which answers a system error code, on each piece
// of `total` bytes in turn, the window painting between them; stops at the
// first failure and answers it.
template <typename Work>
DWORD InPieces(DWORD total, PieceSize& size, const Work& work, const std::function<void()>& meanwhile) {
    for (DWORD done = 0; done < total;) {
        const DWORD piece = size.Next(total - done);
        const DWORD start = GetTickCount();
        if (const DWORD code = work(done, piece)) return code;
        size.Took(piece, GetTickCount() - start);
        done += piece;
        meanwhile();
    }
    return ERROR_SUCCESS;
}

// Whether the item is as the build recorded it: a damaged item must not be
// installed as if it were the application. Read from the installer's own
// medium (a CD, a share) as it is checked.
bool Undamaged(const PayloadItem& item, const win::ResourceBytes& data, PieceSize& size,
               const std::function<void()>& meanwhile) {
    if (item.id < 1 || item.id > static_cast<int>(kPayloadItems)) return false;
    const auto* bytes = static_cast<const BYTE*>(data.data);
    std::uint32_t crc = 0;
    InPieces(
        data.size, size,
        [&](DWORD at, DWORD piece) {
            crc = Crc32Continued(crc, bytes + at, piece);
            return DWORD{ERROR_SUCCESS};
        },
        meanwhile);
    return crc == kPayloadChecksums[item.id - 1];
}

// Writes all bytes and puts them on the disk: a short write (a full disk)
// answers the system's reason. Windows caches writes to fixed disks, USB
// drives and shares: a write returns at once, and the flush writes. So each
// piece is flushed on its own. Writing through the cache instead was no
// cheaper on a fast disk (measured with Linux's O_DSYNC), and Wine, which
// ignores the flag, could not show it working.
DWORD WriteDurably(HANDLE file, const win::ResourceBytes& data, PieceSize& size,
                   const std::function<void()>& meanwhile) {
    const auto* bytes = static_cast<const BYTE*>(data.data);
    const DWORD code = InPieces(
        data.size, size,
        [&](DWORD at, DWORD piece) {
            DWORD written = 0;
            if (!WriteFile(file, bytes + at, piece, &written, nullptr)) return GetLastError();
            if (written != piece) return DWORD{ERROR_DISK_FULL};
            return FlushFileBuffers(file) ? DWORD{ERROR_SUCCESS} : GetLastError();
        },
        meanwhile);
    if (code != ERROR_SUCCESS) return code;
    // An empty item has nothing to flush but its creation.
    if (data.size == 0 && !FlushFileBuffers(file)) return GetLastError();
    return ERROR_SUCCESS;
}

}  // namespace

void PayloadWriter::Write(const PayloadItem& item) {
    const win::ResourceBytes data = Locate(item);
    // A target that cannot be replaced is found before the item is read from
    // the installer's medium, which on a CD or a share takes a while.
    const std::wstring target = TargetPath(item, destination_);
    CheckReplaceable(target, meanwhile_);
    if (!Undamaged(item, data, checking_, meanwhile_)) {
        throw win::Error(L"Payload item " + win::Decimal(item.id) + L" (" + item.fileName +
                         L") is damaged; nothing of it was written");
    }

    // The item goes into a temporary file beside its target and replaces the
    // target in one step: a failure or a kill leaves the earlier file whole.
    TemporaryFile temporary(destination_, item, target);
    if (const DWORD code = WriteDurably(temporary.handle(), data, writing_, meanwhile_)) ThrowCannotWrite(target, code);
    temporary.Close();
    // A move that fails leaves the target as it was; the temporary file goes
    // now, or, while the scanner still holds it, with the next run.
    if (const DWORD code = MoveIntoPlace(temporary.path(), target, meanwhile_)) ThrowCannotCreate(target, code);
    temporary.Forget();
}

FolderClaim::FolderClaim(const std::wstring& destination) {
    for (unsigned number = 0; number < kNameAttempts; ++number) {
        const std::wstring name = ClaimName(kHexDigits[number]);
        file_.reset(CreateFileW((destination + L"\\" + name).c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
        if (file_) {
            name_ = name;
            return;
        }
        // Taken, by a file or by one still being deleted (access denied).
        const DWORD code = GetLastError();
        if (code != ERROR_FILE_EXISTS && code != ERROR_ACCESS_DENIED) return;
    }
}

FolderClaim ClearUnfinishedWrites(const std::wstring& destination) {
    FolderClaim claim(destination);
    // Listed before the claims are looked at: a run makes its claim before
    // its first temporary file, so whichever run's temporary file is listed
    // here has its claim in the folder below, held while the file is there.
    const std::vector<std::wstring> leftovers = FilesNamed(destination, L"~*", IsTemporaryName);
    bool alone = static_cast<bool>(claim);
    for (const std::wstring& name : FilesNamed(destination, ClaimName(L'?').c_str(), IsClaimName)) {
        if (name == claim.name()) continue;
        // Held, by a run in progress, it cannot be removed; a crash's is. One
        // that may not be removed for another reason (being deleted as its
        // run ends, or another user's that this user may not delete, whose
        // run may still be going) keeps the leftovers too: they cost a later
        // run nothing, and a temporary file removed under a run is lost work.
        const std::wstring path = destination + L"\\" + name;
        if (!DeleteFileW(path.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) alone = false;
    }
    if (!alone) return claim;
    for (const std::wstring& name : leftovers) DeleteFileW((destination + L"\\" + name).c_str());
    return claim;
}

std::wstring TemporaryName(const std::wstring& targetName, unsigned number) {
    const size_t length = targetName.size();
    const bool extension = length >= kPrefixLength + 1 + kExtensionLength;
    const size_t taken = kPrefixLength + (extension ? kExtensionLength : 0);
    const size_t digits = std::clamp<size_t>(length > taken ? length - taken : 0, 1, kMostDigits);
    std::wstring name = kTemporaryPrefix;
    for (size_t digit = digits; digit-- > 0;) name += kHexDigits[(number >> (4 * digit)) & 0xF];
    if (extension) name += kTemporaryExtension;
    return name;
}

bool IsTemporaryName(const std::wstring& name) {
    const std::wstring earlier = kEarlierPrefix;
    if (name.compare(0, earlier.size(), earlier) == 0) {
        return name.size() > earlier.size() + kExtensionLength &&
               name.compare(name.size() - kExtensionLength, kExtensionLength, kTemporaryExtension) == 0;
    }
    if (name.compare(0, kPrefixLength, kTemporaryPrefix) != 0) return false;
    const size_t digitsEnd = std::min(name.find_first_not_of(kHexDigits, kPrefixLength), name.size());
    const size_t digits = digitsEnd - kPrefixLength;
    return digits >= 1 && digits <= kMostDigits &&
           (digitsEnd == name.size() || name.compare(digitsEnd, std::wstring::npos, kTemporaryExtension) == 0);
}

bool PayloadFileExists(const PayloadItem& item, const std::wstring& destination) {
    return FileExists(TargetPath(item, destination));
}
