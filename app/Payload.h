// The payload: the application's five files, carried in the installer's own
// executable as raw-data resources and written into the destination folder.
#pragma once

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

// Writes the item as destination\fileName, replacing any earlier file in one
// step: the resource's bytes go unchanged, straight from the executable's
// image, into a temporary file beside the target, in pieces of a few
// megabytes, are flushed, and the temporary file is then moved over the
// target. An earlier file or a temporary one that another program reads
// for a moment (a virus scanner, an indexer) is waited for, up to six
// seconds each. Between the pieces and the tries, meanwhile lets the
// caller's window paint. On any failure the target stays exactly as it was
// and the temporary file is removed (one that a scanner still holds, by the
// next run). Raises "Resource <id> not found", "Cannot create file
// "<target>". <reason>" (the target is read-only, in use or cannot be made),
// "Cannot write file "<target>". <reason>" (a full disk), or the
// damaged-item error.
void WritePayloadItem(const PayloadItem& item, const std::wstring& destination,
                      const std::function<void()>& meanwhile);

// Removes the temporary files that an earlier run left in destination when
// it was killed in the middle of a write.
void ClearUnfinishedWrites(const std::wstring& destination);

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
