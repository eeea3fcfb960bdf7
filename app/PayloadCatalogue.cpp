#include "app/PayloadCatalogue.h"

#include "app/Folders.h"
#include "support/Crc32.h"
#include "win/Error.h"

#include <windows.h>

win::ResourceBytes LocatePayloadItem(const PayloadItem& item) {
    const win::ResourceBytes bytes = win::RawDataResource(GetModuleHandleW(nullptr), item.id);
    if (!bytes.data) throw win::Error(L"Resource " + win::Decimal(item.id) + L" not found");
    return bytes;
}

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

std::wstring PayloadItemPath(const PayloadItem& item, const std::wstring& destination) {
    return destination + L"\\" + item.fileName;
}

bool PayloadFileExists(const PayloadItem& item, const std::wstring& destination) {
    return FileExists(PayloadItemPath(item, destination));
}
