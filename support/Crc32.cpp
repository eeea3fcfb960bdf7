#include "support/Crc32.h"

#include <zlib.h>

std::uint32_t Crc32(const void* data, std::size_t size) {
    // zlib's, which takes several bytes a step: the payload's check must cost
    // little next to writing it.
    return static_cast<std::uint32_t>(crc32_z(0, static_cast<const Bytef*>(data), size));
}
