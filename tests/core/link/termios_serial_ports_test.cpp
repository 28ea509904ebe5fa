#include "link/termios_serial_ports.h"

#include <fcntl.h>
#include <grp.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>

namespace varnel {
namespace {

namespace fs = std::filesystem;

struct Pty {
    int master = -1;
    std::string slave;
    Pty() {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        grantpt(master);
        unlockpt(master);
        char name[128] = {};
        ptsname_r(master, name, sizeof name);
        slave = name;
    }
    ~Pty() { ::close(master); }
};

PortMap mapWith(int port, const fs::path& device) {
    PortMap map("/nonexistent", [] { return std::vector<fs::path>{}; });
    map.pin(port, device);
    return map;
}

TEST(TermiosSerialPorts, SetsTheBadgeLineRaw) {
    Pty pty;
    TermiosSerialPorts ports(mapWith(1, pty.slave));
    ASSERT_TRUE(ports.open(1).ok());
    ASSERT_TRUE(ports.setLine(1, kBadgeLine).ok());
    int other = ::open(pty.slave.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(other, 0);
    termios t{};
    ASSERT_EQ(tcgetattr(other, &t), 0);
    EXPECT_EQ(cfgetospeed(&t), B38400);
    EXPECT_EQ(cfgetispeed(&t), B38400);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_NE(t.c_cflag & CLOCAL, 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    ::close(other);
    ports.close(1);
}

TEST(TermiosSerialPorts, OpenIsExclusiveAgainstOtherProgramsAndReleasedOnClose) {
    Pty pty;
    int keeper = ::open(pty.slave.c_str(), O_RDWR | O_NOCTTY);  // someone holding the device
    ASSERT_GE(keeper, 0);
    TermiosSerialPorts first(mapWith(1, pty.slave));
    TermiosSerialPorts second(mapWith(2, pty.slave));
    ASSERT_TRUE(first.open(1).ok());
    int exclusive = 0;
    ASSERT_EQ(ioctl(keeper, TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 1);
    SerialError busy = second.open(2);
    EXPECT_EQ(busy.kind, SerialErrorKind::Busy);
    EXPECT_EQ(busy.explanation,
              pty.slave + " is in use by another program: close that program and try again.");
    first.close(1);
    ASSERT_EQ(ioctl(keeper, TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 0) << "exclusive mode must not outlive our use of the device";
    EXPECT_TRUE(second.open(2).ok());
    second.close(2);
    ::close(keeper);
}

TEST(TermiosSerialPorts, PinToSomethingThatIsNoTerminal) {
    fs::path file = fs::temp_directory_path() / ("varnel-not-a-tty-" + std::to_string(getpid()));
    std::ofstream(file) << "x";
    TermiosSerialPorts ports(mapWith(4, file));
    SerialError e = ports.open(4);
    EXPECT_EQ(e.kind, SerialErrorKind::IoError);
    EXPECT_EQ(e.explanation,
              file.string() + " is not a serial device; check COM 4 in the ports folder.");
    fs::remove(file);

    TermiosSerialPorts missing(mapWith(4, "/dev/ttyUSB-not-there"));
    EXPECT_EQ(missing.open(4).kind, SerialErrorKind::NoSuchPort);
}

// Faults the system can report, injected at the system-call seam.
class FaultyCalls : public SystemCalls {
  public:
    int openErrno = 0;
    int writeErrno = 0;
    struct stat deviceStatus {};
    int flushes = 0;

    int open(const char* path, int flags) override {
        if (openErrno != 0) {
            errno = openErrno;
            return -1;
        }
        return SystemCalls::open(path, flags);
    }
    ssize_t write(int fd, const void* buffer, std::size_t count) override {
        if (writeErrno != 0) {
            errno = writeErrno;
            return -1;
        }
        return SystemCalls::write(fd, buffer, count);
    }
    int stat(const char*, struct stat* status) override {
        *status = deviceStatus;
        return 0;
    }
    int tcflush(int fd, int queue) override {
        if (queue == TCOFLUSH) {
            ++flushes;
        }
        return SystemCalls::tcflush(fd, queue);
    }
};

TEST(TermiosSerialPorts, DeviceThatMayNotBeOpenedNamesItsGroup) {
    group* dialout = getgrnam("dialout");
    if (!dialout) {
        GTEST_SKIP() << "no group dialout here";
    }
    FaultyCalls calls;
    calls.openErrno = EACCES;
    calls.deviceStatus.st_gid = dialout->gr_gid;
    calls.deviceStatus.st_mode = S_IFCHR | 0660;
    TermiosSerialPorts ports(mapWith(1, "/dev/ttyUSB9"), calls);
    SerialError e = ports.open(1);
    EXPECT_EQ(e.kind, SerialErrorKind::NoPermission);
    EXPECT_EQ(e.device, "/dev/ttyUSB9");
    EXPECT_EQ(e.explanation,
              "You may not use /dev/ttyUSB9, which belongs to the group dialout: add your user to "
              "that group and log in again.");

    calls.deviceStatus.st_mode = S_IFCHR | 0600;
    EXPECT_EQ(
        ports.open(1).explanation,
        "You may not use /dev/ttyUSB9: ask the administrator to give your user access to it.");

    calls.openErrno = EBUSY;
    EXPECT_EQ(ports.open(1).kind, SerialErrorKind::Busy);
    calls.openErrno = EIO;
    SerialError io = ports.open(1);
    EXPECT_EQ(io.kind, SerialErrorKind::IoError);
    EXPECT_EQ(io.explanation, "/dev/ttyUSB9 could not be opened (Input/output error).");
}

TEST(TermiosSerialPorts, RejectedWriteIsReportedAndTheQueueDroppedAtClose) {
    Pty pty;
    FaultyCalls calls;
    TermiosSerialPorts ports(mapWith(1, pty.slave), calls);
    ASSERT_TRUE(ports.open(1).ok());
    ports.setLine(1, kBadgeLine);
    calls.writeErrno = EIO;
    SerialError e = ports.writeByte(1, 0x02);
    EXPECT_EQ(e.kind, SerialErrorKind::IoError);
    EXPECT_EQ(e.explanation,
              pty.slave + " rejected a write; check the cable and try again (Input/output error).");
    const int before = calls.flushes;
    ports.close(1);
    EXPECT_EQ(calls.flushes, before + 1);
}

TEST(TermiosSerialPorts, StaleInputIsDroppedWhenThePortOpens) {
    Pty pty;
    int keeper = ::open(pty.slave.c_str(), O_RDWR | O_NOCTTY);
    termios raw{};
    tcgetattr(keeper, &raw);
    cfmakeraw(&raw);
    tcsetattr(keeper, TCSANOW, &raw);
    // An answer that came after the last user had given up.
    ASSERT_EQ(::write(pty.master, "T", 1), 1);
    usleep(20000);
    TermiosSerialPorts ports(mapWith(1, pty.slave));
    ASSERT_TRUE(ports.open(1).ok());
    ports.setLine(1, kBadgeLine);
    ports.setReadTimeouts(1, 10, 10);
    EXPECT_EQ(ports.readByte(1).byte, std::nullopt);
    ports.close(1);
    ::close(keeper);
}

}  // namespace
}  // namespace varnel
