#include "app/PayloadWriter.h"

#include "app/DurableReplacement.h"
#include "win/Error.h"

void PayloadWriter::Write(const PayloadItem& item) {
    const win::ResourceBytes data = LocatePayloadItem(item);
    // A target that cannot be replaced is found before the item is read from
    // the installer's medium, which on a CD or a share takes a while.
    CheckReplaceable(PayloadItemPath(item, destination_), meanwhile_);
    if (!Undamaged(item, data, checking_, meanwhile_)) {
        throw win::Error(L"Payload item " + win::Decimal(item.id) + L" (" + item.fileName +
                         L") is damaged; nothing of it was written");
    }
    ReplaceDurably(destination_, item.fileName, data.data, data.size, writing_, meanwhile_);
}
