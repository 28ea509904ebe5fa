#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace varnel {

// Speeds and actions share one cycle: 0 -> 1 -> 2 -> 3 -> 4 -> 0; anything above 4 becomes 0.
std::uint8_t stepSlotValue(std::uint8_t value);

// EnableMask: bit n - 1 belongs to slot n.
std::uint8_t enableBitOf(int slot);
bool isSlotEnabled(std::uint8_t mask, int slot);
std::uint8_t withSlotEnabled(std::uint8_t mask, int slot, bool on);

// The button picture files of the program folder; nothing for a value outside 0..4.
std::optional<std::string> speedPictureFile(std::uint8_t speed);
std::optional<std::string> actionPictureFile(std::uint8_t action);

// Header characters of a slot's speed and action.
inline std::uint8_t speedHeaderByte(std::uint8_t speed) {
    return static_cast<std::uint8_t>(speed + 0x31);
}
inline std::uint8_t actionHeaderByte(std::uint8_t action) {
    return static_cast<std::uint8_t>(action + 0x41);
}

}  // namespace varnel
