#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace varnel {

// One write of 64 bytes into badge memory: 0x02, '1', address high, address low, the 64 data
// bytes, and a checksum that sums bytes 1 to 67 (the leading 0x02 is not summed).
class LinkPacket {
  public:
    static constexpr std::size_t kSize = 69;
    static constexpr std::size_t kDataSize = 64;
    static constexpr std::uint8_t kStart = 0x02;
    static constexpr std::uint8_t kTypeWrite = 0x31;

    LinkPacket(std::uint16_t address, std::span<const std::uint8_t, kDataSize> data);

    std::uint16_t address() const { return address_; }
    const std::array<std::uint8_t, kSize>& bytes() const { return bytes_; }
    std::uint8_t checksum() const { return bytes_[kSize - 1]; }

    // The checksum of a 69-byte packet as it stands: bytes 1 to 67 summed modulo 256.
    static std::uint8_t checksumOf(std::span<const std::uint8_t, kSize> packet);

  private:
    std::uint16_t address_;
    std::array<std::uint8_t, kSize> bytes_{};
};

}  // namespace varnel
