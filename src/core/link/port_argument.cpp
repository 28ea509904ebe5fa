#include "link/port_argument.h"

#include <cctype>

#include "link/serial_port.h"

namespace varnel {

namespace {

std::string upper(std::string_view text) {
    std::string s(text);
    for (char& c : s) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return s;
}

// The number a device named on the command line is given.
constexpr int kNamedDevicePort = 1;

}  // namespace

PortArgument parsePortArgument(std::string_view text) {
    const std::string u = upper(text);
    if (u == "AUTO") {
        return {true, std::nullopt, std::nullopt};
    }
    if (u.rfind("COM", 0) == 0) {
        std::string digits = u.substr(3);
        if (!digits.empty() && digits.front() == ' ') {
            digits.erase(0, 1);
        }
        if (digits.empty() || digits.size() > 2 ||
            digits.find_first_not_of("0123456789") != std::string::npos) {
            return {};
        }
        const int n = std::stoi(digits);
        if (n < kFirstPortNumber || n > kLastPortNumber) {
            return {};
        }
        return {true, n, std::nullopt};
    }
    if (text.empty()) {
        return {};
    }
    return {true, kNamedDevicePort, std::filesystem::path(text)};
}

std::optional<int> applyPortArgument(const PortArgument& argument, PortMap& map) {
    if (argument.device && argument.port) {
        map.pin(*argument.port, *argument.device);
    }
    return argument.port;
}

}  // namespace varnel
