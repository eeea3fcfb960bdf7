#!/usr/bin/env python3
"""Writes the resource script and the checksum table of the installer's payload.

usage: payload.py ITEMS PAYLOAD_DIR OUT_RC OUT_CPP

The items that ITEMS (payload/items.txt) lists are taken from PAYLOAD_DIR
under their target names; a missing
item stops the build with a message naming it. Each item's CRC-32 goes into
the table (a source file compiled into that installer), so that the installer
can tell a damaged item before writing it.
"""
import os
import sys
import zlib


def read_items(path):
    """(resource id, target file name) of each item, in the list's order."""
    items = []
    with open(path) as f:
        for line in f:
            fields = line.split()
            if fields and not fields[0].startswith("#"):
                items.append((int(fields[0]), fields[1]))
    return items


def crc32_of(path):
    crc = 0
    with open(path, "rb") as f:
        for block in iter(lambda: f.read(1 << 20), b""):
            crc = zlib.crc32(block, crc)
    return crc


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    items_path, folder, out_rc, out_table = sys.argv[1:]
    items = read_items(items_path)
    missing = [name for _, name in items if not os.path.isfile(os.path.join(folder, name))]
    if missing:
        sys.exit("payload: missing in %s: %s" % (folder, ", ".join(missing)))

    rc = ["// Generated from %s: the payload items as raw-data resources." % folder]
    table = [
        "// Generated from the payload folder: each item's CRC-32.",
        '#include "app/PayloadCatalogue.h"',
        "",
        "const std::uint32_t kPayloadChecksums[kPayloadItems] = {",
    ]
    for ident, name in items:
        path = os.path.abspath(os.path.join(folder, name))
        rc.append('%d RCDATA "%s"' % (ident, path.replace("\\", "/")))
        table.append("    0x%08Xu,  // %d %s, %d bytes" % (crc32_of(path), ident, name, os.path.getsize(path)))
    table.append("};")

    for path, lines in ((out_rc, rc), (out_table, table)):
        text = "\n".join(lines) + "\n"
        # Unchanged output keeps its time stamp, so nothing rebuilds for nothing.
        if not os.path.exists(path) or open(path).read() != text:
            with open(path, "w") as f:
                f.write(text)


if __name__ == "__main__":
    main()
