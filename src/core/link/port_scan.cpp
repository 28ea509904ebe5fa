#include "link/port_scan.h"

#include <string>

#include "link/link_texts.h"

namespace varnel {

namespace {

constexpr std::uint8_t kProbe = 'T';
constexpr int kProbeTimeoutMs = 10;

bool existsButRefused(const SerialError& error) {
    return error.kind == SerialErrorKind::NoPermission || error.kind == SerialErrorKind::Busy ||
           error.kind == SerialErrorKind::IoError;
}

// Probes an open port; true when the badge answered.
bool probe(SerialPorts& ports, int port) {
    ports.setLine(port, kBadgeLine);
    ports.setReadTimeouts(port, kProbeTimeoutMs, kProbeTimeoutMs);
    if (!ports.writeByte(port, kProbe).ok()) {
        return false;
    }
    ReadResult answer = ports.readByte(port);
    return answer.error.ok() && answer.byte == kProbe;
}

}  // namespace

std::optional<int> portFromComBoxIndex(int index) {
    if (index >= 1 && index <= 10) {
        return index;
    }
    return std::nullopt;
}

std::string cannotOpenMessage(const char* text, const SerialError& error) {
    std::string message = text;
    if (existsButRefused(error) && !error.explanation.empty()) {
        message += "\n" + error.explanation;
    }
    return message;
}

ScanOutcome scanForBadge(ScanKind kind, SerialPorts& ports, LinkUser& user) {
    ScanOutcome outcome;
    const bool send = kind == ScanKind::Send;
    const int first = send ? kLastPortNumber : 1;
    const int last = send ? 1 : 8;
    const int step = send ? -1 : 1;
    std::string available;
    for (int port = first; port != last + step; port += step) {
        SerialError opened = ports.open(port);
        if (!opened.ok()) {
            if (existsButRefused(opened)) {
                outcome.refused.push_back({port, opened});
            }
            continue;
        }
        if (send) {
            available += std::to_string(port) + ",";
            user.setStatusPanel(2, std::string(link_texts::kAvailableCom) + available);
            user.setStatusPanel(1, "");
        }
        if (!probe(ports, port)) {
            ports.close(port);
            continue;
        }
        outcome.port = port;
        if (send) {
            user.setStatusPanel(1, std::string(link_texts::kCom) + std::to_string(port));
            user.setStatusPanel(2, "");
            for (std::uint8_t letter = 'A'; letter <= 'E'; ++letter) {
                SerialError written = ports.writeByte(port, letter);
                if (!written.ok()) {
                    outcome.writeError = written;
                    break;
                }
                ports.readByte(port);
            }
        }
        return outcome;
    }
    return outcome;
}

}  // namespace varnel
