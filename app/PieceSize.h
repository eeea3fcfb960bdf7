// How much of a long piece of work (writing and flushing an item, checking
// it) goes between two readings of the window's messages, and the work done
// in such pieces.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

// The run holds the one UI thread, so its long work goes in pieces and the
// window reads its messages between them. A piece's time is a fixed part
// plus its bytes at the medium's rate: a flush on a flash stick formatted
// FAT or on a share rewrites the allocation tables and the directory entry
// and empties the device's cache, tens to hundreds of milliseconds however
// few bytes went. Two pieces of different sizes tell the two apart. Pieces
// are then as large as keeps the fixed part to about half a piece's time,
// and take about a quarter of a second where the fixed part is small, never
// much over half a second: on a medium of 1 MB/s (a USB 1.1 port, a slow SD
// card, a share over Wi-Fi) the window still answers well within a second,
// and on a fast disk few pieces are made.
//
// Keep one for each medium over a run's items: what one item taught holds
// for the next on the same medium.
class PieceSize {
public:
    // The next piece's size, of `left` bytes still to go.
    DWORD Next(DWORD left) const;
    // A piece of `bytes` took `ms` milliseconds.
    void Took(DWORD bytes, DWORD ms);

    static constexpr DWORD kLeastBytes = 64 << 10;
    static constexpr DWORD kMostBytes = 8 << 20;
    // Half a second at 1 MB/s, before any piece has gone: the smaller items
    // go in one piece or two.
    static constexpr DWORD kFirstBytes = 512 << 10;

private:
    struct Piece {
        DWORD bytes;
        DWORD ms;
    };
    DWORD Proportional(const Piece& piece) const;
    DWORD Fitted(const Piece& earlier, const Piece& later) const;
    // The largest next piece after one that took ms.
    double Most(DWORD ms) const;

    // The latest piece, and the latest before it of another size.
    std::optional<Piece> latest_;
    std::optional<Piece> otherSize_;
    DWORD largestBytes_ = 0;
    double fastestBytesPerMs_ = 0;
    DWORD bytes_ = kFirstBytes;
};

// Does work(offset, bytes), which answers a system error code, on each piece
// of `total` bytes in turn, sized by size, the window painting (meanwhile)
// between them; stops at the first failure and answers it.
template <typename Work>
DWORD InPieces(DWORD total, PieceSize& size, const Work& work, const std::function<void()>& meanwhile) {
    for (DWORD done = 0; done < total;) {
        const DWORD piece = size.Next(total - done);
        const DWORD start = GetTickCount();
        if (const DWORD code = work(done, piece)) return code;
        size.Took(piece, GetTickCount() - start);
        done += piece;
        meanwhile();
    }
    return ERROR_SUCCESS;
}
