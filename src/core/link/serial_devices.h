#pragma once

#include <filesystem>
#include <vector>

namespace varnel {

// Where the system describes its terminals and keeps their device nodes.
struct SerialDeviceRoots {
    std::filesystem::path sysClassTty = "/sys/class/tty";
    std::filesystem::path dev = "/dev";
};

// The serial devices present now, in a stable order:
//   1. USB adapters: ttyUSB0, ttyUSB1, ... then ttyACM0, ttyACM1, ... (by number);
//   2. every other terminal backed by hardware (ttyS, ttyAMA, ...), by name then number.
// Left out: terminals without hardware (virtual consoles, pseudo-terminals), the legacy ttyS
// entries that have no UART behind them (type 0), and terminals the system uses as its console.
// Without sysfs, only the USB adapters found in the device folder are listed.
std::vector<std::filesystem::path> listSerialDevices(const SerialDeviceRoots& roots = {});

}  // namespace varnel
