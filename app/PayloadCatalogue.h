// The payload's catalogue: the application's five files, carried in the
// installer's own executable as raw-data resources, each with the checksum
// the build recorded.
#pragma once

#include "app/PieceSize.h"
#include "win/Resource.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

struct PayloadItem {
    int id;                  // the resource's identifier
    const wchar_t* fileName; // the target file name in the destination
};

// kKordexExe, kDatacore, kLibeay32, kSsleay32, kReleaseNotes and their
// number, kPayloadItems, made by the build from payload/items.txt.
#include "app/PayloadItems.h"

// Each item's CRC-32, by identifier from 1: made by the build from the
// payload folder and compiled into the installer that carries the items.
extern const std::uint32_t kPayloadChecksums[kPayloadItems];

// The item as the executable's image holds it: used in place, never copied.
// Raises "Resource <id> not found".
win::ResourceBytes LocatePayloadItem(const PayloadItem& item);

// Whether the item's bytes are as the build recorded them: a damaged item
// must not be installed as if it were the application. Read from the
// installer's own medium (a CD, a share) in pieces, meanwhile between them.
bool Undamaged(const PayloadItem& item, const win::ResourceBytes& data, PieceSize& size,
               const std::function<void()>& meanwhile);

// Where the item goes in the destination folder.
std::wstring PayloadItemPath(const PayloadItem& item, const std::wstring& destination);

// Whether destination\fileName is a file (not a folder), a link followed to
// its target.
bool PayloadFileExists(const PayloadItem& item, const std::wstring& destination);
