#include "link/port_map.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>

#include "link/serial_devices.h"

namespace varnel {

namespace fs = std::filesystem;

namespace {

bool validPort(int port) {
    return port >= kFirstPortNumber && port <= kLastPortNumber;
}

std::string trimmedFirstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    auto notSpace = [](unsigned char c) { return !std::isspace(c); };
    line.erase(line.begin(), std::find_if(line.begin(), line.end(), notSpace));
    line.erase(std::find_if(line.rbegin(), line.rend(), notSpace).base(), line.end());
    return line;
}

fs::path sameFile(const fs::path& path) {
    std::error_code ec;
    fs::path canonical = fs::weakly_canonical(path, ec);
    return ec ? path : canonical;
}

}  // namespace

PortMap::PortMap(fs::path programFolder, DeviceLister lister)
    : programFolder_(std::move(programFolder)), lister_(std::move(lister)) {
    if (!lister_) {
        lister_ = [] { return listSerialDevices(); };
    }
}

void PortMap::pin(int port, std::optional<fs::path> device) {
    if (validPort(port)) {
        memoryPins_[static_cast<std::size_t>(port - 1)] =
            PortTarget{std::move(device), PortSource::Memory};
    }
}

std::optional<PortTarget> PortMap::folderPin(int port) const {
    const fs::path folder = pinFolder(programFolder_);
    const fs::path pinPath = folder / ("COM" + std::to_string(port));
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(pinPath, ec);
    if (ec) {
        return std::nullopt;
    }
    if (fs::is_symlink(status)) {
        fs::path target = fs::read_symlink(pinPath, ec);
        if (ec) {
            return std::nullopt;
        }
        return PortTarget{target.is_absolute() ? target : folder / target, PortSource::Folder};
    }
    if (fs::is_regular_file(status)) {
        const std::string text = trimmedFirstLine(pinPath);
        if (text.empty()) {
            return PortTarget{std::nullopt, PortSource::Folder};
        }
        fs::path target(text);
        return PortTarget{target.is_absolute() ? target : folder / target, PortSource::Folder};
    }
    return std::nullopt;
}

std::array<PortTarget, kLastPortNumber> PortMap::all() const {
    std::array<PortTarget, kLastPortNumber> targets{};
    std::array<bool, kLastPortNumber> pinned{};
    std::vector<fs::path> pinnedDevices;
    for (int port = kFirstPortNumber; port <= kLastPortNumber; ++port) {
        const auto i = static_cast<std::size_t>(port - 1);
        std::optional<PortTarget> pin = memoryPins_[i] ? memoryPins_[i] : folderPin(port);
        if (pin) {
            targets[i] = *pin;
            pinned[i] = true;
            if (pin->device) {
                pinnedDevices.push_back(sameFile(*pin->device));
            }
        }
    }
    std::size_t next = 0;
    for (const fs::path& device : lister_()) {
        const fs::path canonical = sameFile(device);
        if (std::find(pinnedDevices.begin(), pinnedDevices.end(), canonical) !=
            pinnedDevices.end()) {
            continue;
        }
        while (next < targets.size() && pinned[next]) {
            ++next;
        }
        if (next == targets.size()) {
            break;
        }
        targets[next++] = PortTarget{device, PortSource::System};
    }
    return targets;
}

PortTarget PortMap::target(int port) const {
    if (!validPort(port)) {
        return {};
    }
    return all()[static_cast<std::size_t>(port - 1)];
}

std::string describePort(const PortMap& map, int port) {
    const PortTarget t = map.target(port);
    const std::string name = "COM " + std::to_string(port) + ": ";
    const std::string pinName = "ports/COM" + std::to_string(port);
    if (!t.device) {
        return name + (t.source == PortSource::Folder ? "switched off by " + pinName
                                                      : std::string("no serial device"));
    }
    return name + t.device->string() + (t.source == PortSource::Folder ? " (" + pinName + ")" : "");
}

}  // namespace varnel
