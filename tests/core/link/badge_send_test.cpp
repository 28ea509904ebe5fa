#include "link/badge_send.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "core/link/link_fakes.h"
#include "link/link_packet.h"
#include "link/port_scan.h"

namespace varnel {
namespace {

using testing::LinkEvent;

using Image = std::array<std::uint8_t, kBadgeMemorySize>;

std::unique_ptr<Image> patternImage() {
    auto image = std::make_unique<Image>();
    for (std::size_t a = 0; a < image->size(); ++a) {
        (*image)[a] = static_cast<std::uint8_t>(a * 7 + a / 256);
    }
    return image;
}

// A Send on fake ports, with COM 3 the badge unless a test says otherwise.
struct SendFixture : ::testing::Test {
    testing::LinkLog log;
    testing::FakeSerialPorts ports{log};
    testing::RecordingSleeper sleeper{log};
    testing::RecordingLinkUser user{log};
    std::unique_ptr<Image> image = patternImage();

    LinkResult send(const std::string& sequence, int cells, std::optional<int> port = 3) {
        SendJob job{sequence, std::span<const std::uint8_t, kBadgeMemorySize>(*image), cells, port};
        return sendToBadge(job, ports, sleeper, user);
    }

    // The packets written to a port after the lead-in, each checked for its checksum and its
    // data against the image.
    std::vector<unsigned> packetAddresses(int port) {
        std::vector<std::uint8_t> bytes = testing::bytesWritten(log, port);
        std::vector<unsigned> addresses;
        std::size_t i = 1;  // the lead-in
        while (i + LinkPacket::kSize <= bytes.size() && bytes[i + 1] == 0x31) {
            std::span<const std::uint8_t, LinkPacket::kSize> p(bytes.data() + i, LinkPacket::kSize);
            EXPECT_EQ(p[0], 0x02);
            EXPECT_EQ(p[68], LinkPacket::checksumOf(p));
            const unsigned address = p[2] * 256u + p[3];
            EXPECT_TRUE(std::equal(p.begin() + 4, p.begin() + 68, image->begin() + address))
                << std::hex << address;
            addresses.push_back(address);
            i += LinkPacket::kSize;
        }
        EXPECT_EQ(bytes.size() - i, 3u) << "an end record follows the packets";
        return addresses;
    }

    std::vector<std::uint8_t> endRecord(int port) {
        std::vector<std::uint8_t> bytes = testing::bytesWritten(log, port);
        return {bytes.end() - 3, bytes.end()};
    }

    void SetUp() override { ports.device(3); }
};

TEST_F(SendFixture, EmptySequenceSendsLeadInAndEndRecordOnly) {
    LinkResult r = send("", 0);
    EXPECT_EQ(r.outcome, LinkOutcome::Completed);
    EXPECT_EQ(testing::bytesWritten(log, 3), (std::vector<std::uint8_t>{0x00, 0x02, 0x33, 0x00}));
    EXPECT_EQ(testing::outline(log),
              (std::vector<std::string>{"open 3", "line 3 38400 810", "W 3 00", "sleep 100",
                                        "panel 0 'Send Message:Empty'", "max 0", "W 3 02", "W 3 33",
                                        "W 3 00", "close 3", "pos 0", "green"}));
}

TEST_F(SendFixture, EightMessagesSendThirtyTwoHeaderPacketsAndFullMask) {
    send("81234567", 0);
    std::vector<unsigned> expected;
    for (unsigned a = 0x0600; a <= 0x0DC0; a += 0x40) {
        expected.push_back(a);
    }
    EXPECT_EQ(packetAddresses(3), expected);
    EXPECT_EQ(endRecord(3), (std::vector<std::uint8_t>{0x02, 0x33, 0xFF}));
    std::vector<int> pauses = testing::sleeps(log);
    ASSERT_EQ(pauses.size(), 33u);
    EXPECT_EQ(pauses.front(), 100);
    EXPECT_TRUE(std::all_of(pauses.begin() + 1, pauses.end(), [](int ms) { return ms == 28; }));
    EXPECT_EQ(user.panels[0], "Send Message:81234567");
}

TEST_F(SendFixture, BitmapPacketsCoverTwoCellsEach) {
    struct Case {
        int cells;
        std::vector<unsigned> bitmapAddresses;
    };
    for (const Case& c : {Case{1, {0x0E00}}, Case{2, {0x0E00}}, Case{3, {0x0E00, 0x0E40}},
                          Case{9, {0x0E00, 0x0E40, 0x0E80, 0x0EC0, 0x0F00}}}) {
        log.clear();
        send("3", c.cells);
        std::vector<unsigned> expected = {0x0600, 0x0640, 0x0680, 0x06C0};
        expected.insert(expected.end(), c.bitmapAddresses.begin(), c.bitmapAddresses.end());
        EXPECT_EQ(packetAddresses(3), expected) << c.cells;
        std::vector<int> pauses = testing::sleeps(log);
        std::vector<int> expectedPauses = {100, 28, 28, 28, 28};
        expectedPauses.insert(expectedPauses.end(), c.bitmapAddresses.size(), 25);
        EXPECT_EQ(pauses, expectedPauses) << c.cells;
        EXPECT_EQ(endRecord(3), (std::vector<std::uint8_t>{0x02, 0x33, 0x01}));
        EXPECT_EQ(testing::eventsOf(log, LinkEvent::ProgressMax).at(0).value,
                  69 * (4 + static_cast<int>(c.bitmapAddresses.size())));
    }
}

TEST_F(SendFixture, OneCellSendsTheClearedSecondHalfOfItsPacket) {
    image->fill(0);
    std::fill_n(image->begin() + 0x0E00, 32, 0xFF);
    send("1", 1);
    std::vector<std::uint8_t> bytes = testing::bytesWritten(log, 3);
    const std::size_t bitmapPacket = 1 + 4 * 69;
    EXPECT_EQ(bytes[bitmapPacket + 2], 0x0E);
    EXPECT_EQ(bytes[bitmapPacket + 3], 0x00);
    EXPECT_TRUE(std::all_of(bytes.begin() + bitmapPacket + 4, bytes.begin() + bitmapPacket + 36,
                            [](std::uint8_t b) { return b == 0xFF; }));
    EXPECT_TRUE(std::all_of(bytes.begin() + bitmapPacket + 36, bytes.begin() + bitmapPacket + 68,
                            [](std::uint8_t b) { return b == 0x00; }));
}

TEST_F(SendFixture, ProgressStepsOncePerPacketByteUpToTheMaximum) {
    send("12", 5);
    const int maximum = 69 * (8 + 3);
    EXPECT_EQ(testing::eventsOf(log, LinkEvent::ProgressMax).at(0).value, maximum);
    std::vector<LinkEvent> steps = testing::eventsOf(log, LinkEvent::ProgressPos);
    ASSERT_EQ(steps.size(), static_cast<std::size_t>(maximum) + 1);
    for (int i = 0; i < maximum; ++i) {
        ASSERT_EQ(steps[static_cast<std::size_t>(i)].value, i + 1);
    }
    EXPECT_EQ(steps.back().value, 0) << "back to 0 after the send";
}

TEST_F(SendFixture, SizeQuestionFromThreeHundredNinetyEightCells) {
    send("1", 397);
    EXPECT_TRUE(testing::eventsOf(log, LinkEvent::Confirm).empty());
    EXPECT_EQ(testing::bytesWritten(log, 3).size(), 1 + 69u * (4 + 199) + 3);

    log.clear();
    send("1", 398);
    std::vector<LinkEvent> questions = testing::eventsOf(log, LinkEvent::Confirm);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].text,
              " Warning: Maybe too many words in message!\r Are you sure to send the message ? ");
    // Answered with OK: the window is repainted before the first packet goes out.
    std::vector<std::string> lines = testing::outline(log);
    auto confirm = std::find(lines.begin(), lines.end(), "confirm");
    ASSERT_NE(confirm, lines.end());
    EXPECT_EQ(*(confirm + 1), "repaint");
    EXPECT_EQ(*(confirm + 2), "max " + std::to_string(69 * (4 + 199)));
    EXPECT_EQ(*(confirm - 1), "panel 0 'Send Message:1'");
}

TEST_F(SendFixture, CancelAtTheSizeQuestionClosesAfterTheLeadIn) {
    user.answer = false;
    LinkResult r = send("12", 500);
    EXPECT_EQ(r.outcome, LinkOutcome::Cancelled);
    EXPECT_EQ(testing::outline(log),
              (std::vector<std::string>{"open 3", "line 3 38400 810", "W 3 00", "sleep 100",
                                        "panel 0 'Send Message:12'", "confirm", "close 3"}));
}

TEST_F(SendFixture, ChosenPortIsWrittenAtOnceWithoutProbe) {
    ports.device(10);
    send("1", 0, 10);
    EXPECT_EQ(testing::portsOpened(log), std::vector<int>{10});
    EXPECT_TRUE(testing::eventsOf(log, LinkEvent::SetTimeouts).empty());
    EXPECT_TRUE(testing::eventsOf(log, LinkEvent::Read).empty());
    EXPECT_EQ(testing::bytesWritten(log, 10).front(), 0x00);
}

TEST_F(SendFixture, ChosenPortThatDoesNotOpen) {
    struct Case {
        SerialErrorKind kind;
        bool explained;
    };
    for (Case c : {Case{SerialErrorKind::NoSuchPort, false},
                   Case{SerialErrorKind::NoPermission, true}, Case{SerialErrorKind::Busy, true}}) {
        log.clear();
        ports.device(4).openError = c.kind;
        LinkResult r = send("1", 0, c.kind == SerialErrorKind::NoSuchPort ? 5 : 4);
        EXPECT_EQ(r.outcome, LinkOutcome::PortNotOpened);
        std::vector<LinkEvent> messages = testing::eventsOf(log, LinkEvent::Message);
        ASSERT_EQ(messages.size(), 1u);
        if (c.explained) {
            EXPECT_EQ(messages[0].text, "Can't Open the serial port!\n/dev/fake4 refused (" +
                                            std::string(serialErrorKindName(c.kind)) + ")");
        } else {
            EXPECT_EQ(messages[0].text, "Can't Open the serial port!");
        }
        EXPECT_EQ(testing::outline(log).back(), "red");
        EXPECT_TRUE(testing::eventsOf(log, LinkEvent::Write).empty());
    }
}

TEST_F(SendFixture, ScanGoesDownFromTwentyAndListsEveryPortThatOpened) {
    ports.device(15).answer = 'X';  // another device that answers something else
    ports.device(12);               // opens, stays silent
    ports.device(9).openError = SerialErrorKind::NoPermission;
    ports.device(7).openError = SerialErrorKind::Busy;
    ports.device(5).answer = 'T';
    ports.device(2).answer = 'T';  // never reached
    LinkResult r = send("1", 0, std::nullopt);
    EXPECT_EQ(r.outcome, LinkOutcome::Completed);
    EXPECT_EQ(r.port, 5);
    EXPECT_EQ(testing::portsOpened(log),
              (std::vector<int>{20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5}));
    std::vector<std::string> lines = testing::outline(log);
    auto start = std::find(lines.begin(), lines.end(), "open 15");
    ASSERT_EQ(start - lines.begin(), 5);
    std::vector<std::string> expected = {
        "open 15", "panel 2 'Available COM:15,'", "panel 1 ''", "line 15 38400 810",
        "timeouts 15 10,10", "W 15 54", "R 15 58", "close 15", "open 14", "open 13", "open 12",
        "panel 2 'Available COM:15,12,'", "panel 1 ''", "line 12 38400 810", "timeouts 12 10,10",
        "W 12 54", "R 12 -", "close 12", "open 11", "open 10", "open 9", "open 8", "open 7",
        "open 6", "open 5", "panel 2 'Available COM:15,12,5,'", "panel 1 ''", "line 5 38400 810",
        "timeouts 5 10,10", "W 5 54", "R 5 54", "panel 1 'COM:5'", "panel 2 ''", "W 5 41", "R 5 -",
        "W 5 42", "R 5 -", "W 5 43", "R 5 -", "W 5 44", "R 5 -", "W 5 45", "R 5 -",
        // the line is set again before the lead-in
        "line 5 38400 810", "W 5 00"};
    ASSERT_GE(lines.end() - start, static_cast<long>(expected.size()));
    EXPECT_EQ(std::vector<std::string>(start, start + static_cast<long>(expected.size())),
              expected);
}

TEST_F(SendFixture, ScanWithoutBadgeShowsTheWarningOnly) {
    ports.device(3).answer = 'X';
    ports.device(9).openError = SerialErrorKind::NoPermission;
    LinkResult r = send("1", 0, std::nullopt);
    EXPECT_EQ(r.outcome, LinkOutcome::NoBadgeFound);
    ASSERT_EQ(r.refused.size(), 1u);
    EXPECT_EQ(r.refused[0].port, 9);
    EXPECT_EQ(testing::portsOpened(log).size(), 20u);
    EXPECT_EQ(testing::outline(log).back(), "warning");
    EXPECT_TRUE(testing::eventsOf(log, LinkEvent::Picture).empty());
    EXPECT_TRUE(testing::eventsOf(log, LinkEvent::ProgressMax).empty());
    EXPECT_EQ(user.panels[2], "Available COM:3,");
    EXPECT_EQ(testing::bytesWritten(log, 3), std::vector<std::uint8_t>{'T'});
}

TEST_F(SendFixture, RejectedWriteEndsTheSendAtOnce) {
    struct Case {
        int writesBefore;
        const char* what;
    };
    for (Case c : {Case{0, "lead-in"}, Case{1 + 69 + 10, "second header packet"},
                   Case{1 + 69 * 8 + 2, "end record"}}) {
        log.clear();
        ports.reset();
        ports.device(3).writesBeforeFailure = c.writesBefore;
        LinkResult r = send("1", 8);
        EXPECT_EQ(r.outcome, LinkOutcome::WriteFailed) << c.what;
        std::vector<std::string> lines = testing::outline(log);
        ASSERT_GE(lines.size(), 4u);
        EXPECT_EQ(lines[lines.size() - 4], "close 3") << c.what;
        EXPECT_EQ(lines[lines.size() - 3], "pos 0") << c.what;
        EXPECT_EQ(lines[lines.size() - 2], "red") << c.what;
        EXPECT_EQ(lines.back(),
                  "message 'Can't write to the serial port!\n/dev/fake3 rejected a write'")
            << c.what;
        // Exactly one rejected write, nothing after it.
        EXPECT_EQ(testing::eventsOf(log, LinkEvent::Write).size(),
                  static_cast<std::size_t>(c.writesBefore) + 1)
            << c.what;
    }
}

TEST_F(SendFixture, RejectedLetterAfterTheProbeEndsTheSend) {
    ports.device(3).answer = 'T';
    ports.device(3).writesBeforeFailure = 2;  // 'T' and 'A' go out, 'B' is rejected
    LinkResult r = send("1", 0, std::nullopt);
    EXPECT_EQ(r.outcome, LinkOutcome::WriteFailed);
    EXPECT_EQ(testing::bytesWritten(log, 3), (std::vector<std::uint8_t>{'T', 'A', 'B'}));
    EXPECT_EQ(testing::outline(log).back(),
              "message 'Can't write to the serial port!\n/dev/fake3 rejected a write'");
}

TEST_F(SendFixture, CellsBeyondTheImageStopAtItsEnd) {
    EXPECT_EQ(bitmapPacketCount(0), 0);
    EXPECT_EQ(bitmapPacketCount(912), 456);
    EXPECT_EQ(bitmapPacketCount(1000), 456);
    send("1", 1000);
    std::vector<unsigned> addresses = packetAddresses(3);
    ASSERT_EQ(addresses.size(), 4u + 456u);
    EXPECT_EQ(addresses.back(), 0x7FC0u);
}

TEST(PortChoice, ComBoxItemsOneToTenNameTheirPort) {
    EXPECT_EQ(portFromComBoxIndex(0), std::nullopt);
    EXPECT_EQ(portFromComBoxIndex(-1), std::nullopt);
    EXPECT_EQ(portFromComBoxIndex(1), 1);
    EXPECT_EQ(portFromComBoxIndex(10), 10);
    EXPECT_EQ(portFromComBoxIndex(11), std::nullopt);
}

}  // namespace
}  // namespace varnel
