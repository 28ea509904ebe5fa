#pragma once

#include <array>
#include <string>

#include "link/port_map.h"
#include "link/serial_port.h"
#include "link/system_calls.h"

namespace varnel {

// Serial ports on a POSIX terminal device.  A port is opened for this program alone (exclusive
// mode and an advisory lock), set raw, and read with poll() so that time-outs of a few
// milliseconds hold; each byte is one write() call into the driver's output queue.
class TermiosSerialPorts : public SerialPorts {
  public:
    explicit TermiosSerialPorts(PortMap map, SystemCalls& calls = systemCalls());
    ~TermiosSerialPorts() override;

    TermiosSerialPorts(const TermiosSerialPorts&) = delete;
    TermiosSerialPorts& operator=(const TermiosSerialPorts&) = delete;

    SerialError open(int port) override;
    SerialError setLine(int port, const LineSettings& line) override;
    SerialError setReadTimeouts(int port, int totalMs, int betweenMs) override;
    SerialError writeByte(int port, std::uint8_t byte) override;
    ReadResult readByte(int port) override;
    void close(int port) override;
    std::string deviceName(int port) const override;

    const PortMap& map() const { return map_; }

  private:
    struct OpenPort {
        int fd = -1;
        std::string device;
        int totalMs = 0;
        int betweenMs = 0;
        bool writeFailed = false;
    };

    OpenPort* openPort(int port);
    SerialError notOpen(int port) const;
    SerialError systemError(SerialErrorKind kind, const std::string& device, int error,
                            const std::string& what) const;
    SerialError openError(const std::string& device, int error) const;
    void drainOutput(OpenPort& p);

    PortMap map_;
    SystemCalls& calls_;
    std::array<OpenPort, kLastPortNumber + 1> ports_{};
};

}  // namespace varnel
