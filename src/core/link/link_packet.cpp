#include "link/link_packet.h"

#include <algorithm>

namespace varnel {

LinkPacket::LinkPacket(std::uint16_t address, std::span<const std::uint8_t, kDataSize> data)
    : address_(address) {
    bytes_[0] = kStart;
    bytes_[1] = kTypeWrite;
    bytes_[2] = static_cast<std::uint8_t>(address >> 8);
    bytes_[3] = static_cast<std::uint8_t>(address & 0xFF);
    std::copy(data.begin(), data.end(), bytes_.begin() + 4);
    bytes_[kSize - 1] = checksumOf(bytes_);
}

std::uint8_t LinkPacket::checksumOf(std::span<const std::uint8_t, kSize> packet) {
    unsigned sum = 0;
    for (std::size_t i = 1; i < kSize - 1; ++i) {
        sum += packet[i];
    }
    return static_cast<std::uint8_t>(sum & 0xFF);
}

}  // namespace varnel
