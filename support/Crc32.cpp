#include "support/Crc32.h"

#include <array>
#include <cstring>

namespace {

// Eight tables, so that the loop takes eight bytes a step: the payload's
// check must cost little next to writing it.
using Tables = std::array<std::array<std::uint32_t, 256>, 8>;

Tables MakeTables() {
    Tables tables{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t crc = i;
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ ((crc & 1) ? 0xEDB88320u : 0);
        tables[0][i] = crc;
    }
    for (std::uint32_t i = 0; i < 256; ++i)
        for (size_t t = 1; t < 8; ++t) tables[t][i] = (tables[t - 1][i] >> 8) ^ tables[0][tables[t - 1][i] & 0xFF];
    return tables;
}

}  // namespace

std::uint32_t Crc32(const void* data, std::size_t size) {
    static const Tables tables = MakeTables();
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::uint32_t crc = 0xFFFFFFFFu;
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
    return crc ^ 0xFFFFFFFFu;
}
