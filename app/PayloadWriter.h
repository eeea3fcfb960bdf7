// The writing of the payload's items into the destination folder.
#pragma once

#include "app/PayloadCatalogue.h"
#include "app/PieceSize.h"

#include <functional>
#include <string>

// Writes a run's items into its destination folder. What the first items
// teach of the two media (the installer's own, read as each item is
// checked, and the destination, written and flushed) sizes the pieces of
// the later ones.
class PayloadWriter {
public:
    PayloadWriter(std::wstring destination, std::function<void()> meanwhile)
        : destination_(std::move(destination)), meanwhile_(std::move(meanwhile)) {}

    // Writes the item as destination\fileName, replacing any earlier file in
    // one step (ReplaceDurably), its bytes unchanged, straight from the
    // executable's image, once they are found undamaged. A target that
    // another program reads for a moment (a virus scanner, an indexer) is
    // waited for, up to six seconds. Between the pieces of the work and the
    // tries, meanwhile lets the caller's window paint. Raises "Resource <id>
    // not found", "Cannot create file "<target>". <reason>" (the target is
    // read-only, in use or cannot be made), "Cannot write file "<target>".
    // <reason>" (a full disk), or the damaged-item error; the target then
    // stays exactly as it was.
    void Write(const PayloadItem& item);

private:
    std::wstring destination_;
    std::function<void()> meanwhile_;
    PieceSize checking_;
    PieceSize writing_;
};
