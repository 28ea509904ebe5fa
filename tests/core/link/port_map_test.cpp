#include "link/port_map.h"

#include <gtest/gtest.h>

#include <fstream>

#include "link/serial_devices.h"

namespace varnel {
namespace {

namespace fs = std::filesystem;

struct TempFolder {
    fs::path path;
    TempFolder() {
        path = fs::temp_directory_path() /
               ("varnel-link-" + std::to_string(::getpid()) + "-" + std::to_string(counter()++));
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempFolder() { fs::remove_all(path); }
    static int& counter() {
        static int n = 0;
        return n;
    }
    void write(const fs::path& relative, const std::string& text) const {
        fs::create_directories((path / relative).parent_path());
        std::ofstream(path / relative) << text;
    }
};

DeviceLister devices(std::vector<fs::path> list) {
    return [list] { return list; };
}

TEST(PortMap, UnpinnedNumbersTakeTheSystemDevicesFromOneUp) {
    TempFolder program;
    PortMap map(program.path, devices({"/dev/ttyUSB0", "/dev/ttyACM0", "/dev/ttyS4"}));
    EXPECT_EQ(map.device(1), fs::path("/dev/ttyUSB0"));
    EXPECT_EQ(map.device(2), fs::path("/dev/ttyACM0"));
    EXPECT_EQ(map.device(3), fs::path("/dev/ttyS4"));
    EXPECT_EQ(map.device(4), std::nullopt);
    EXPECT_EQ(map.device(0), std::nullopt);
    EXPECT_EQ(map.device(21), std::nullopt);
    EXPECT_FALSE(map.target(1).pinned());
}

TEST(PortMap, PinsInTheFolderFixTheirNumbers) {
    TempFolder program;
    fs::create_directories(program.path / "ports");
    fs::create_symlink("/dev/ttyACM0", program.path / "ports/COM1");
    program.write("ports/COM3", "  /dev/serial/by-id/usb-badge  \nignored\n");
    program.write("ports/COM4", "");  // switched off
    program.write("ports/COM5", "relative-device");
    fs::create_symlink("../elsewhere", program.path / "ports/COM6");
    PortMap map(program.path, devices({"/dev/ttyUSB0", "/dev/ttyACM0", "/dev/ttyUSB1"}));

    auto all = map.all();
    EXPECT_EQ(all[0].device, fs::path("/dev/ttyACM0"));
    EXPECT_EQ(all[0].source, PortSource::Folder);
    EXPECT_EQ(all[1].device, fs::path("/dev/ttyUSB0")) << "first unpinned number";
    EXPECT_EQ(all[2].device, fs::path("/dev/serial/by-id/usb-badge"));
    EXPECT_EQ(all[3].device, std::nullopt);
    EXPECT_TRUE(all[3].pinned());
    EXPECT_EQ(all[4].device, program.path / "ports/relative-device");
    EXPECT_EQ(all[5].device, program.path / "ports/../elsewhere");
    EXPECT_EQ(all[6].device, fs::path("/dev/ttyUSB1"))
        << "ttyACM0 is pinned at 1 and not given a second number";
    EXPECT_EQ(all[7].device, std::nullopt);
}

TEST(PortMap, MemoryPinTakesPrecedence) {
    TempFolder program;
    program.write("ports/COM2", "/dev/ttyUSB7");
    PortMap map(program.path, devices({"/dev/ttyUSB0"}));
    map.pin(2, fs::path("/tmp/some-pty"));
    map.pin(1, std::nullopt);
    EXPECT_EQ(map.device(2), fs::path("/tmp/some-pty"));
    EXPECT_EQ(map.target(2).source, PortSource::Memory);
    EXPECT_EQ(map.device(1), std::nullopt);
    EXPECT_EQ(map.device(3), fs::path("/dev/ttyUSB0"));
}

TEST(PortMap, DescribesEachNumberForItsToolTip) {
    TempFolder program;
    program.write("ports/COM2", "");
    program.write("ports/COM3", "/dev/pts/9");
    PortMap map(program.path, devices({"/dev/ttyUSB0"}));
    EXPECT_EQ(describePort(map, 1), "COM 1: /dev/ttyUSB0");
    EXPECT_EQ(describePort(map, 2), "COM 2: switched off by ports/COM2");
    EXPECT_EQ(describePort(map, 3), "COM 3: /dev/pts/9 (ports/COM3)");
    EXPECT_EQ(describePort(map, 4), "COM 4: no serial device");
}

// A fake sysfs and device folder with the kinds of terminals a PC has.
TEST(SerialDevices, UsbAdaptersFirstThenRealUartsInNumberOrder) {
    TempFolder root;
    const fs::path sys = root.path / "sys";
    const fs::path dev = root.path / "dev";
    fs::create_directories(dev);
    auto tty = [&](const std::string& name, bool hardware, const char* type, bool inDev) {
        fs::create_directories(sys / name);
        if (hardware) {
            fs::create_directories(sys / name / "device");
        }
        if (type) {
            root.write("sys/" + name + "/type", std::string(type) + "\n");
        }
        if (inDev) {
            root.write("dev/" + name, "");
        }
    };
    tty("ttyUSB10", true, nullptr, true);
    tty("ttyUSB2", true, nullptr, true);
    tty("ttyUSB3", true, nullptr, false);  // gone from /dev
    tty("ttyACM0", true, nullptr, true);
    tty("ttyS0", true, "4", true);  // the console
    tty("ttyS1", true, "0", true);  // legacy entry without a UART
    tty("ttyS12", true, "4", true);
    tty("ttyS2", true, "4", true);
    tty("ttyAMA0", true, nullptr, true);
    tty("tty1", false, nullptr, true);  // virtual console
    tty("ptmx", false, nullptr, true);
    tty("console", false, nullptr, true);
    root.write("sys/console/active", "tty0 ttyS0\n");

    std::vector<fs::path> found = listSerialDevices({sys, dev});
    EXPECT_EQ(found, (std::vector<fs::path>{dev / "ttyUSB2", dev / "ttyUSB10", dev / "ttyACM0",
                                            dev / "ttyAMA0", dev / "ttyS2", dev / "ttyS12"}));

    // Without sysfs only the USB adapters are known.
    EXPECT_EQ(listSerialDevices({root.path / "none", dev}),
              (std::vector<fs::path>{dev / "ttyUSB2", dev / "ttyUSB10", dev / "ttyACM0"}));
}

}  // namespace
}  // namespace varnel
