// The payload: the application's five files, carried in the installer's own
// executable as raw-data resources and written into the destination folder.
#pragma once

#include "app/PieceSize.h"
#include "win/Handles.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

struct PayloadItem {
    int id;                  // the resource's identifier
    const wchar_t* fileName; // the target file name in the destination
};

// Each item's CRC-32, by identifier from 1: made by the build from the
// payload folder and compiled into the installer that carries the items.
constexpr std::size_t kPayloadItems = 5;
extern const std::uint32_t kPayloadChecksums[kPayloadItems];

// In the order the installation writes them.
extern const PayloadItem kKordexExe;
extern const PayloadItem kDatacore;
extern const PayloadItem kLibeay32;
extern const PayloadItem kSsleay32;
extern const PayloadItem kReleaseNotes;

// Writes a run's items into its destination folder. What the first items
// teach of the two media (the installer's own, read as each item is
// checked, and the destination, written and flushed) sizes the pieces of
// the later ones.
class PayloadWriter {
public:
    PayloadWriter(std::wstring destination, std::function<void()> meanwhile)
        : destination_(std::move(destination)), meanwhile_(std::move(meanwhile)) {}

    // Writes the item as destination\fileName, replacing any earlier file in
    // one step: the item is checked against its CRC-32, its bytes go
    // unchanged, straight from the executable's image, into a temporary file
    // beside the target, each piece flushed as it is written, and the
    // temporary file is then moved over the target. An earlier file or a
    // temporary one that another program reads for a moment (a virus
    // scanner, an indexer) is waited for, up to six seconds each. The check
    // and the write go in pieces (PieceSize); between them and the tries,
    // meanwhile lets the caller's window paint. On any failure the target
    // stays exactly as it was and the temporary file is removed (one that a
    // scanner still holds, by the next run). Raises "Resource <id> not
    // found", "Cannot create file "<target>". <reason>" (the target is
    // read-only, in use or cannot be made), "Cannot write file "<target>".
    // <reason>" (a full disk), or the damaged-item error.
    void Write(const PayloadItem& item);

private:
    std::wstring destination_;
    std::function<void()> meanwhile_;
    PieceSize checking_;
    PieceSize writing_;
};

// A run's claim on its destination folder: the file "~KS", "R", one
// hexadecimal digit and ".tmp" there, made new and shared with nobody, held
// from before the run's first temporary file until the run ends, and removed
// by the system as soon as it is let go of, also when the process is killed.
// Another run that finds it held knows that this run's temporary files may
// be between their close and their move.
class FolderClaim {
public:
    FolderClaim() = default;
    explicit FolderClaim(const std::wstring& destination);
    FolderClaim(FolderClaim&&) noexcept = default;
    FolderClaim& operator=(FolderClaim&&) noexcept = default;

    // Whether it is held: not when the folder may not be written, say.
    explicit operator bool() const { return static_cast<bool>(file_); }
    const std::wstring& name() const { return name_; }

private:
    std::wstring name_;
    win::UniqueHandle file_;
};

// Claims destination for this run, and removes the temporary files that runs
// which ended there left (killed in the middle of a write, or stopped while a
// virus scanner held the file), with a claim that a crash left behind. While
// another run holds its claim there, nothing is removed: its temporary file
// may be closed and about to be moved. Keep the claim until the run ends.
[[nodiscard]] FolderClaim ClearUnfinishedWrites(const std::wstring& destination);

// The name of a write's temporary file beside a target of that name: "~KS",
// the number in hexadecimal digits and ".tmp", as many digits as make it as
// long as the target's name (at most five), so that where the target's path
// fits, the temporary one fits too. A name too short for ".tmp" and a digit
// drops the ".tmp"; one of under four characters gets four, the shortest
// that is still plainly the installer's.
std::wstring TemporaryName(const std::wstring& targetName, unsigned number);

// Whether a file name is a temporary one of the installer's: as
// TemporaryName makes them, or as an earlier version did
// ("~KORdexSetup-<target name>.tmp").
bool IsTemporaryName(const std::wstring& name);

// Whether destination\fileName is a file (not a folder), a link followed to
// its target.
bool PayloadFileExists(const PayloadItem& item, const std::wstring& destination);
