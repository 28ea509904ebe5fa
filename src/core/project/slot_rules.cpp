#include "project/slot_rules.h"

#include <array>

namespace varnel {

std::uint8_t stepSlotValue(std::uint8_t value) {
    return value >= 4 ? 0 : static_cast<std::uint8_t>(value + 1);
}

std::uint8_t enableBitOf(int slot) {
    return static_cast<std::uint8_t>(1u << (slot - 1));
}

bool isSlotEnabled(std::uint8_t mask, int slot) {
    return (mask & enableBitOf(slot)) != 0;
}

std::uint8_t withSlotEnabled(std::uint8_t mask, int slot, bool on) {
    return on ? static_cast<std::uint8_t>(mask | enableBitOf(slot))
              : static_cast<std::uint8_t>(mask & ~enableBitOf(slot));
}

std::optional<std::string> speedPictureFile(std::uint8_t speed) {
    static const std::array<const char*, 5> files = {"s1.dat", "s2.dat", "s3.dat", "s4.dat",
                                                     "s5.dat"};
    if (speed > 4) {
        return std::nullopt;
    }
    return files[speed];
}

std::optional<std::string> actionPictureFile(std::uint8_t action) {
    // The file order is not the numeric order of the names.
    static const std::array<const char*, 5> files = {"a1.dat", "a2.dat", "a4.dat", "a6.dat",
                                                     "a5.dat"};
    if (action > 4) {
        return std::nullopt;
    }
    return files[action];
}

}  // namespace varnel
