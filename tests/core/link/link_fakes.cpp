#include "core/link/link_fakes.h"

#include <cstdio>

namespace varnel::testing {

SerialError FakeSerialPorts::notOpen(int port) const {
    return SerialError::make(SerialErrorKind::IoError, "COM " + std::to_string(port), "not open");
}

SerialError FakeSerialPorts::open(int port) {
    log_.push_back({LinkEvent::Open, port, 0, 0, {}});
    auto it = devices_.find(port);
    if (it == devices_.end()) {
        return SerialError::make(SerialErrorKind::NoSuchPort, "COM " + std::to_string(port),
                                 "No serial device stands for COM " + std::to_string(port) + ".");
    }
    if (it->second.openError != SerialErrorKind::None) {
        return SerialError::make(
            it->second.openError, it->second.name,
            it->second.name + " refused (" + serialErrorKindName(it->second.openError) + ")");
    }
    if (isOpen(port)) {
        return SerialError::make(SerialErrorKind::Busy, it->second.name, "open already");
    }
    open_[port] = true;
    return SerialError::none();
}

SerialError FakeSerialPorts::setLine(int port, const LineSettings& line) {
    log_.push_back({LinkEvent::SetLine,
                    port,
                    line.baud,
                    line.dataBits * 100 + line.stopBits * 10 + static_cast<int>(line.parity),
                    {}});
    return isOpen(port) ? SerialError::none() : notOpen(port);
}

SerialError FakeSerialPorts::setReadTimeouts(int port, int totalMs, int betweenMs) {
    log_.push_back({LinkEvent::SetTimeouts, port, totalMs, betweenMs, {}});
    return isOpen(port) ? SerialError::none() : notOpen(port);
}

SerialError FakeSerialPorts::writeByte(int port, std::uint8_t byte) {
    log_.push_back({LinkEvent::Write, port, byte, 0, {}});
    if (!isOpen(port)) {
        return notOpen(port);
    }
    FakeDevice& d = device(port);
    int& count = writes_[port];
    if (d.writesBeforeFailure >= 0 && count >= d.writesBeforeFailure) {
        return SerialError::make(SerialErrorKind::IoError, d.name, d.name + " rejected a write");
    }
    ++count;
    outgoing_[port].push_back(byte);
    if (byte == 'T' && d.answer) {
        incoming_[port].push_back(*d.answer);
    }
    return SerialError::none();
}

ReadResult FakeSerialPorts::readByte(int port) {
    if (!isOpen(port)) {
        log_.push_back({LinkEvent::Read, port, -1, 0, {}});
        return {notOpen(port), std::nullopt};
    }
    auto& queue = incoming_[port];
    if (queue.empty()) {
        log_.push_back({LinkEvent::Read, port, -1, 0, {}});
        return {SerialError::none(), std::nullopt};
    }
    std::uint8_t byte = queue.front();
    queue.pop_front();
    log_.push_back({LinkEvent::Read, port, byte, 0, {}});
    return {SerialError::none(), byte};
}

void FakeSerialPorts::close(int port) {
    log_.push_back({LinkEvent::Close, port, 0, 0, {}});
    open_.erase(port);
    incoming_[port].clear();
}

std::string FakeSerialPorts::deviceName(int port) const {
    auto it = devices_.find(port);
    return it == devices_.end() ? std::string() : it->second.name;
}

std::vector<std::uint8_t> bytesWritten(const LinkLog& log, int port) {
    std::vector<std::uint8_t> bytes;
    for (const LinkEvent& e : log) {
        if (e.kind == LinkEvent::Write && e.port == port) {
            bytes.push_back(static_cast<std::uint8_t>(e.value));
        }
    }
    return bytes;
}

std::vector<int> sleeps(const LinkLog& log) {
    std::vector<int> ms;
    for (const LinkEvent& e : eventsOf(log, LinkEvent::Sleep)) {
        ms.push_back(e.value);
    }
    return ms;
}

std::vector<LinkEvent> eventsOf(const LinkLog& log, LinkEvent::Kind kind) {
    std::vector<LinkEvent> found;
    for (const LinkEvent& e : log) {
        if (e.kind == kind) {
            found.push_back(e);
        }
    }
    return found;
}

std::vector<int> portsOpened(const LinkLog& log) {
    std::vector<int> ports;
    for (const LinkEvent& e : eventsOf(log, LinkEvent::Open)) {
        ports.push_back(e.port);
    }
    return ports;
}

std::vector<int> portsClosed(const LinkLog& log) {
    std::vector<int> ports;
    for (const LinkEvent& e : eventsOf(log, LinkEvent::Close)) {
        ports.push_back(e.port);
    }
    return ports;
}

namespace {

std::string describe(const LinkEvent& e) {
    char hex[16];
    switch (e.kind) {
        case LinkEvent::Open:
            return "open " + std::to_string(e.port);
        case LinkEvent::SetLine:
            return "line " + std::to_string(e.port) + " " + std::to_string(e.value) + " " +
                   std::to_string(e.extra);
        case LinkEvent::SetTimeouts:
            return "timeouts " + std::to_string(e.port) + " " + std::to_string(e.value) + "," +
                   std::to_string(e.extra);
        case LinkEvent::Write:
            std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned>(e.value));
            return "W " + std::to_string(e.port) + " " + hex;
        case LinkEvent::Read:
            if (e.value < 0) {
                return "R " + std::to_string(e.port) + " -";
            }
            std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned>(e.value));
            return "R " + std::to_string(e.port) + " " + hex;
        case LinkEvent::Close:
            return "close " + std::to_string(e.port);
        case LinkEvent::Sleep:
            return "sleep " + std::to_string(e.value);
        case LinkEvent::Panel:
            return "panel " + std::to_string(e.value) + " '" + e.text + "'";
        case LinkEvent::ProgressMax:
            return "max " + std::to_string(e.value);
        case LinkEvent::ProgressPos:
            return "pos " + std::to_string(e.value);
        case LinkEvent::Message:
            return "message '" + e.text + "'";
        case LinkEvent::Confirm:
            return "confirm";
        case LinkEvent::Warning:
            return "warning";
        case LinkEvent::Picture:
            return e.value ? "green" : "red";
        case LinkEvent::Repaint:
            return "repaint";
    }
    return "?";
}

}  // namespace

std::vector<std::string> outline(const LinkLog& log) {
    std::vector<std::string> lines;
    int run = 0;
    int runPort = 0;
    auto flush = [&] {
        if (run > 0) {
            lines.push_back("W " + std::to_string(runPort) + " x" + std::to_string(run));
            run = 0;
        }
    };
    for (std::size_t i = 0; i < log.size(); ++i) {
        const LinkEvent& e = log[i];
        // Packet bytes with their progress steps fold into one line; lone writes stay visible.
        const bool packetByte = e.kind == LinkEvent::Write && i + 1 < log.size() &&
                                log[i + 1].kind == LinkEvent::ProgressPos;
        if (packetByte) {
            runPort = e.port;
            ++run;
            continue;
        }
        if (e.kind == LinkEvent::ProgressPos && run > 0) {
            continue;
        }
        flush();
        lines.push_back(describe(e));
    }
    flush();
    return lines;
}

}  // namespace varnel::testing
