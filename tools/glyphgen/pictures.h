#pragma once

#include <cstdint>
#include <vector>

namespace varnel::glyphgen {

// The twelve 32 x 16 pictures in file order, 64 bytes each: the left 16 x 16 cell, then the
// right one.  768 bytes.  Throws std::logic_error when the drawings are malformed.
std::vector<std::uint8_t> pictureFileBytes();

}  // namespace varnel::glyphgen
