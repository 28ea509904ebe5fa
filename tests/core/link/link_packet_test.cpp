#include "link/link_packet.h"

#include <gtest/gtest.h>

#include "link/link_end_record.h"

namespace varnel {
namespace {

TEST(LinkPacket, ZeroDataAtHeaderBaseHasChecksum37) {
    std::array<std::uint8_t, 64> zeros{};
    LinkPacket packet(0x0600, zeros);
    const auto& b = packet.bytes();
    EXPECT_EQ(b[0], 0x02);
    EXPECT_EQ(b[1], 0x31);
    EXPECT_EQ(b[2], 0x06);
    EXPECT_EQ(b[3], 0x00);
    EXPECT_TRUE(std::all_of(b.begin() + 4, b.begin() + 68, [](std::uint8_t x) { return x == 0; }));
    EXPECT_EQ(b[68], 0x37);
}

TEST(LinkPacket, ChecksumSumsBytesOneToSixtySevenOnly) {
    std::array<std::uint8_t, 64> data{};
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<std::uint8_t>(0xF0 + i);  // wraps past 256 many times
    }
    LinkPacket packet(0x7FC0, data);
    unsigned sum = 0x31 + 0x7F + 0xC0;
    for (std::uint8_t x : data) {
        sum += x;
    }
    EXPECT_EQ(packet.checksum(), sum % 256);

    std::array<std::uint8_t, 69> changed = packet.bytes();
    changed[0] = 0xAA;  // the start byte is not summed
    EXPECT_EQ(LinkPacket::checksumOf(changed), packet.checksum());
    changed[67] ^= 0x01;
    EXPECT_NE(LinkPacket::checksumOf(changed), packet.checksum());
}

TEST(LinkEndRecord, MaskHasOneBitPerMessage) {
    struct Case {
        int n;
        std::uint8_t mask;
    };
    for (Case c : {Case{0, 0x00}, Case{1, 0x01}, Case{3, 0x07}, Case{7, 0x7F}, Case{8, 0xFF}}) {
        LinkEndRecord end = LinkEndRecord::forMessageCount(c.n);
        EXPECT_EQ(end.bytes(), (std::array<std::uint8_t, 3>{0x02, 0x33, c.mask})) << c.n;
    }
}

}  // namespace
}  // namespace varnel
