#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "link/link_result.h"
#include "link/link_user.h"
#include "link/serial_port.h"
#include "link/sleeper.h"

namespace varnel {

inline constexpr std::size_t kBadgeMemorySize = 32768;
inline constexpr std::uint16_t kHeaderBase = 0x0600;
inline constexpr std::uint16_t kBitmapBase = 0x0E00;
// From this many bitmap cells on, the user confirms before anything is sent.
inline constexpr int kSizeQuestionCells = 398;

inline constexpr int kLeadInPauseMs = 100;
inline constexpr int kHeaderPacketPauseMs = 28;
inline constexpr int kBitmapPacketPauseMs = 25;

// What the encoder produced for one Send, and where to send it.
struct SendJob {
    std::string sequence;                                   // slot characters in play order
    std::span<const std::uint8_t, kBadgeMemorySize> image;  // the badge memory image
    int cells = 0;                                          // bitmap cells used
    std::optional<int> port;                                // the chosen port; none: scan
};

// Bitmap packets for a cell count: two cells per packet, never past the end of the image.
int bitmapPacketCount(int cells);

// Writes the message headers and the used bitmap cells to the badge, with the lead-in byte
// before and the end record after, paced by the sleeper; every outcome goes to the user.
LinkResult sendToBadge(const SendJob& job, SerialPorts& ports, Sleeper& sleeper, LinkUser& user);

}  // namespace varnel
