#pragma once

#include <cstdint>
#include <vector>

#include "common/byte_file.h"

namespace varnel {

// An uncompressed 24-bit Windows bitmap file: 54-byte header, bottom-up rows padded to four
// bytes.  Pixels are given top row first as 0xRRGGBB.
ByteVector writeBmp24(int width, int height, const std::vector<std::uint32_t>& rgbTopDown);

}  // namespace varnel
