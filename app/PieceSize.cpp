#include "app/PieceSize.h"

#include <algorithm>

namespace {

// A piece's time where the fixed part is small, and the most that its bytes
// may take where the fixed part is large: a piece then takes well under a
// second where a flush costs up to a few hundred milliseconds.
constexpr double kAimMs = 250;
constexpr double kMostBytesMs = 400;
// The most a piece may take at the fastest rate seen: a bound that holds
// however the fit came out.
constexpr double kMostPieceMs = 600;
// The bytes take half as long again as the fixed part: what a tick count's
// steps blur of the fit still leaves it under half the time.
constexpr double kBytesPerFixed = 1.5;

// A piece that took less may have been one the tick count could not see
// (it advances in steps of 10 to 16 ms on Windows): it grows the next one at
// most fourfold over the largest piece timed.
constexpr DWORD kSeenMs = 64;

// Two pieces tell the fixed part from the rate only where their sizes differ
// well beyond what the clock's granularity blurs: by half again or more.
template <typename Piece>
bool Spread(const Piece& a, const Piece& b) {
    return 2 * DWORD64{std::max(a.bytes, b.bytes)} >= 3 * DWORD64{std::min(a.bytes, b.bytes)};
}

}  // namespace

DWORD PieceSize::Next(DWORD left) const { return std::min(bytes_, left); }

void PieceSize::Took(DWORD bytes, DWORD ms) {
    const Piece piece{bytes, ms};
    if (latest_ && Spread(*latest_, piece)) otherSize_ = latest_;
    latest_ = piece;
    largestBytes_ = std::max(largestBytes_, bytes);
    const DWORD aimed = otherSize_ && Spread(*otherSize_, piece) ? Fitted(*otherSize_, piece) : Proportional(piece);
    // However the fit came out (a busy machine's pause in one piece reads as
    // a fixed part), no piece takes longer than the fastest piece's whole
    // time, taken as bytes, allows: a pause only ever slows a piece.
    if (piece.ms >= kSeenMs)
        fastestBytesPerMs_ = std::max(fastestBytesPerMs_, static_cast<double>(piece.bytes) / piece.ms);
    const double most = fastestBytesPerMs_ > 0 ? fastestBytesPerMs_ * kMostPieceMs : double{kMostBytes};
    bytes_ = static_cast<DWORD>(
        std::clamp(std::min(static_cast<double>(aimed), most), double{kLeastBytes}, double{kMostBytes}));
}

// Until two sizes are known, the time is taken to follow the bytes alone, and
// the next piece is made at least twice or at most half as large, so that
// the one after it can tell the fixed part from the rate.
DWORD PieceSize::Proportional(const Piece& piece) const {
    const double aimed = piece.bytes * kAimMs / std::max<DWORD>(piece.ms, 1);
    const double differing =
        aimed < piece.bytes ? std::min(aimed, piece.bytes / 2.0) : std::max(aimed, 2.0 * piece.bytes);
    return static_cast<DWORD>(std::clamp(differing, double{kLeastBytes}, Most(piece.ms)));
}

double PieceSize::Most(DWORD ms) const {
    if (ms >= kSeenMs) return kMostBytes;
    return std::clamp(4.0 * largestBytes_, double{kLeastBytes}, double{kMostBytes});
}

DWORD PieceSize::Fitted(const Piece& earlier, const Piece& later) const {
    const Piece& small = earlier.bytes < later.bytes ? earlier : later;
    const Piece& large = earlier.bytes < later.bytes ? later : earlier;
    const double most = Most(large.ms);
    const double msPerByte =
        (static_cast<double>(large.ms) - small.ms) / (static_cast<double>(large.bytes) - small.bytes);
    // The larger piece was no slower: what the bytes cost is too little to see.
    if (msPerByte <= 0) return static_cast<DWORD>(most);
    const double fixedMs = std::clamp(small.ms - msPerByte * small.bytes, 0.0, static_cast<double>(small.ms));
    // The fixed part is paid for under half of the time, and the piece takes
    // at least the aimed time.
    const double bytesMs = std::min(std::max(kBytesPerFixed * fixedMs, kAimMs - fixedMs), kMostBytesMs);
    return static_cast<DWORD>(std::clamp(bytesMs / msPerByte, double{kLeastBytes}, most));
}
