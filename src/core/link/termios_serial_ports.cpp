#include "link/termios_serial_ports.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

namespace varnel {

namespace {

constexpr int kWriteStallMs = 2000;
constexpr int kDrainMs = 2000;

std::string comName(int port) {
    return "COM " + std::to_string(port);
}

bool validPort(int port) {
    return port >= kFirstPortNumber && port <= kLastPortNumber;
}

std::string groupName(gid_t gid) {
    std::vector<char> buffer(4096);
    group entry{};
    group* found = nullptr;
    if (getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) == 0 && found) {
        return found->gr_name;
    }
    return std::to_string(gid);
}

speed_t speedFor(int baud) {
    switch (baud) {
        case 1200:
            return B1200;
        case 2400:
            return B2400;
        case 4800:
            return B4800;
        case 9600:
            return B9600;
        case 19200:
            return B19200;
        case 38400:
            return B38400;
        case 57600:
            return B57600;
        case 115200:
            return B115200;
        default:
            return B0;
    }
}

tcflag_t sizeFor(int dataBits) {
    switch (dataBits) {
        case 5:
            return CS5;
        case 6:
            return CS6;
        case 7:
            return CS7;
        default:
            return CS8;
    }
}

}  // namespace

TermiosSerialPorts::TermiosSerialPorts(PortMap map, SystemCalls& calls)
    : map_(std::move(map)), calls_(calls) {}

TermiosSerialPorts::~TermiosSerialPorts() {
    for (int port = kFirstPortNumber; port <= kLastPortNumber; ++port) {
        close(port);
    }
}

TermiosSerialPorts::OpenPort* TermiosSerialPorts::openPort(int port) {
    if (!validPort(port) || ports_[static_cast<std::size_t>(port)].fd < 0) {
        return nullptr;
    }
    return &ports_[static_cast<std::size_t>(port)];
}

SerialError TermiosSerialPorts::notOpen(int port) const {
    return SerialError::make(SerialErrorKind::IoError, comName(port),
                             comName(port) + " is not open.");
}

SerialError TermiosSerialPorts::systemError(SerialErrorKind kind, const std::string& device,
                                            int error, const std::string& what) const {
    return SerialError::make(kind, device,
                             device + " " + what + " (" + std::strerror(error) + ").");
}

SerialError TermiosSerialPorts::openError(const std::string& device, int error) const {
    switch (error) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
        case ENOTDIR:
            return SerialError::make(SerialErrorKind::NoSuchPort, device,
                                     device + " is not there; check that the cable is plugged in.");
        case EACCES:
        case EPERM: {
            struct stat status {};
            if (calls_.stat(device.c_str(), &status) == 0 && status.st_gid != 0 &&
                (status.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP)) {
                const std::string group = groupName(status.st_gid);
                return SerialError::make(SerialErrorKind::NoPermission, device,
                                         "You may not use " + device +
                                             ", which belongs to the group " + group +
                                             ": add your user to that group and log in again.");
            }
            return SerialError::make(SerialErrorKind::NoPermission, device,
                                     "You may not use " + device +
                                         ": ask the administrator to give your user access to it.");
        }
        case EBUSY:
        case EWOULDBLOCK:
            return SerialError::make(
                SerialErrorKind::Busy, device,
                device + " is in use by another program: close that program and try again.");
        default:
            return systemError(SerialErrorKind::IoError, device, error, "could not be opened");
    }
}

SerialError TermiosSerialPorts::open(int port) {
    if (!validPort(port)) {
        return SerialError::make(SerialErrorKind::NoSuchPort, comName(port),
                                 "There is no port " + comName(port) + ".");
    }
    const PortTarget target = map_.target(port);
    if (!target.device) {
        return SerialError::make(SerialErrorKind::NoSuchPort, comName(port),
                                 "No serial device stands for " + comName(port) + ".");
    }
    const std::string device = target.device->string();
    if (openPort(port)) {
        return SerialError::make(SerialErrorKind::Busy, device,
                                 comName(port) + " (" + device + ") is open already.");
    }
    const int fd = calls_.open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return openError(device, errno);
    }
    if (calls_.isatty(fd) != 1) {
        calls_.close(fd);
        return SerialError::make(
            SerialErrorKind::IoError, device,
            device + " is not a serial device; check " + comName(port) + " in the ports folder.");
    }
    // Exclusive mode keeps other programs out; the lock also keeps out those that run as root
    // and other instances of this program.
    if (calls_.flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        calls_.close(fd);
        return openError(device, error);
    }
    calls_.ioctl(fd, TIOCEXCL, nullptr);
    // Drop answers that came after an earlier user had given up; what was sent stays sent.
    calls_.tcflush(fd, TCIFLUSH);
    ports_[static_cast<std::size_t>(port)] = OpenPort{fd, device, 0, 0, false};
    return SerialError::none();
}

SerialError TermiosSerialPorts::setLine(int port, const LineSettings& line) {
    OpenPort* p = openPort(port);
    if (!p) {
        return notOpen(port);
    }
    const speed_t speed = speedFor(line.baud);
    if (speed == B0) {
        return SerialError::make(SerialErrorKind::IoError, p->device,
                                 std::to_string(line.baud) + " baud is not supported.");
    }
    termios settings{};
    if (calls_.tcgetattr(p->fd, &settings) != 0) {
        return systemError(SerialErrorKind::IoError, p->device, errno, "rejected its settings");
    }
    cfmakeraw(&settings);
    settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    settings.c_cflag |= sizeFor(line.dataBits) | CREAD | CLOCAL;
    if (line.parity != Parity::None) {
        settings.c_cflag |= PARENB;
        if (line.parity == Parity::Odd) {
            settings.c_cflag |= PARODD;
        }
    }
    if (line.stopBits == 2) {
        settings.c_cflag |= CSTOPB;
    }
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
    cfsetispeed(&settings, speed);
    cfsetospeed(&settings, speed);
    if (calls_.tcsetattr(p->fd, TCSANOW, &settings) != 0) {
        return systemError(SerialErrorKind::IoError, p->device, errno, "rejected its settings");
    }
    return SerialError::none();
}

SerialError TermiosSerialPorts::setReadTimeouts(int port, int totalMs, int betweenMs) {
    OpenPort* p = openPort(port);
    if (!p) {
        return notOpen(port);
    }
    p->totalMs = totalMs < 0 ? 0 : totalMs;
    p->betweenMs = betweenMs < 0 ? 0 : betweenMs;
    return SerialError::none();
}

SerialError TermiosSerialPorts::writeByte(int port, std::uint8_t byte) {
    OpenPort* p = openPort(port);
    if (!p) {
        return notOpen(port);
    }
    for (;;) {
        const ssize_t written = calls_.write(p->fd, &byte, 1);
        if (written == 1) {
            return SerialError::none();
        }
        const int error = written < 0 ? errno : EIO;
        if (written < 0 && error == EINTR) {
            continue;
        }
        if (written < 0 && (error == EAGAIN || error == EWOULDBLOCK)) {
            // The driver's queue is full: wait until it takes bytes again.
            pollfd waiting{p->fd, POLLOUT, 0};
            const int ready = calls_.poll(&waiting, 1, kWriteStallMs);
            if (ready > 0 && (waiting.revents & POLLOUT) != 0) {
                continue;
            }
            if (ready < 0 && errno == EINTR) {
                continue;
            }
            p->writeFailed = true;
            return SerialError::make(
                SerialErrorKind::IoError, p->device,
                p->device + " takes no more bytes; check the cable and the badge.");
        }
        p->writeFailed = true;
        return systemError(SerialErrorKind::IoError, p->device, error,
                           "rejected a write; check the cable and try again");
    }
}

ReadResult TermiosSerialPorts::readByte(int port) {
    OpenPort* p = openPort(port);
    if (!p) {
        return {notOpen(port), std::nullopt};
    }
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(p->totalMs);
    for (;;) {
        // Rounded up, and waited again when poll() comes back early: the time-out is a minimum.
        const auto now = Clock::now();
        const int waitMs =
            now < deadline
                ? static_cast<int>(
                      std::chrono::ceil<std::chrono::milliseconds>(deadline - now).count())
                : 0;
        pollfd waiting{p->fd, POLLIN, 0};
        const int ready = calls_.poll(&waiting, 1, waitMs);
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            return {systemError(SerialErrorKind::IoError, p->device, errno, "cannot be read"),
                    std::nullopt};
        }
        if (ready == 0) {
            if (Clock::now() < deadline) {
                continue;
            }
            return {SerialError::none(), std::nullopt};
        }
        std::uint8_t byte = 0;
        const ssize_t got = calls_.read(p->fd, &byte, 1);
        if (got == 1) {
            return {SerialError::none(), byte};
        }
        if (got < 0 && errno == EINTR) {
            continue;
        }
        const bool nothing = (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) ||
                             (got == 0 && (waiting.revents & (POLLHUP | POLLERR)) == 0);
        if (nothing) {
            if (Clock::now() < deadline) {
                continue;
            }
            return {SerialError::none(), std::nullopt};
        }
        return {systemError(SerialErrorKind::IoError, p->device, got < 0 ? errno : EIO,
                            "cannot be read"),
                std::nullopt};
    }
}

void TermiosSerialPorts::drainOutput(OpenPort& p) {
    // Let the last bytes leave the driver before the port is closed, but never wait for ever on
    // a line that does not move.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kDrainMs);
    while (std::chrono::steady_clock::now() < deadline) {
        int queued = 0;
        if (calls_.ioctl(p.fd, TIOCOUTQ, &queued) != 0 || queued <= 0) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    calls_.tcflush(p.fd, TCOFLUSH);
}

void TermiosSerialPorts::close(int port) {
    OpenPort* p = openPort(port);
    if (!p) {
        return;
    }
    if (p->writeFailed) {
        calls_.tcflush(p->fd, TCOFLUSH);
    } else {
        drainOutput(*p);
    }
    // Exclusive mode outlives this descriptor when someone else holds the device open.
    calls_.ioctl(p->fd, TIOCNXCL, nullptr);
    calls_.close(p->fd);
    *p = OpenPort{};
}

std::string TermiosSerialPorts::deviceName(int port) const {
    std::optional<std::filesystem::path> device = map_.device(port);
    return device ? device->string() : std::string();
}

}  // namespace varnel
