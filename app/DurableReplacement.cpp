#include "app/DurableReplacement.h"

#include "app/TemporaryNames.h"
#include "win/Error.h"
#include "win/Handles.h"

namespace {

[[noreturn]] void ThrowCannotCreate(const std::wstring& target, DWORD code) {
    throw win::Error(L"Cannot create file \"" + target + L"\". " + win::SystemErrorText(code));
}

[[noreturn]] void ThrowCannotWrite(const std::wstring& target, DWORD code) {
    throw win::Error(L"Cannot write file \"" + target + L"\". " + win::SystemErrorText(code));
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

// The temporary file of a write that has not been moved into place, made new
// beside the target under the first free temporary name: a leftover that
// could not be cleared, or anyone's file of that name, is never overwritten.
// Removed when the write fails; once moved, there is nothing left to remove.
class TemporaryFile {
public:
    TemporaryFile(const std::wstring& folder, const std::wstring& fileName, const std::wstring& target) {
        DWORD code = ERROR_SUCCESS;
        for (unsigned number = 0; number < kNameAttempts; ++number) {
            path_ = folder + L"\\" + TemporaryName(fileName, number);
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

// Writes all bytes and puts them on the disk: a short write (a full disk)
// answers the system's reason. Windows caches writes to fixed disks, USB
// drives and shares: a write returns at once, and the flush writes. So each
// piece is flushed on its own. Writing through the cache instead was no
// cheaper on a fast disk (measured with Linux's O_DSYNC), and Wine, which
// ignores the flag, could not show it working.
DWORD WriteDurably(HANDLE file, const BYTE* bytes, DWORD size, PieceSize& pieces,
                   const std::function<void()>& meanwhile) {
    const DWORD code = InPieces(
        size, pieces,
        [&](DWORD at, DWORD piece) {
            DWORD written = 0;
            if (!WriteFile(file, bytes + at, piece, &written, nullptr)) return GetLastError();
            if (written != piece) return DWORD{ERROR_DISK_FULL};
            return FlushFileBuffers(file) ? DWORD{ERROR_SUCCESS} : GetLastError();
        },
        meanwhile);
    if (code != ERROR_SUCCESS) return code;
    // An empty file has nothing to flush but its creation.
    if (size == 0 && !FlushFileBuffers(file)) return GetLastError();
    return ERROR_SUCCESS;
}

}  // namespace

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

void ReplaceDurably(const std::wstring& folder, const std::wstring& fileName, const void* bytes, DWORD size,
                    PieceSize& pieces, const std::function<void()>& meanwhile) {
    const std::wstring target = folder + L"\\" + fileName;
    TemporaryFile temporary(folder, fileName, target);
    if (const DWORD code = WriteDurably(temporary.handle(), static_cast<const BYTE*>(bytes), size, pieces, meanwhile))
        ThrowCannotWrite(target, code);
    temporary.Close();
    // A move that fails leaves the target as it was; the temporary file goes
    // now, or, while the scanner still holds it, with the next run.
    if (const DWORD code = MoveIntoPlace(temporary.path(), target, meanwhile)) ThrowCannotCreate(target, code);
    temporary.Forget();
}
