// The same behaviour is asked of every implementation of SerialPorts: the fake the transfer tests
// run on, and the terminal backend on a pseudo-terminal.

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>

#include "core/link/link_fakes.h"
#include "link/termios_serial_ports.h"

namespace varnel {
namespace {

constexpr int kPort = 3;

// One implementation with the other end of its line.
class Bench {
  public:
    virtual ~Bench() = default;
    virtual SerialPorts& ports() = 0;
    virtual void peerWrite(std::uint8_t byte) = 0;
    // Everything that has arrived at the other end (waiting briefly for it).
    virtual std::vector<std::uint8_t> peerRead(std::size_t expected) = 0;
    virtual void hangUp() = 0;
    virtual bool realTime() const = 0;
};

class FakeBench : public Bench {
  public:
    FakeBench() { fake_.device(kPort); }
    SerialPorts& ports() override { return fake_; }
    void peerWrite(std::uint8_t byte) override { fake_.peerSend(kPort, byte); }
    std::vector<std::uint8_t> peerRead(std::size_t) override {
        std::vector<std::uint8_t> all = fake_.peerReceived(kPort);
        std::vector<std::uint8_t> fresh(all.begin() + static_cast<long>(seen_), all.end());
        seen_ = all.size();
        return fresh;
    }
    void hangUp() override { fake_.unplug(kPort); }
    bool realTime() const override { return false; }

  private:
    testing::LinkLog log_;
    testing::FakeSerialPorts fake_{log_};
    std::size_t seen_ = 0;
};

class PtyBench : public Bench {
  public:
    PtyBench() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        EXPECT_GE(master_, 0);
        grantpt(master_);
        unlockpt(master_);
        char name[128] = {};
        ptsname_r(master_, name, sizeof name);
        slaveName_ = name;
        PortMap map("/nonexistent", [] { return std::vector<std::filesystem::path>{}; });
        map.pin(kPort, slaveName_);
        ports_ = std::make_unique<TermiosSerialPorts>(std::move(map));
    }
    ~PtyBench() override {
        ports_.reset();
        if (master_ >= 0) {
            ::close(master_);
        }
    }
    SerialPorts& ports() override { return *ports_; }
    void peerWrite(std::uint8_t byte) override { ASSERT_EQ(::write(master_, &byte, 1), 1); }
    std::vector<std::uint8_t> peerRead(std::size_t expected) override {
        std::vector<std::uint8_t> got;
        while (got.size() < expected) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, 500) <= 0) {
                break;
            }
            std::uint8_t buffer[512];
            ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n <= 0) {
                break;
            }
            got.insert(got.end(), buffer, buffer + n);
        }
        return got;
    }
    void hangUp() override {
        ::close(master_);
        master_ = -1;
    }
    bool realTime() const override { return true; }

    const std::string& slaveName() const { return slaveName_; }

  private:
    int master_ = -1;
    std::string slaveName_;
    std::unique_ptr<TermiosSerialPorts> ports_;
};

struct BenchKind {
    const char* name;
    std::function<std::unique_ptr<Bench>()> make;

    friend void PrintTo(const BenchKind& kind, std::ostream* out) { *out << kind.name; }
};

struct Contract : ::testing::TestWithParam<BenchKind> {
    std::unique_ptr<Bench> bench = GetParam().make();
    SerialPorts& ports = bench->ports();
};

TEST_P(Contract, NumberWithoutDeviceIsNoSuchPort) {
    SerialError e = ports.open(kPort + 1);
    EXPECT_EQ(e.kind, SerialErrorKind::NoSuchPort);
    EXPECT_FALSE(e.explanation.empty());
    EXPECT_EQ(ports.open(0).kind, SerialErrorKind::NoSuchPort);
    EXPECT_EQ(ports.open(kLastPortNumber + 1).kind, SerialErrorKind::NoSuchPort);
}

TEST_P(Contract, OpenTwiceIsBusyUntilClosed) {
    ASSERT_TRUE(ports.open(kPort).ok());
    EXPECT_EQ(ports.open(kPort).kind, SerialErrorKind::Busy);
    ports.close(kPort);
    ports.close(kPort);  // closing twice is harmless
    EXPECT_TRUE(ports.open(kPort).ok());
    ports.close(kPort);
}

TEST_P(Contract, CallsOnAPortThatIsNotOpenFail) {
    EXPECT_EQ(ports.writeByte(kPort, 'x').kind, SerialErrorKind::IoError);
    EXPECT_EQ(ports.readByte(kPort).error.kind, SerialErrorKind::IoError);
    EXPECT_EQ(ports.setLine(kPort, kBadgeLine).kind, SerialErrorKind::IoError);
    EXPECT_EQ(ports.setReadTimeouts(kPort, 10, 10).kind, SerialErrorKind::IoError);
}

TEST_P(Contract, EveryByteValueGoesOutUnchanged) {
    ASSERT_TRUE(ports.open(kPort).ok());
    ASSERT_TRUE(ports.setLine(kPort, kBadgeLine).ok());
    std::vector<std::uint8_t> all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<std::uint8_t>(b));
        ASSERT_TRUE(ports.writeByte(kPort, static_cast<std::uint8_t>(b)).ok());
    }
    EXPECT_EQ(bench->peerRead(all.size()), all);
    ports.close(kPort);
}

TEST_P(Contract, ReadTakesThePeersByteOrGivesUpAfterTheTimeOut) {
    ASSERT_TRUE(ports.open(kPort).ok());
    ports.setLine(kPort, kBadgeLine);
    ports.setReadTimeouts(kPort, 10, 10);
    auto start = std::chrono::steady_clock::now();
    ReadResult silent = ports.readByte(kPort);
    auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_TRUE(silent.error.ok());
    EXPECT_EQ(silent.byte, std::nullopt);
    if (bench->realTime()) {
        EXPECT_GE(waited, std::chrono::milliseconds(10));
        EXPECT_LT(waited, std::chrono::milliseconds(90));  // VTIME would give 100
    }
    for (std::uint8_t b :
         {std::uint8_t{'T'}, std::uint8_t{0x11}, std::uint8_t{0x13}, std::uint8_t{'\r'}}) {
        bench->peerWrite(b);
        ReadResult r = ports.readByte(kPort);
        EXPECT_TRUE(r.error.ok());
        EXPECT_EQ(r.byte, b);
    }
    ports.close(kPort);
}

TEST_P(Contract, WriteAfterTheDeviceWentAwayFails) {
    ASSERT_TRUE(ports.open(kPort).ok());
    ports.setLine(kPort, kBadgeLine);
    ASSERT_TRUE(ports.writeByte(kPort, 1).ok());
    bench->hangUp();
    SerialError e = ports.writeByte(kPort, 2);
    EXPECT_EQ(e.kind, SerialErrorKind::IoError);
    EXPECT_FALSE(e.device.empty());
    EXPECT_NE(e.explanation.find(e.device), std::string::npos);
    ports.close(kPort);
}

INSTANTIATE_TEST_SUITE_P(
    SerialPorts, Contract,
    ::testing::Values(BenchKind{"Fake", [] { return std::unique_ptr<Bench>(new FakeBench); }},
                      BenchKind{"Pty", [] { return std::unique_ptr<Bench>(new PtyBench); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace varnel
