#include "support/Crc32.h"

#include <cpuid.h>
#include <immintrin.h>

#include <cstring>
#include <memory>

namespace {

// Eight tables of the zlib polynomial, so that the loop takes eight bytes a
// step. Made on first use, on the heap: as a static array the compiler works
// them out and the exe carries them, 8 KB.
struct Tables {
    std::uint32_t of[8][256];
};

std::unique_ptr<Tables> MakeTables() {
    auto tables = std::make_unique<Tables>();
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t crc = i;
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ ((crc & 1) ? 0xEDB88320u : 0);
        tables->of[0][i] = crc;
    }
    for (std::uint32_t i = 0; i < 256; ++i)
        for (int t = 1; t < 8; ++t)
            tables->of[t][i] = (tables->of[t - 1][i] >> 8) ^ tables->of[0][tables->of[t - 1][i] & 0xFF];
    return tables;
}

// crc is the running value, inverted.
std::uint32_t Sliced(const unsigned char* bytes, std::size_t size, std::uint32_t crc) {
    static const std::unique_ptr<Tables> made = MakeTables();
    const auto& tables = made->of;
    for (; size >= 8; size -= 8, bytes += 8) {
        std::uint32_t low, high;
        std::memcpy(&low, bytes, 4);
        std::memcpy(&high, bytes + 4, 4);
        low ^= crc;
        crc = tables[7][low & 0xFF] ^ tables[6][(low >> 8) & 0xFF] ^ tables[5][(low >> 16) & 0xFF] ^
              tables[4][low >> 24] ^ tables[3][high & 0xFF] ^ tables[2][(high >> 8) & 0xFF] ^
              tables[1][(high >> 16) & 0xFF] ^ tables[0][high >> 24];
    }
    for (; size > 0; --size, ++bytes) crc = (crc >> 8) ^ tables[0][(crc ^ *bytes) & 0xFF];
    return crc;
}

// CRC-32 by carry-less multiplication (Intel, "Fast CRC Computation for
// Generic Polynomials Using PCLMULQDQ"): four 16-byte lanes fold 64 bytes a
// step, about as fast as the memory delivers them, where tables take three
// to four times as long. The constants are powers of x modulo the polynomial,
// bit-reflected: x^(4*128±32) for the lanes, x^(128±32) for the final folds,
// x^64 and the Barrett constants for the last 32 bits.
#define KORDEX_FOLDING __attribute__((target("pclmul,sse4.1"), always_inline)) inline

KORDEX_FOLDING __m128i Load(const unsigned char* at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at)); }

KORDEX_FOLDING __m128i Constant(const std::uint64_t* pair) {
    return _mm_load_si128(reinterpret_cast<const __m128i*>(pair));
}

// x times the low and the high halves of k, added: x carried 128 or 512 bits on.
KORDEX_FOLDING __m128i Carried(__m128i x, __m128i k) {
    return _mm_xor_si128(_mm_clmulepi64_si128(x, k, 0x00), _mm_clmulepi64_si128(x, k, 0x11));
}

// size is a multiple of 16 and at least 64; crc is the running value,
// inverted. 32-bit Windows keeps the stack 4-byte aligned (a window
// procedure's, say), while an XMM spill needs 16: the function realigns its
// own stack on entry. Wine aligns to 16 anyway, so only Windows would fault.
__attribute__((target("pclmul,sse4.1"), force_align_arg_pointer)) std::uint32_t Fold(const unsigned char* data,
                                                                                      std::size_t size,
                                                                                      std::uint32_t crc) {
    alignas(16) static const std::uint64_t kLanes[] = {0x0154442BD4, 0x01C6E41596};
    alignas(16) static const std::uint64_t kOne[] = {0x01751997D0, 0x00CCAA009E};
    alignas(16) static const std::uint64_t kLast[] = {0x0163CD6124, 0};
    alignas(16) static const std::uint64_t kBarrett[] = {0x01DB710641, 0x01F7011641};

    // Four named lanes: in registers, unlike an array.
    __m128i a = _mm_xor_si128(Load(data), _mm_cvtsi32_si128(static_cast<int>(crc)));
    __m128i b = Load(data + 16), c = Load(data + 32), d = Load(data + 48);
    data += 64;
    size -= 64;
    const __m128i lanes = Constant(kLanes);
    for (; size >= 64; data += 64, size -= 64) {
        a = _mm_xor_si128(Carried(a, lanes), Load(data));
        b = _mm_xor_si128(Carried(b, lanes), Load(data + 16));
        c = _mm_xor_si128(Carried(c, lanes), Load(data + 32));
        d = _mm_xor_si128(Carried(d, lanes), Load(data + 48));
    }

    const __m128i one = Constant(kOne);
    __m128i x = _mm_xor_si128(Carried(a, one), b);
    x = _mm_xor_si128(Carried(x, one), c);
    x = _mm_xor_si128(Carried(x, one), d);
    for (; size >= 16; data += 16, size -= 16) x = _mm_xor_si128(Carried(x, one), Load(data));

    // 128 bits to 64, to 32 (with 32 zero bits appended), then Barrett's reduction.
    const __m128i low32 = _mm_setr_epi32(-1, 0, -1, 0);
    x = _mm_xor_si128(_mm_srli_si128(x, 8), _mm_clmulepi64_si128(x, one, 0x10));
    const __m128i last = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(kLast));
    x = _mm_xor_si128(_mm_srli_si128(x, 4), _mm_clmulepi64_si128(_mm_and_si128(x, low32), last, 0x00));
    const __m128i barrett = Constant(kBarrett);
    __m128i q = _mm_clmulepi64_si128(_mm_and_si128(x, low32), barrett, 0x10);
    q = _mm_clmulepi64_si128(_mm_and_si128(q, low32), barrett, 0x00);
    return static_cast<std::uint32_t>(_mm_extract_epi32(_mm_xor_si128(x, q), 1));
}

// Processors from 2010 on; older ones (most of Windows XP's) take the tables.
bool CanFold() {
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    return __get_cpuid(1, &eax, &ebx, &ecx, &edx) && (ecx & bit_PCLMUL) && (ecx & bit_SSE4_1);
}

}  // namespace

std::uint32_t Crc32(const void* data, std::size_t size) { return Crc32Continued(0, data, size); }

std::uint32_t Crc32Continued(std::uint32_t crc, const void* data, std::size_t size) {
    static const bool canFold = CanFold();
    const auto* bytes = static_cast<const unsigned char*>(data);
    // The running value is kept inverted.
    crc ^= 0xFFFFFFFFu;
    if (canFold && size >= 64) {
        const std::size_t folded = size & ~std::size_t{15};
        crc = Fold(bytes, folded, crc);
        bytes += folded;
        size -= folded;
    }
    // The tables for what is left, or for all on an older processor.
    return Sliced(bytes, size, crc) ^ 0xFFFFFFFFu;
}
