#include "encoder/glyph_buffer.h"

namespace varnel {

void BoldGlyph(GlyphBuffer& buffer) {
    for (std::size_t i = 0; i + 1 < GlyphBuffer::kSize; i += 2) {
        unsigned w = (static_cast<unsigned>(buffer[i]) << 8) | buffer[i + 1];
        w |= w >> 1;
        buffer[i] = static_cast<std::uint8_t>(w >> 8);
        buffer[i + 1] = static_cast<std::uint8_t>(w & 0xFF);
    }
}

namespace {

bool pixelAt(const std::uint8_t* cell, int row, int col) {
    std::uint8_t byte = cell[2 * row + col / 8];
    return (byte & (0x80 >> (col % 8))) != 0;
}

}  // namespace

void RotateGlyph(GlyphBuffer& buffer, int offset) {
    if (offset != 0 && offset != 32) {
        return;
    }
    std::uint8_t* cell = buffer.data() + offset;
    std::array<std::uint8_t, 32> turned{};
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 16; ++c) {
            if (pixelAt(cell, r, c)) {
                int nr = 15 - c;
                int nc = r;
                turned[static_cast<std::size_t>(2 * nr + nc / 8)] |=
                    static_cast<std::uint8_t>(0x80 >> (nc % 8));
            }
        }
    }
    for (std::size_t i = 0; i < turned.size(); ++i) {
        cell[i] = turned[i];
    }
}

}  // namespace varnel
