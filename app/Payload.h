// The payload: the application's five files, carried in the installer's own
// executable as raw-data resources and written into the destination folder.
#pragma once

#include <string>

struct PayloadItem {
    int id;                  // the resource's identifier
    const wchar_t* fileName; // the target file name in the destination
};

// In the order the installation writes them.
extern const PayloadItem kKordexExe;
extern const PayloadItem kDatacore;
extern const PayloadItem kLibeay32;
extern const PayloadItem kSsleay32;
extern const PayloadItem kReleaseNotes;

// Writes the item as destination\fileName: created anew, shared with nobody,
// the resource's bytes written unchanged in one request straight from the
// executable's image. Raises "Resource <id> not found", "Cannot create file
// "<path>". <reason>", the stream-write error, or the damaged-item error
// (nothing written).
void WritePayloadItem(const PayloadItem& item, const std::wstring& destination);

// Whether destination\fileName is a file (not a folder), a link followed to
// its target.
bool PayloadFileExists(const PayloadItem& item, const std::wstring& destination);
