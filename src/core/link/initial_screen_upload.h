#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "link/link_result.h"
#include "link/link_user.h"
#include "link/serial_port.h"
#include "link/sleeper.h"

namespace varnel {

inline constexpr int kInitialScreenPackets = 48;
inline constexpr int kInitialScreenPauseMs = 40;

// Reads 64-byte block i (0 to 47) of the resident font.  It may tell the user about a file that
// is missing or short and then returns what it has.
using FontBlockReader = std::function<std::array<std::uint8_t, 64>(int block)>;

// Writes the first 3072 bytes of the resident font into badge addresses 0x0000 to 0x0BFF, on the
// chosen port or on the port its own scan finds (ports 1 up to 8), and ends with the mask 0xFF.
LinkResult uploadInitialScreen(std::optional<int> port, const FontBlockReader& readBlock,
                               SerialPorts& ports, Sleeper& sleeper, LinkUser& user);

}  // namespace varnel
