#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "link/serial_error.h"

namespace varnel {

enum class Parity { None, Odd, Even };

struct LineSettings {
    int baud = 38400;
    int dataBits = 8;
    int stopBits = 1;
    Parity parity = Parity::None;
};

// The badge's line: 38400 baud, 8 data bits, 1 stop bit, no parity.
inline constexpr LineSettings kBadgeLine{};

// The lowest and highest port numbers a program may ask for.
inline constexpr int kFirstPortNumber = 1;
inline constexpr int kLastPortNumber = 20;

struct ReadResult {
    SerialError error;                 // None also when nothing arrived in time
    std::optional<std::uint8_t> byte;  // the byte read, if one arrived within the time-out
};

// Serial ports addressed by number, one call per operation, the port number first.
// A port is open from a successful open() until close(); operations on a port that is not open
// fail with IoError.  Opening a port that is already open fails with Busy.
class SerialPorts {
  public:
    virtual ~SerialPorts() = default;

    virtual SerialError open(int port) = 0;
    virtual SerialError setLine(int port, const LineSettings& line) = 0;
    // totalMs: a read gives up after this long in all; betweenMs: after this long between bytes.
    // Until set, a read returns at once with what has arrived.
    virtual SerialError setReadTimeouts(int port, int totalMs, int betweenMs) = 0;
    virtual SerialError writeByte(int port, std::uint8_t byte) = 0;
    virtual ReadResult readByte(int port) = 0;
    virtual void close(int port) = 0;

    // The device that the port number stands for now, for the user ("" when none).
    virtual std::string deviceName(int port) const = 0;
};

}  // namespace varnel
