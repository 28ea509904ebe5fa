#include "link/port_argument.h"

#include <gtest/gtest.h>

#include <sstream>

#include "link/stream_link_user.h"

namespace varnel {
namespace {

TEST(PortArgument, AutoComNumbersAndDevices) {
    struct Case {
        const char* text;
        bool valid;
        std::optional<int> port;
        const char* device;
    };
    for (const Case& c :
         {Case{"AUTO", true, std::nullopt, nullptr}, Case{"auto", true, std::nullopt, nullptr},
          Case{"COM3", true, 3, nullptr}, Case{"com 10", true, 10, nullptr},
          Case{"COM20", true, 20, nullptr}, Case{"COM0", false, std::nullopt, nullptr},
          Case{"COM21", false, std::nullopt, nullptr}, Case{"COM", false, std::nullopt, nullptr},
          Case{"COM3x", false, std::nullopt, nullptr}, Case{"", false, std::nullopt, nullptr},
          Case{"/dev/ttyUSB0", true, 1, "/dev/ttyUSB0"}}) {
        PortArgument a = parsePortArgument(c.text);
        EXPECT_EQ(a.valid, c.valid) << c.text;
        EXPECT_EQ(a.port, c.port) << c.text;
        EXPECT_EQ(a.device.has_value(), c.device != nullptr) << c.text;
        if (c.device) {
            EXPECT_EQ(*a.device, c.device);
        }
    }
}

TEST(PortArgument, NamedDeviceIsPinnedForTheRun) {
    PortMap map("/nonexistent", [] { return std::vector<std::filesystem::path>{"/dev/ttyUSB0"}; });
    EXPECT_EQ(applyPortArgument(parsePortArgument("/tmp/badge"), map), 1);
    EXPECT_EQ(map.device(1), std::filesystem::path("/tmp/badge"));
    EXPECT_EQ(map.device(2), std::filesystem::path("/dev/ttyUSB0"));
}

TEST(StreamLinkUser, LinesProgressAndQuestions) {
    std::ostringstream out;
    std::vector<std::string> asked;
    StreamLinkUser user(out, "x: ", false, [&](const std::string& q) {
        asked.push_back(q);
        return false;
    });
    user.setStatusPanel(2, "Available COM:3,");
    user.setStatusPanel(1, "");
    EXPECT_FALSE(user.confirm(" Warning!\r Sure ? "));
    user.setProgressMaximum(20);
    for (int i = 1; i <= 20; ++i) {
        user.setProgressPosition(i);
    }
    user.setProgressPosition(0);
    user.setSendPicture(SendPicture::Green);
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_EQ(
        out.str(),
        "x: Available COM:3,\n"
        "x:  Warning!\nx:  Sure ? \nx: Cancel\n"
        "x: sent 1 of 20 bytes (5%)\nx: sent 2 of 20 bytes (10%)\nx: sent 4 of 20 bytes (20%)\n"
        "x: sent 6 of 20 bytes (30%)\nx: sent 8 of 20 bytes (40%)\nx: sent 10 of 20 bytes (50%)\n"
        "x: sent 12 of 20 bytes (60%)\nx: sent 14 of 20 bytes (70%)\nx: sent 16 of 20 bytes (80%)\n"
        "x: sent 18 of 20 bytes (90%)\nx: sent 20 of 20 bytes (100%)\n"
        "x: done\n");
}

TEST(StreamLinkUser, BarRedrawnInPlaceOnATerminal) {
    std::ostringstream out;
    StreamLinkUser user(out, "", true, nullptr);
    user.setProgressMaximum(200);
    for (int i = 1; i <= 200; ++i) {
        user.setProgressPosition(i);
    }
    user.setProgressPosition(0);
    const std::string text = out.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 101) << "once per percent, 0 to 100";
    EXPECT_NE(text.find("\r[" + std::string(40, '#') + "] 200/200 bytes\n"), std::string::npos);
}

}  // namespace
}  // namespace varnel
