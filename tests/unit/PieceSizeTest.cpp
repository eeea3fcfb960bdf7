#include "app/PieceSize.h"

#include <doctest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

// A medium whose every piece (a write and its flush) takes a fixed part plus
// its bytes at a rate, as the tick count sees it: in steps of 16 ms, as
// Windows' GetTickCount advances.
struct Medium {
    const char* name;
    double bytesPerSecond;
    double fixedMs;

    DWORD Ms(DWORD bytes) const {
        const double ms = fixedMs + bytes * 1000.0 / bytesPerSecond;
        return static_cast<DWORD>(ms / 16) * 16;
    }
};

// What a busy machine adds to the time the tick count sees: now and then a
// pause of up to 300 ms, the same pauses on every run.
struct Pauses {
    std::minstd_rand next{7};
    DWORD operator()() { return next() % 4 == 0 ? next() % 300 : 0; }
};

struct Run {
    double ms = 0;
    double longestPieceMs = 0;
    unsigned pieces = 0;
};

// Writes the items one after the other, with one PieceSize for them all, as
// an installation run does.
Run Write(const Medium& medium, const std::vector<DWORD>& items, bool busy = false) {
    PieceSize size;
    Pauses pauses;
    Run run;
    for (const DWORD item : items) {
        for (DWORD done = 0; done < item;) {
            const DWORD piece = size.Next(item - done);
            const double exact = medium.fixedMs + piece * 1000.0 / medium.bytesPerSecond;
            size.Took(piece, medium.Ms(piece) + (busy ? pauses() : 0));
            run.ms += exact;
            run.longestPieceMs = std::max(run.longestPieceMs, exact);
            ++run.pieces;
            done += piece;
        }
    }
    return run;
}

double BytesMs(const Medium& medium, const std::vector<DWORD>& items) {
    double bytes = 0;
    for (const DWORD item : items) bytes += item;
    return bytes * 1000.0 / medium.bytesPerSecond;
}

constexpr DWORD kMB = 1 << 20;
// The release's items, and an installer whose kordex.exe is 24 MB.
const std::vector<DWORD> kRelease = {4512768, 540672, 1274880, 330752, 1660};
const std::vector<DWORD> kLarge = {24 * kMB, 235, 160, 160, 982};

}  // namespace

TEST_CASE("a flush's fixed cost is paid about once for the bytes' own time, and no piece keeps the window long") {
    // A flash stick or SD card formatted FAT: each flush rewrites the
    // allocation tables and empties the device's cache, whatever it wrote.
    const Medium media[] = {
        {"flash stick, 5 MB/s, 250 ms a flush", 5e6, 250},
        {"slow card, 2 MB/s, 100 ms a flush", 2e6, 100},
        {"share over Wi-Fi, 1 MB/s, 40 ms a flush", 1e6, 40},
        {"USB 1.1 port, 1 MB/s", 1e6, 0},
        {"hard disk, 80 MB/s, 15 ms a flush", 80e6, 15},
    };
    for (const Medium& medium : media) {
        for (const auto* items : {&kRelease, &kLarge}) {
            for (const bool busy : {false, true}) {
                CAPTURE(std::string(medium.name));
                CAPTURE(items->front());
                CAPTURE(busy);
                const Run run = Write(medium, *items, busy);
                // Within twice the bytes at the rate, plus one flush an item.
                CHECK(run.ms <= 2 * BytesMs(medium, *items) + items->size() * medium.fixedMs);
                // The window reads its messages between pieces: well within a
                // second, also where a pause made a piece look slower than it was.
                CHECK(run.longestPieceMs < 800);
            }
        }
    }
}

TEST_CASE("on a fast disk the pieces grow to the largest at once, also where the tick count sees no time") {
    const Medium media[] = {
        {"solid-state disk, 500 MB/s, 2 ms a flush", 500e6, 2},
        {"write cache that no flush reaches, 2 GB/s", 2e9, 0},
    };
    for (const Medium& medium : media) {
        CAPTURE(std::string(medium.name));
        const Run run = Write(medium, kLarge);
        // 512 KB, then growing fourfold at most: 2, 8, 8, 5.5 MB, then one
        // piece for each small item.
        CHECK(run.pieces <= 9);
    }
}

TEST_CASE("a piece never leaves the bounds") {
    PieceSize size;
    CHECK(size.Next(100 * kMB) == PieceSize::kFirstBytes);
    CHECK(size.Next(1000) == 1000);
    // Nothing measurable, again and again: grows, but never past the most.
    for (int i = 0; i < 20; ++i) size.Took(size.Next(100 * kMB), 0);
    CHECK(size.Next(100 * kMB) == PieceSize::kMostBytes);
    // A medium of 20 KB/s: shrinks to the least, never below.
    for (int i = 0; i < 20; ++i) {
        const DWORD piece = size.Next(100 * kMB);
        size.Took(piece, piece / 20);
    }
    CHECK(size.Next(100 * kMB) == PieceSize::kLeastBytes);
}
