#include "support/Crc32.h"

#include <doctest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

// CRC-32 by its definition, one bit at a time: slow, and plainly right.
std::uint32_t BitByBit(const unsigned char* bytes, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ ((crc & 1) ? 0xEDB88320u : 0);
    }
    return crc ^ 0xFFFFFFFFu;
}

#if defined(__i386__)
// Calls crc(data, size) with the stack `by` bytes (0, 4, 8 or 12) off the
// 16-byte alignment GCC assumes at a call, as 32-bit Windows may leave it
// when it calls into the program.
extern "C" std::uint32_t CallMisaligned(std::uint32_t (*crc)(const void*, std::size_t), unsigned by,
                                        const void* data, std::size_t size);
asm(R"(
    .text
    .globl _CallMisaligned
_CallMisaligned:
    pushl %ebp
    movl %esp, %ebp
    andl $-16, %esp
    subl $24, %esp
    addl 12(%ebp), %esp
    pushl 20(%ebp)
    pushl 16(%ebp)
    call *8(%ebp)
    movl %ebp, %esp
    popl %ebp
    ret
)");
#endif

}  // namespace

TEST_CASE("the checksum agrees with zlib's CRC-32 on known inputs") {
    struct Case {
        const char* text;
        std::uint32_t crc;
    };
    const Case cases[] = {
        {"", 0x00000000u},
        {"a", 0xE8B7BE43u},
        {"123456789", 0xCBF43926u},
        {"The quick brown fox jumps over the lazy dog", 0x414FA339u},
    };
    for (const Case& c : cases) {
        CAPTURE(std::string(c.text));
        CHECK(Crc32(c.text, std::strlen(c.text)) == c.crc);
    }
}

TEST_CASE("one changed byte anywhere changes the checksum, also in the unaligned tail") {
    std::vector<unsigned char> data(1027);
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<unsigned char>(i * 7);
    const std::uint32_t original = Crc32(data.data(), data.size());
    for (size_t at : {size_t{0}, size_t{5}, size_t{512}, size_t{1026}}) {
        CAPTURE(at);
        data[at] ^= 0x01;
        CHECK(Crc32(data.data(), data.size()) != original);
        data[at] ^= 0x01;
    }
    CHECK(Crc32(data.data(), data.size()) == original);
}

TEST_CASE("every length and alignment gives the same CRC-32 as its definition, whichever way the processor allows") {
    // Enough for the 64-byte lanes, the 16-byte steps and the tails, at each
    // of the 16 alignments a mapped item may start at.
    std::vector<unsigned char> data(4096 + 16);
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<unsigned char>((i * 2654435761u) >> 13);
    for (size_t offset = 0; offset < 16; ++offset) {
        for (size_t size : {size_t{1}, size_t{15}, size_t{16}, size_t{63}, size_t{64}, size_t{65}, size_t{79},
                            size_t{80}, size_t{127}, size_t{128}, size_t{200}, size_t{1000}, size_t{4096}}) {
            CAPTURE(offset);
            CAPTURE(size);
            CHECK(Crc32(data.data() + offset, size) == BitByBit(data.data() + offset, size));
        }
    }
}

TEST_CASE("a block taken in pieces, each continuing the last, gives the CRC-32 of the whole block") {
    std::vector<unsigned char> data(3000);
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<unsigned char>((i * 2654435761u) >> 11);
    const std::uint32_t whole = BitByBit(data.data(), data.size());
    // Two pieces split anywhere: either side may be empty, short of the
    // folding's 64 bytes, or long enough for it.
    for (size_t split = 0; split <= data.size(); split += (split < 200 ? 1 : 97)) {
        CAPTURE(split);
        const std::uint32_t first = Crc32Continued(0, data.data(), split);
        CHECK(first == BitByBit(data.data(), split));
        CHECK(Crc32Continued(first, data.data() + split, data.size() - split) == whole);
    }
    // Many pieces of one size, the last one shorter.
    for (size_t piece : {size_t{1}, size_t{7}, size_t{64}, size_t{100}, size_t{1024}}) {
        CAPTURE(piece);
        std::uint32_t crc = 0;
        for (size_t done = 0; done < data.size(); done += piece)
            crc = Crc32Continued(crc, data.data() + done, std::min(piece, data.size() - done));
        CHECK(crc == whole);
    }
}

#if defined(__i386__)
TEST_CASE("the CRC-32 is right when called on a stack aligned to 4 bytes only") {
    // Long enough for the carry-less folding, where the processor has it.
    std::vector<unsigned char> data(1000);
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<unsigned char>(i * 13);
    const std::uint32_t expected = BitByBit(data.data(), data.size());
    for (unsigned by : {0u, 4u, 8u, 12u}) {
        CAPTURE(by);
        CHECK(CallMisaligned(&Crc32, by, data.data(), data.size()) == expected);
    }
}
#else
TEST_CASE("the CRC-32 is right when called on a stack aligned to 4 bytes only" * doctest::skip() *
          doctest::description("x86-64 keeps the stack 16-byte aligned at every call; "
                               "only the 32-bit build has such a caller to imitate")) {}
#endif
