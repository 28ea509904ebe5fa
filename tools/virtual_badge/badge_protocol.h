#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varnel::badge {

inline constexpr std::size_t kMemorySize = 32768;

// One 69-byte memory write as it arrived.
struct PacketSeen {
    unsigned address = 0;
    bool addressOk = false;   // a multiple of 64 inside the memory
    bool checksumOk = false;  // byte 68 equals the sum of bytes 1 to 67 modulo 256
    std::uint8_t checksum = 0;
    std::uint8_t expectedChecksum = 0;
    // From the last byte of the previous packet (or of the lead-in) to the first byte of this
    // one; none when nothing came before it in the session.
    std::optional<double> msSincePrevious;
};

struct EndSeen {
    std::uint8_t mask = 0;
    std::optional<double> msSincePrevious;
};

// Everything the badge took in from one sender between two end records.
struct Session {
    int probes = 0;
    int replies = 0;
    std::string letters;  // 'A' to 'E' after the probe
    int leadIns = 0;
    std::vector<PacketSeen> packets;
    std::optional<EndSeen> end;
    std::vector<std::uint8_t> unexpected;  // bytes that fit nowhere
    int truncatedRecords = 0;              // records the sender left unfinished

    bool ok() const;
};

// The badge's side of the line, byte by byte.  It knows nothing of how a sender builds its
// bytes: it only checks what arrives against the rules of the line.
class BadgeProtocol {
  public:
    // reply: what the badge answers to the probe 'T' (none: it stays silent).
    explicit BadgeProtocol(std::optional<std::uint8_t> reply) : reply_(reply) {}

    struct Step {
        std::optional<std::uint8_t> answer;  // to be written back at once
        bool sessionEnded = false;           // an end record has just been completed
    };

    // One byte that arrived at nowMs (a monotonic clock in milliseconds).
    Step feed(std::uint8_t byte, double nowMs);

    const Session& session() const { return session_; }
    // Hands over the session and starts a new one; the memory stays.
    Session takeSession();

    const std::array<std::uint8_t, kMemorySize>& memory() const { return memory_; }

    // A record that stops for longer than this is dropped as unfinished.
    static constexpr double kRecordGapMs = 500.0;

  private:
    void finishPacket();
    void finishEnd();

    std::optional<std::uint8_t> reply_;
    Session session_;
    std::array<std::uint8_t, kMemorySize> memory_{};
    std::vector<std::uint8_t> record_;
    double recordStartMs_ = 0;
    double lastByteMs_ = 0;
    std::optional<double> previousEndMs_;  // end of the last lead-in or packet
};

}  // namespace varnel::badge
