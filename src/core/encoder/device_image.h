#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace varnel {

// The program's copy of the badge memory: every offset is a badge address.  Message header k
// lies at 0x0600 + 0x100 * k, bitmap cell c (32 bytes) at 0x0E00 + 32 * c.
class DeviceImage {
  public:
    static constexpr std::size_t kSize = 32768;
    static constexpr std::size_t kHeaderBase = 0x0600;
    static constexpr std::size_t kHeaderSize = 0x100;
    static constexpr int kMaxMessages = 8;
    static constexpr std::size_t kCellBase = 0x0E00;
    static constexpr std::size_t kCellSize = 32;
    static constexpr int kCellCapacity = 912;

    static constexpr std::size_t headerOffset(int k) {
        return kHeaderBase + kHeaderSize * static_cast<std::size_t>(k);
    }
    static constexpr std::size_t cellOffset(int c) {
        return kCellBase + kCellSize * static_cast<std::size_t>(c);
    }

    const std::uint8_t* data() const { return bytes_.data(); }
    std::uint8_t* data() { return bytes_.data(); }
    std::uint8_t operator[](std::size_t offset) const { return bytes_[offset]; }

    void clear() { bytes_.fill(0); }

    // Message header k (0..7), 256 bytes.
    std::uint8_t* header(int k) { return bytes_.data() + headerOffset(k); }
    const std::uint8_t* header(int k) const { return bytes_.data() + headerOffset(k); }
    // Bitmap cell c (0..911), 32 bytes.
    std::uint8_t* cell(int c) { return bytes_.data() + cellOffset(c); }
    const std::uint8_t* cell(int c) const { return bytes_.data() + cellOffset(c); }

  private:
    std::array<std::uint8_t, kSize> bytes_{};
};

static_assert(DeviceImage::cellOffset(DeviceImage::kCellCapacity) == DeviceImage::kSize);
static_assert(DeviceImage::headerOffset(DeviceImage::kMaxMessages) == DeviceImage::kCellBase);

}  // namespace varnel
