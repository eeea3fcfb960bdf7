// CRC-32 (the zlib polynomial), to tell a damaged block of data.
#pragma once

#include <cstddef>
#include <cstdint>

std::uint32_t Crc32(const void* data, std::size_t size);

// The CRC-32 of the bytes that gave crc followed by data: a block taken in
// pieces, each piece continuing the last one's result (0 before the first),
// ends with the block's CRC-32.
std::uint32_t Crc32Continued(std::uint32_t crc, const void* data, std::size_t size);
