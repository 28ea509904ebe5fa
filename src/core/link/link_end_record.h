#pragma once

#include <array>
#include <cstdint>

namespace varnel {

// The closing record of a transfer: 0x02, '3', and the message mask.
class LinkEndRecord {
  public:
    static constexpr std::size_t kSize = 3;
    static constexpr std::uint8_t kTypeEnd = 0x33;

    explicit LinkEndRecord(std::uint8_t mask) : bytes_{0x02, kTypeEnd, mask} {}

    // The mask for n messages sent: the low n bits set (0 gives 0x00, 8 gives 0xFF).
    static LinkEndRecord forMessageCount(int n);

    std::uint8_t mask() const { return bytes_[2]; }
    const std::array<std::uint8_t, kSize>& bytes() const { return bytes_; }

  private:
    std::array<std::uint8_t, kSize> bytes_;
};

}  // namespace varnel
