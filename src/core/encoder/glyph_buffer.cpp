#include "encoder/glyph_buffer.h"

#include <bit>

namespace varnel {

void BoldGlyph(GlyphBuffer& buffer) {
    for (std::size_t i = 0; i + 1 < GlyphBuffer::kSize; i += 2) {
        unsigned w = (static_cast<unsigned>(buffer[i]) << 8) | buffer[i + 1];
        w |= w >> 1;
        buffer[i] = static_cast<std::uint8_t>(w >> 8);
        buffer[i + 1] = static_cast<std::uint8_t>(w & 0xFF);
    }
}

void RotateGlyph(GlyphBuffer& buffer, int offset) {
    if (offset != 0 && offset != 32) {
        return;
    }
    std::uint8_t* cell = buffer.data() + offset;
    // Row r as a 16-bit word, column c at bit 15 - c.  Pixel (r, c) moves to row 15 - c, which
    // is the bit number of the pixel in its old row, and to column r.
    std::array<std::uint16_t, 16> turned{};
    for (int r = 0; r < 16; ++r) {
        unsigned bits = (unsigned(cell[2 * r]) << 8) | cell[2 * r + 1];
        while (bits != 0) {
            const int b = std::countr_zero(bits);
            turned[std::size_t(b)] |= static_cast<std::uint16_t>(0x8000u >> r);
            bits &= bits - 1;
        }
    }
    for (std::size_t r = 0; r < 16; ++r) {
        cell[2 * r] = static_cast<std::uint8_t>(turned[r] >> 8);
        cell[2 * r + 1] = static_cast<std::uint8_t>(turned[r] & 0xFF);
    }
}

}  // namespace varnel
