// CRC-32 (the zlib polynomial), to tell a damaged block of data.
#pragma once

#include <cstddef>
#include <cstdint>

std::uint32_t Crc32(const void* data, std::size_t size);
