// The program's link code against the virtual badge on a real pseudo-terminal: what the badge
// stores and reports is checked against what was meant to be sent.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>

#include <QJsonArray>
#include <QJsonObject>

#include "core/link/link_fakes.h"
#include "link/badge_send.h"
#include "link/initial_screen_upload.h"
#include "link/link_packet.h"
#include "link/termios_serial_ports.h"
#include "tools/virtual_badge/badge_process.h"

namespace varnel {
namespace {

namespace fs = std::filesystem;
using testing::BadgeProcess;

// The badge timestamps bytes when it reads them, and a pseudo-terminal hands bytes over through
// a kernel worker: on a busy machine a pause can look several milliseconds shorter than it was
// on the line.  Single pauses are allowed that much; where there are enough of a kind, their
// median must reach the full value.  The sender's own timing is checked exactly below.
constexpr double kObserverSlackMs = 10.0;
constexpr std::size_t kMedianSamples = 8;

struct BadgeLink : ::testing::Test {
    testing::ScratchFolder program;
    fs::path report = program.path / "report.json";
    fs::path dump = program.path / "memory.bin";
    testing::LinkLog log;
    testing::RecordingLinkUser user{log};
    SystemSleeper sleeper;

    void SetUp() override { fs::create_directories(program.path / "ports"); }

    std::unique_ptr<BadgeProcess> startBadge(std::vector<std::string> extra = {}) {
        extra.insert(extra.end(), {"--report", report.string(), "--dump", dump.string()});
        auto badge = std::make_unique<BadgeProcess>(program.path / "ports/COM3", extra);
        EXPECT_TRUE(badge->started());
        return badge;
    }

    // Only the pins count: the machine's own serial devices stay out of the test.
    TermiosSerialPorts ports() {
        return TermiosSerialPorts(PortMap(program.path, [] { return std::vector<fs::path>{}; }));
    }
};

std::vector<std::uint8_t> pattern() {
    std::vector<std::uint8_t> image(kBadgeMemorySize);
    for (std::size_t a = 0; a < image.size(); ++a) {
        image[a] = static_cast<std::uint8_t>(a * 13 + 5);
    }
    return image;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

int pauseAfter(unsigned address) {
    return address < kHeaderBase   ? kInitialScreenPauseMs
           : address < kBitmapBase ? kHeaderPacketPauseMs
                                   : kBitmapPacketPauseMs;
}

// Every packet's checksum and address right, and every pause, as the badge saw it, at least the
// one that had to precede it.
void expectWellFormed(const QJsonObject& session, int firstPauseMs) {
    EXPECT_TRUE(session.value("ok").toBool());
    const QJsonArray packets = session.value("packets").toArray();
    int pause = firstPauseMs;
    std::map<int, std::vector<double>> gaps;
    auto check = [&](const QJsonObject& record, const std::string& what) {
        const double gap = record.value("msSincePrevious").toDouble();
        EXPECT_GE(gap, pause - kObserverSlackMs) << what;
        gaps[pause].push_back(gap);
    };
    for (const auto& value : packets) {
        const QJsonObject p = value.toObject();
        EXPECT_TRUE(p.value("checksumOk").toBool());
        EXPECT_TRUE(p.value("addressOk").toBool());
        if (pause > 0) {
            check(p, p.value("addressHex").toString().toStdString());
        }
        pause = pauseAfter(static_cast<unsigned>(p.value("address").toInt()));
    }
    if (!packets.isEmpty()) {
        check(session.value("end").toObject(), "end record");
    }
    for (const auto& [ms, measured] : gaps) {
        if (measured.size() >= kMedianSamples) {
            EXPECT_GE(median(measured), ms) << ms << " ms pauses";
        }
    }
}

// Passes every call on to the real port and notes when each byte was handed over.
class TimedPorts : public SerialPorts {
  public:
    explicit TimedPorts(SerialPorts& inner) : inner_(inner) {}

    SerialError open(int port) override { return inner_.open(port); }
    SerialError setLine(int port, const LineSettings& line) override {
        return inner_.setLine(port, line);
    }
    SerialError setReadTimeouts(int port, int totalMs, int betweenMs) override {
        return inner_.setReadTimeouts(port, totalMs, betweenMs);
    }
    SerialError writeByte(int port, std::uint8_t byte) override {
        writes.push_back({byte, std::chrono::steady_clock::now()});
        return inner_.writeByte(port, byte);
    }
    ReadResult readByte(int port) override { return inner_.readByte(port); }
    void close(int port) override { inner_.close(port); }
    std::string deviceName(int port) const override { return inner_.deviceName(port); }

    struct Write {
        std::uint8_t byte;
        std::chrono::steady_clock::time_point at;
    };
    std::vector<Write> writes;

  private:
    SerialPorts& inner_;
};

// The pacing at its source: from the write of a record's last byte to the write of the next
// record's first byte, never less than the pause that belongs there.
void expectPacedWrites(const std::vector<TimedPorts::Write>& writes, std::size_t firstPacket,
                       int firstPauseMs) {
    auto ms = [](auto from, auto to) {
        return std::chrono::duration<double, std::milli>(to - from).count();
    };
    int pause = firstPauseMs;
    std::size_t i = firstPacket;
    while (i + 3 <= writes.size()) {
        if (pause > 0) {
            EXPECT_GE(ms(writes[i - 1].at, writes[i].at), pause) << "record at write " << i;
        }
        if (writes[i + 1].byte == '3') {
            EXPECT_EQ(i + 3, writes.size()) << "the end record comes last";
            return;
        }
        const unsigned address = writes[i + 2].byte * 256u + writes[i + 3].byte;
        pause = pauseAfter(address);
        i += LinkPacket::kSize;
    }
    ADD_FAILURE() << "no end record";
}

TEST_F(BadgeLink, SendFoundByTheScanArrivesWhole) {
    auto badge = startBadge();
    std::vector<std::uint8_t> image = pattern();
    TermiosSerialPorts real = ports();
    TimedPorts serial(real);
    SendJob job{"27",
                std::span<const std::uint8_t, kBadgeMemorySize>(image.data(), kBadgeMemorySize), 7,
                std::nullopt};
    LinkResult r = sendToBadge(job, serial, sleeper, user);
    ASSERT_EQ(r.outcome, LinkOutcome::Completed);
    EXPECT_EQ(r.port, 3);
    EXPECT_EQ(user.panels[1], "COM:3");

    QJsonObject session =
        testing::waitForSessions(report, 1).value("sessions").toArray().at(0).toObject();
    EXPECT_EQ(session.value("probes").toInt(), 1);
    EXPECT_EQ(session.value("letters").toString(), "ABCDE");
    EXPECT_EQ(session.value("leadIns").toInt(), 1);
    EXPECT_EQ(session.value("packets").toArray().size(), 8 + 4);
    EXPECT_EQ(session.value("end").toObject().value("mask").toInt(), 0x03);
    expectWellFormed(session, kLeadInPauseMs);
    // 'T', the letters 'A' to 'E' and the lead-in come before the first packet.
    expectPacedWrites(serial.writes, 7, kLeadInPauseMs);

    std::vector<unsigned char> memory = testing::readBytes(dump);
    ASSERT_EQ(memory.size(), kBadgeMemorySize);
    for (std::size_t a = 0; a < memory.size(); ++a) {
        const bool written = (a >= 0x0600 && a < 0x0800) || (a >= 0x0E00 && a < 0x0F00);
        ASSERT_EQ(memory[a], written ? image[a] : 0) << std::hex << a;
    }
}

TEST_F(BadgeLink, ClosingAndReopeningBetweenTransfersKeepsTheLineUp) {
    auto badge = startBadge();
    std::vector<std::uint8_t> image = pattern();
    for (std::optional<int> port :
         {std::optional<int>(3), std::optional<int>(), std::optional<int>(3)}) {
        TermiosSerialPorts serial = ports();
        SendJob job{"1",
                    std::span<const std::uint8_t, kBadgeMemorySize>(image.data(), kBadgeMemorySize),
                    0, port};
        EXPECT_EQ(sendToBadge(job, serial, sleeper, user).outcome, LinkOutcome::Completed);
    }
    QJsonArray sessions = testing::waitForSessions(report, 3).value("sessions").toArray();
    ASSERT_EQ(sessions.size(), 3);
    EXPECT_EQ(sessions.at(0).toObject().value("probes").toInt(), 0) << "COM 3 chosen: no probe";
    EXPECT_EQ(sessions.at(1).toObject().value("probes").toInt(), 1);
    for (const auto& s : sessions) {
        EXPECT_TRUE(s.toObject().value("ok").toBool());
    }
}

TEST_F(BadgeLink, BadgeThatAnswersOtherwiseIsNotFound) {
    for (std::vector<std::string> how :
         {std::vector<std::string>{"--reply", "X"}, std::vector<std::string>{"--silent"}}) {
        auto badge = startBadge(how);
        std::vector<std::uint8_t> image(kBadgeMemorySize);
        TermiosSerialPorts serial = ports();
        SendJob job{"1",
                    std::span<const std::uint8_t, kBadgeMemorySize>(image.data(), kBadgeMemorySize),
                    0, std::nullopt};
        LinkResult r = sendToBadge(job, serial, sleeper, user);
        EXPECT_EQ(r.outcome, LinkOutcome::NoBadgeFound) << how[0];
        EXPECT_EQ(user.panels[2], "Available COM:3,");
        EXPECT_EQ(badge->stop(), 0);
        QJsonObject session =
            testing::readReport(report).value("sessions").toArray().at(0).toObject();
        EXPECT_FALSE(session.value("complete").toBool());
        EXPECT_EQ(session.value("probes").toInt(), 1);
        EXPECT_EQ(session.value("leadIns").toInt(), 0);
        EXPECT_FALSE(fs::exists(fs::symlink_status(program.path / "ports/COM3")))
            << "the badge takes its link away when it stops";
    }
}

TEST_F(BadgeLink, InitialScreenUploadFillsTheFirstThreeKilobytes) {
    auto badge = startBadge({"--once"});
    TermiosSerialPorts real = ports();
    TimedPorts serial(real);
    FontBlockReader blocks = [](int i) {
        std::array<std::uint8_t, 64> data{};
        for (std::size_t k = 0; k < data.size(); ++k) {
            data[k] = static_cast<std::uint8_t>(i * 3 + static_cast<int>(k) + 1);
        }
        return data;
    };
    LinkResult r = uploadInitialScreen(std::nullopt, blocks, serial, sleeper, user);
    ASSERT_EQ(r.outcome, LinkOutcome::Completed);
    EXPECT_EQ(badge->waitForExit(5000), 0)
        << "--once: the badge ends after the transfer, all checks passed";

    QJsonObject session = testing::readReport(report).value("sessions").toArray().at(0).toObject();
    EXPECT_EQ(session.value("letters").toString(), "");
    EXPECT_EQ(session.value("leadIns").toInt(), 0);
    EXPECT_EQ(session.value("end").toObject().value("mask").toInt(), 0xFF);
    QJsonArray packets = session.value("packets").toArray();
    ASSERT_EQ(packets.size(), 48);
    EXPECT_EQ(packets.at(47).toObject().value("address").toInt(), 0x0BC0);
    EXPECT_TRUE(packets.at(0).toObject().value("msSincePrevious").isNull());
    expectWellFormed(session, 0);
    expectPacedWrites(serial.writes, 1, 0);

    std::vector<unsigned char> memory = testing::readBytes(dump);
    ASSERT_EQ(memory.size(), kBadgeMemorySize);
    for (std::size_t a = 0; a < 0x0C00; ++a) {
        ASSERT_EQ(memory[a], static_cast<std::uint8_t>((a / 64) * 3 + a % 64 + 1)) << a;
    }
    EXPECT_EQ(memory[0x0C00], 0);
}

}  // namespace
}  // namespace varnel
