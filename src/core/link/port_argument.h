#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "link/port_map.h"

namespace varnel {

// A port as a user names it on a command line: "AUTO", "COM<n>" (also "COM <n>", any case) with
// n from 1 to 20, or the path of a device.
struct PortArgument {
    bool valid = false;
    std::optional<int> port;                      // none: scan for the badge
    std::optional<std::filesystem::path> device;  // a device named by its path
};

PortArgument parsePortArgument(std::string_view text);

// The port number to use for an argument, pinning a named device onto the map.  None: scan.
std::optional<int> applyPortArgument(const PortArgument& argument, PortMap& map);

}  // namespace varnel
