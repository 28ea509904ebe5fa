#include "link/initial_screen_upload.h"

#include <gtest/gtest.h>

#include "core/link/link_fakes.h"
#include "link/link_packet.h"

namespace varnel {
namespace {

using testing::LinkEvent;

struct UploadFixture : ::testing::Test {
    testing::LinkLog log;
    testing::FakeSerialPorts ports{log};
    testing::RecordingSleeper sleeper{log};
    testing::RecordingLinkUser user{log};
    std::vector<int> blocksRead;

    FontBlockReader reader() {
        return [this](int block) {
            blocksRead.push_back(block);
            std::array<std::uint8_t, 64> data{};
            for (std::size_t i = 0; i < data.size(); ++i) {
                data[i] = static_cast<std::uint8_t>(block * 64 + static_cast<int>(i));
            }
            return data;
        };
    }

    LinkResult upload(std::optional<int> port) {
        return uploadInitialScreen(port, reader(), ports, sleeper, user);
    }
};

TEST_F(UploadFixture, WritesFortyEightFontBlocksAndTheFullMask) {
    ports.device(2);
    LinkResult r = upload(2);
    EXPECT_EQ(r.outcome, LinkOutcome::Completed);
    std::vector<std::uint8_t> bytes = testing::bytesWritten(log, 2);
    ASSERT_EQ(bytes.size(), 48u * 69 + 3);
    for (int i = 0; i < 48; ++i) {
        std::span<const std::uint8_t, 69> p(bytes.data() + 69 * i, 69);
        EXPECT_EQ(p[2], i / 4);
        EXPECT_EQ(p[3], 0x40 * (i % 4));
        EXPECT_EQ(p[4], static_cast<std::uint8_t>(i * 64));
        EXPECT_EQ(p[67], static_cast<std::uint8_t>(i * 64 + 63));
        EXPECT_EQ(p[68], LinkPacket::checksumOf(p));
    }
    EXPECT_EQ(bytes[69 * 47 + 2], 0x0B);
    EXPECT_EQ(bytes[69 * 47 + 3], 0xC0);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.end() - 3, bytes.end()),
              (std::vector<std::uint8_t>{0x02, 0x33, 0xFF}));
    EXPECT_EQ(testing::sleeps(log), std::vector<int>(48, 40));
    EXPECT_EQ(blocksRead.size(), 48u);
    EXPECT_EQ(blocksRead.back(), 47);

    // No lead-in, no pause before the first packet; the end record goes out without a pause.
    std::vector<std::string> lines = testing::outline(log);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 5),
              (std::vector<std::string>{"open 2", "line 2 38400 810", "max 3312", "W 2 x69",
                                        "sleep 40"}));
    EXPECT_EQ(std::vector<std::string>(lines.end() - 7, lines.end()),
              (std::vector<std::string>{"sleep 40", "W 2 02", "W 2 33", "W 2 FF", "close 2",
                                        "pos 0", "green"}));
    EXPECT_TRUE(testing::eventsOf(log, LinkEvent::Panel).empty());
}

TEST_F(UploadFixture, ScanGoesUpFromOneWithoutLettersOrPanels) {
    ports.device(2);  // silent
    ports.device(3).answer = 'X';
    ports.device(4).openError = SerialErrorKind::Busy;
    ports.device(6).answer = 'T';
    LinkResult r = upload(std::nullopt);
    EXPECT_EQ(r.port, 6);
    EXPECT_EQ(testing::portsOpened(log), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(testing::portsClosed(log), (std::vector<int>{2, 3, 6}));
    std::vector<std::uint8_t> bytes = testing::bytesWritten(log, 6);
    EXPECT_EQ(bytes[0], 'T');
    EXPECT_EQ(bytes[1], 0x02) << "the first packet follows the probe at once";
    EXPECT_EQ(bytes.size(), 1 + 48u * 69 + 3);
    EXPECT_TRUE(testing::eventsOf(log, LinkEvent::Panel).empty());
}

TEST_F(UploadFixture, ScanStopsAtPortEight) {
    ports.device(9).answer = 'T';
    LinkResult r = upload(std::nullopt);
    EXPECT_EQ(r.outcome, LinkOutcome::NoBadgeFound);
    EXPECT_EQ(testing::portsOpened(log), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(testing::outline(log).back(), "warning");
    EXPECT_TRUE(blocksRead.empty());
}

TEST_F(UploadFixture, ChosenPortThatDoesNotOpen) {
    ports.device(1).openError = SerialErrorKind::NoPermission;
    upload(1);
    EXPECT_EQ(testing::outline(log),
              (std::vector<std::string>{"open 1",
                                        "message 'Serial port can't open!\n/dev/fake1 refused "
                                        "(NoPermission)'",
                                        "red"}));
}

TEST_F(UploadFixture, RejectedWriteEndsTheUpload) {
    ports.device(1).writesBeforeFailure = 100;
    LinkResult r = upload(1);
    EXPECT_EQ(r.outcome, LinkOutcome::WriteFailed);
    EXPECT_EQ(testing::eventsOf(log, LinkEvent::Write).size(), 101u);
    EXPECT_EQ(blocksRead.size(), 2u);
    EXPECT_EQ(testing::outline(log).back(),
              "message 'Can't write to the serial port!\n/dev/fake1 rejected a write'");
}

}  // namespace
}  // namespace varnel
