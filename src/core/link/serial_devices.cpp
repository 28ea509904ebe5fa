#include "link/serial_devices.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <system_error>
#include <tuple>

namespace varnel {

namespace fs = std::filesystem;

namespace {

struct TtyName {
    int group = 2;
    std::string prefix;
    long number = -1;
    std::string name;

    auto key() const { return std::tie(group, prefix, number, name); }
    bool operator<(const TtyName& other) const { return key() < other.key(); }
};

TtyName splitName(const std::string& name) {
    TtyName t;
    t.name = name;
    std::size_t digits = name.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1]))) {
        --digits;
    }
    t.prefix = name.substr(0, digits);
    if (digits < name.size() && name.size() - digits < 9) {
        t.number = std::stol(name.substr(digits));
    }
    if (t.prefix == "ttyUSB") {
        t.group = 0;
    } else if (t.prefix == "ttyACM") {
        t.group = 1;
    }
    return t;
}

std::string readFirstLine(const fs::path& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) {
        line.pop_back();
    }
    return line;
}

std::set<std::string> activeConsoles(const fs::path& sysClassTty) {
    std::set<std::string> names;
    std::istringstream words(readFirstLine(sysClassTty / "console" / "active"));
    std::string word;
    while (words >> word) {
        names.insert(word);
    }
    return names;
}

bool isUsbAdapter(const TtyName& t) {
    return t.group < 2 && t.number >= 0;
}

bool isHardwareSerial(const fs::path& entry, const TtyName& t,
                      const std::set<std::string>& consoles) {
    std::error_code ec;
    if (!fs::exists(entry / "device", ec)) {
        return false;
    }
    if (consoles.count(t.name) != 0 || readFirstLine(entry / "console") == "Y") {
        return false;
    }
    if (isUsbAdapter(t)) {
        return true;
    }
    // The 8250 driver registers its legacy ports whether a UART is there or not; only a port
    // with a known UART type is real.
    if (fs::exists(entry / "type", ec)) {
        const std::string type = readFirstLine(entry / "type");
        if (type.empty() || type == "0") {
            return false;
        }
    }
    return true;
}

}  // namespace

std::vector<fs::path> listSerialDevices(const SerialDeviceRoots& roots) {
    std::vector<TtyName> found;
    std::error_code ec;
    if (fs::is_directory(roots.sysClassTty, ec)) {
        const std::set<std::string> consoles = activeConsoles(roots.sysClassTty);
        for (const auto& entry : fs::directory_iterator(roots.sysClassTty, ec)) {
            TtyName t = splitName(entry.path().filename().string());
            if (isHardwareSerial(entry.path(), t, consoles) && fs::exists(roots.dev / t.name, ec)) {
                found.push_back(t);
            }
        }
    } else {
        for (const auto& entry : fs::directory_iterator(roots.dev, ec)) {
            TtyName t = splitName(entry.path().filename().string());
            if (isUsbAdapter(t)) {
                found.push_back(t);
            }
        }
    }
    std::sort(found.begin(), found.end());
    std::vector<fs::path> devices;
    for (const TtyName& t : found) {
        devices.push_back(roots.dev / t.name);
    }
    return devices;
}

}  // namespace varnel
