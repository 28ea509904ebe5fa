#pragma once

#include <array>
#include <cstdint>

namespace varnel::glyphgen {

// One 16 x 16 bitmap cell as the badge stores it: 16 rows of 2 bytes from the top, bit 7 of a
// row's first byte is its leftmost pixel, a set bit is a lit LED.
class GlyphCell {
  public:
    static constexpr int kSize = 16;
    static constexpr int kBytes = 32;

    bool pixel(int row, int column) const {
        return (bytes_[index(row, column)] & mask(column)) != 0;
    }
    void setPixel(int row, int column) { bytes_[index(row, column)] |= mask(column); }
    // Pixels outside the cell are ignored, so a caller may draw with clipping for free.
    void setPixelClipped(int row, int column) {
        if (row >= 0 && row < kSize && column >= 0 && column < kSize) {
            setPixel(row, column);
        }
    }

    bool blank() const {
        for (std::uint8_t b : bytes_) {
            if (b != 0) {
                return false;
            }
        }
        return true;
    }

    const std::array<std::uint8_t, kBytes>& bytes() const { return bytes_; }
    bool operator==(const GlyphCell&) const = default;

  private:
    static int index(int row, int column) { return row * 2 + column / 8; }
    static std::uint8_t mask(int column) { return static_cast<std::uint8_t>(0x80 >> (column % 8)); }

    std::array<std::uint8_t, kBytes> bytes_{};
};

}  // namespace varnel::glyphgen
