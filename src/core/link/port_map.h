#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "link/serial_port.h"

namespace varnel {

using DeviceLister = std::function<std::vector<std::filesystem::path>()>;

enum class PortSource {
    System,  // a serial device present on the system, or nothing
    Folder,  // a pin in the program's "ports" folder
    Memory,  // a pin the program set for this run
};

// What one port number stands for.
struct PortTarget {
    std::optional<std::filesystem::path> device;  // none: nothing stands for the number
    PortSource source = PortSource::System;

    bool pinned() const { return source != PortSource::System; }
};

// Maps the port numbers 1 to 20 onto serial devices.
//
// A pin in the folder "ports" beside the program fixes a number: "ports/COM<n>" is either a
// symbolic link to the device, or a text file whose first line is the device's path (a relative
// path counts from the "ports" folder); an empty file pins the number to nothing, which hides it
// from the scan.  The numbers that are not pinned take the serial devices present on the system,
// in the order listSerialDevices() gives (USB adapters first), from the lowest number up; a
// device that a pin already names is not given a second number.
//
// The map is worked out afresh at every question, so it follows devices as they come and go.
class PortMap {
  public:
    explicit PortMap(std::filesystem::path programFolder, DeviceLister lister = {});

    // A pin held in memory only, taking precedence over the folder (for a device named on the
    // command line).  An empty device pins the number to nothing.
    void pin(int port, std::optional<std::filesystem::path> device);

    PortTarget target(int port) const;
    std::optional<std::filesystem::path> device(int port) const { return target(port).device; }

    // Every number at once, index 0 for port 1.
    std::array<PortTarget, kLastPortNumber> all() const;

    static std::filesystem::path pinFolder(const std::filesystem::path& programFolder) {
        return programFolder / "ports";
    }

  private:
    std::optional<PortTarget> folderPin(int port) const;

    std::filesystem::path programFolder_;
    DeviceLister lister_;
    std::array<std::optional<PortTarget>, kLastPortNumber> memoryPins_{};
};

// The text a port shows to the user: the device it stands for, or a note that none does.
std::string describePort(const PortMap& map, int port);

}  // namespace varnel
