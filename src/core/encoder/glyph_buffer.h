#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace varnel {

// The one buffer every glyph read fills: 256 bytes, zero at start.  Reads replace its first 32
// or 64 bytes and leave the rest; nothing ever clears it.
class GlyphBuffer {
  public:
    static constexpr std::size_t kSize = 256;

    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }
    std::uint8_t& operator[](std::size_t i) { return bytes_[i]; }
    std::uint8_t operator[](std::size_t i) const { return bytes_[i]; }

  private:
    std::array<std::uint8_t, kSize> bytes_{};
};

// Thickens the glyph: in every pair of bytes of the buffer each lit pixel also lights the pixel
// to its right within the same 16-pixel row.
void BoldGlyph(GlyphBuffer& buffer);

// Turns the 16 x 16 cell at offset 0 or 32 of the buffer by 90 degrees counter-clockwise, in
// place: pixel (r, c) moves to (15 - c, r).  Other offsets do nothing.
void RotateGlyph(GlyphBuffer& buffer, int offset);

}  // namespace varnel
