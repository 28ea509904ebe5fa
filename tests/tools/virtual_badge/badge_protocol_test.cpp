#include "badge_protocol.h"

#include <gtest/gtest.h>

#include "badge_report.h"

namespace varnel::badge {
namespace {

std::vector<std::uint8_t> packet(unsigned address, std::uint8_t fill) {
    std::vector<std::uint8_t> p = {0x02, '1', static_cast<std::uint8_t>(address >> 8),
                                   static_cast<std::uint8_t>(address & 0xFF)};
    p.insert(p.end(), 64, fill);
    unsigned sum = 0;
    for (std::size_t i = 1; i < p.size(); ++i) {
        sum += p[i];
    }
    p.push_back(static_cast<std::uint8_t>(sum));
    return p;
}

struct Feeder {
    BadgeProtocol badge{std::uint8_t{'T'}};
    std::vector<std::uint8_t> answers;
    bool ended = false;

    void feed(const std::vector<std::uint8_t>& bytes, double atMs) {
        for (std::uint8_t b : bytes) {
            BadgeProtocol::Step s = badge.feed(b, atMs);
            if (s.answer) {
                answers.push_back(*s.answer);
            }
            ended = ended || s.sessionEnded;
        }
    }
};

TEST(BadgeProtocol, TakesASendAndTimesEachPacket) {
    Feeder f;
    f.feed({'T'}, 0);
    f.feed({'A', 'B', 'C', 'D', 'E'}, 1);
    f.feed({0x00}, 2);
    f.feed(packet(0x0600, 0x11), 102.5);
    f.feed(packet(0x0E00, 0x22), 131);
    f.feed({0x02, '3', 0x01}, 156);
    EXPECT_EQ(f.answers, std::vector<std::uint8_t>{'T'});
    EXPECT_TRUE(f.ended);
    const Session& s = f.badge.session();
    EXPECT_EQ(s.probes, 1);
    EXPECT_EQ(s.letters, "ABCDE");
    EXPECT_EQ(s.leadIns, 1);
    ASSERT_EQ(s.packets.size(), 2u);
    EXPECT_EQ(s.packets[0].address, 0x0600u);
    EXPECT_DOUBLE_EQ(*s.packets[0].msSincePrevious, 100.5);
    EXPECT_DOUBLE_EQ(*s.packets[1].msSincePrevious, 28.5);
    EXPECT_EQ(s.end->mask, 0x01);
    EXPECT_DOUBLE_EQ(*s.end->msSincePrevious, 25);
    EXPECT_TRUE(s.ok());
    EXPECT_EQ(f.badge.memory()[0x0600], 0x11);
    EXPECT_EQ(f.badge.memory()[0x0E3F], 0x22);
    EXPECT_EQ(f.badge.memory()[0x0E40], 0x00);
}

TEST(BadgeProtocol, CatchesWhatASenderGetsWrong) {
    Feeder f;
    std::vector<std::uint8_t> bad = packet(0x0640, 0x33);
    bad[4] ^= 0x01;  // data changed after the checksum was made
    f.feed(bad, 0);
    f.feed(packet(0x0601, 0x44), 30);  // not a multiple of 64
    f.feed(packet(0x7FC1, 0x44), 60);  // would run past the memory
    f.feed({0x02, '9'}, 90);           // no such record
    f.feed({0x7F}, 91);
    const Session& s = f.badge.session();
    ASSERT_EQ(s.packets.size(), 3u);
    EXPECT_FALSE(s.packets[0].checksumOk);
    EXPECT_TRUE(s.packets[0].addressOk);
    EXPECT_EQ(s.packets[0].msSincePrevious, std::nullopt) << "nothing came before it";
    EXPECT_FALSE(s.packets[1].addressOk);
    EXPECT_FALSE(s.packets[2].addressOk);
    EXPECT_EQ(s.unexpected, (std::vector<std::uint8_t>{0x02, '9', 0x7F}));
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(f.badge.memory()[0x0640], 0x00) << "a damaged packet is not stored";
}

TEST(BadgeProtocol, AnUnfinishedRecordIsDroppedAfterAPause) {
    Feeder f;
    std::vector<std::uint8_t> half = packet(0x0600, 0x55);
    half.resize(30);
    f.feed(half, 0);
    f.feed({'T'}, 1000);  // the sender started over
    EXPECT_EQ(f.answers, std::vector<std::uint8_t>{'T'});
    EXPECT_EQ(f.badge.session().truncatedRecords, 1);
    EXPECT_TRUE(f.badge.session().packets.empty());
}

TEST(BadgeProtocol, ReplyCanBeAnotherByteOrNothing) {
    BadgeProtocol other(std::uint8_t{'X'});
    EXPECT_EQ(other.feed('T', 0).answer, std::uint8_t{'X'});
    BadgeProtocol silent(std::nullopt);
    EXPECT_EQ(silent.feed('T', 0).answer, std::nullopt);
    EXPECT_EQ(silent.session().probes, 1);
    EXPECT_EQ(silent.session().replies, 0);
}

TEST(BadgeReport, ListsPacketsAndEnd) {
    Feeder f;
    f.feed({0x00}, 0);
    f.feed(packet(0x0600, 0), 100);
    f.feed({0x02, '3', 0xFF}, 128);
    Session done = f.badge.takeSession();
    const std::string json = reportJson({done}, nullptr);
    EXPECT_NE(json.find("\"address\": 1536, \"addressHex\": \"0x0600\", \"addressOk\": true, "
                        "\"checksumOk\": true, \"checksum\": 55, \"expectedChecksum\": 55, "
                        "\"msSincePrevious\": 100.000}"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"end\": {\"mask\": 255, \"msSincePrevious\": 28.000}"),
              std::string::npos);
    EXPECT_NE(json.find("\"ok\": true\n}"), std::string::npos);
}

}  // namespace
}  // namespace varnel::badge
