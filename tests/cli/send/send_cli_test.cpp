// varnel-cli send and upload-font against the virtual badge, pinned as COM3 in a program folder
// of their own.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>
#include <chrono>
#include <fstream>
#include <map>

#include "common/recording_prompt.h"
#include "encoder/badge_encoder.h"
#include "files/document_file.h"
#include "link/badge_send.h"
#include "link/initial_screen_upload.h"
#include "tools/virtual_badge/badge_process.h"

extern char** environ;

namespace varnel {
namespace {

namespace fs = std::filesystem;
using testing::BadgeProcess;

// See the badge link tests.
constexpr double kObserverSlackMs = 10.0;
constexpr std::size_t kMedianSamples = 8;
constexpr int kJapanese = 0;

struct CliRun {
    int status = -1;
    std::string err;
    double seconds = 0;
};

// A program folder of its own: the command-line tool copied in (it finds its data beside
// itself), the glyph files linked, and every port number pinned to nothing but those a test
// gives the badge, so the machine's own serial devices stay out.
struct CliSend : ::testing::Test {
    testing::ScratchFolder scratch;
    fs::path program = scratch.path / "program";
    fs::path report = scratch.path / "report.json";
    fs::path dump = scratch.path / "memory.bin";

    void SetUp() override {
        fs::create_directories(program / "ports");
        fs::copy_file(fs::path(VARNEL_PROGRAM_DIR) / "varnel-cli", program / "varnel-cli");
        fs::create_directory_symlink(fs::path(VARNEL_PROGRAM_DIR) / "system16",
                                     program / "system16");
        for (int n = 1; n <= 20; ++n) {
            std::ofstream(program / "ports" / ("COM" + std::to_string(n)));
        }
    }

    std::unique_ptr<BadgeProcess> startBadge(std::vector<std::string> extra = {}) {
        fs::remove(program / "ports/COM3");
        extra.insert(extra.end(), {"--report", report.string(), "--dump", dump.string()});
        auto badge = std::make_unique<BadgeProcess>(program / "ports/COM3", extra);
        EXPECT_TRUE(badge->started());
        return badge;
    }

    CliRun cli(std::vector<std::string> args) {
        const fs::path errFile = scratch.path / "stderr.txt";
        args.insert(args.begin(), (program / "varnel-cli").string());
        std::vector<char*> argv;
        for (std::string& a : args) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        CliRun run;
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = -1;
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
            int status = 0;
            waitpid(pid, &status, 0);
            run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        run.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        posix_spawn_file_actions_destroy(&actions);
        std::vector<unsigned char> err = testing::readBytes(errFile);
        run.err.assign(err.begin(), err.end());
        return run;
    }

    fs::path document(const BadgeProject& project, const std::string& name = "doc.bge") {
        fs::path path = scratch.path / name;
        EXPECT_TRUE(saveDocFile(path, project));
        return path;
    }
};

// The image the encoder makes of a project, with what it used.
struct Expected {
    std::vector<std::uint8_t> image;
    EncodedBadge encoded;
};

Expected encode(const BadgeProject& project) {
    RecordingPrompt prompt;
    BadgeEncoder encoder(VARNEL_PROGRAM_DIR, prompt);
    Expected e;
    e.encoded = encoder.encode(project, kJapanese);
    e.image.assign(encoder.image().data(), encoder.image().data() + kBadgeMemorySize);
    EXPECT_TRUE(prompt.messages.empty());
    return e;
}

// Japanese text of n double-byte characters (one cell each).
std::string kanji(int n) {
    std::string text;
    for (int i = 0; i < n; ++i) {
        int trail = 0x40 + i % 150;
        if (trail >= 0x7F) {
            ++trail;
        }
        text += static_cast<char>(0x89 + i / 150);
        text += static_cast<char>(trail);
    }
    return text;
}

SlotPicture stripes(int width) {
    SlotPicture picture(width, 16);
    for (int x = 0; x < width; ++x) {
        picture.set(x, x % 16, SlotPicture::kLit);
    }
    return picture;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The badge memory equals the encoder's image wherever Send wrote; the packets are well formed
// and paced; the end record carries the message mask.
void expectBadgeHolds(const QJsonObject& session, const Expected& e,
                      const std::vector<unsigned char>& memory) {
    const int n = static_cast<int>(e.encoded.sequence.size());
    const int bitmapPackets = bitmapPacketCount(e.encoded.cells);
    EXPECT_TRUE(session.value("ok").toBool());
    const QJsonArray packets = session.value("packets").toArray();
    ASSERT_EQ(packets.size(), 4 * n + bitmapPackets);
    EXPECT_EQ(session.value("end").toObject().value("mask").toInt(), n == 0 ? 0 : 0xFF >> (8 - n));

    int pause = kLeadInPauseMs;
    std::map<int, std::vector<double>> gaps;
    auto checkGap = [&](const QJsonObject& record) {
        const double gap = record.value("msSincePrevious").toDouble();
        EXPECT_GE(gap, pause - kObserverSlackMs);
        gaps[pause].push_back(gap);
    };
    for (int i = 0; i < packets.size(); ++i) {
        const QJsonObject p = packets.at(i).toObject();
        const int expectedAddress =
            i < 4 * n ? 0x0600 + 0x100 * (i / 4) + 0x40 * (i % 4) : 0x0E00 + 0x40 * (i - 4 * n);
        EXPECT_EQ(p.value("address").toInt(), expectedAddress);
        EXPECT_TRUE(p.value("checksumOk").toBool());
        checkGap(p);
        pause = i < 4 * n ? kHeaderPacketPauseMs : kBitmapPacketPauseMs;
    }
    checkGap(session.value("end").toObject());
    for (const auto& [ms, measured] : gaps) {
        if (measured.size() >= kMedianSamples) {
            EXPECT_GE(median(measured), ms) << ms << " ms pauses";
        }
    }

    ASSERT_EQ(memory.size(), kBadgeMemorySize);
    auto same = [&](std::size_t from, std::size_t to) {
        for (std::size_t a = from; a < to; ++a) {
            ASSERT_EQ(memory[a], e.image[a]) << std::hex << a;
        }
    };
    same(0x0600, 0x0600 + 0x100 * static_cast<std::size_t>(n));
    same(0x0E00, 0x0E00 + 0x40 * static_cast<std::size_t>(bitmapPackets));
}

BadgeProject smallProject() {
    BadgeProject p;
    p.text(1) = "Hi ~H";
    p.text(3) = kanji(3);
    p.speed(3) = 1;
    p.action(3) = 3;
    return p;
}

TEST_F(CliSend, SendsASmallDocumentWithAutoAndWithCom3) {
    const BadgeProject project = smallProject();
    const Expected e = encode(project);
    ASSERT_EQ(e.encoded.sequence, "13");
    ASSERT_EQ(e.encoded.cells, 5);
    const fs::path doc = document(project);
    for (const char* port : {"AUTO", "COM3", "com 3"}) {
        auto badge = startBadge({"--once"});
        CliRun run = cli({"send", doc.string(), "--lang", "jp", "--port", port});
        EXPECT_EQ(run.status, 0) << port << "\n" << run.err;
        EXPECT_EQ(badge->waitForExit(5000), 0) << port;
        QJsonObject session =
            testing::readReport(report).value("sessions").toArray().at(0).toObject();
        EXPECT_EQ(session.value("probes").toInt(), std::string(port) == "AUTO" ? 1 : 0) << port;
        expectBadgeHolds(session, e, testing::readBytes(dump));
        EXPECT_NE(run.err.find("Send Message:13\n"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("done\n"), std::string::npos) << run.err;
    }
}

TEST_F(CliSend, SendsToADeviceNamedByItsPath) {
    const BadgeProject project = smallProject();
    const fs::path doc = document(project);
    auto badge = startBadge({"--once"});
    CliRun run =
        cli({"send", doc.string(), "--lang", "jp", "--port", (program / "ports/COM3").string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(badge->waitForExit(5000), 0);
    expectBadgeHolds(testing::readReport(report).value("sessions").toArray().at(0).toObject(),
                     encode(project), testing::readBytes(dump));
}

TEST_F(CliSend, NoBadgeAndNoPort) {
    const fs::path doc = document(smallProject());
    {
        auto badge = startBadge({"--silent"});
        CliRun run = cli({"send", doc.string(), "--lang", "jp", "--port", "AUTO"});
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find("Available COM:3,\n"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("Can't find the Sign by Auto Detect Mode\n"), std::string::npos);
        EXPECT_NE(run.err.find("Please choose a com port  and try it again!\n"), std::string::npos);
    }
    CliRun chosen = cli({"send", doc.string(), "--lang", "jp", "--port", "COM4"});
    EXPECT_EQ(chosen.status, 1);
    EXPECT_NE(chosen.err.find("Can't Open the serial port!\n"), std::string::npos) << chosen.err;
    CliRun upload = cli({"upload-font", "--port", "COM4"});
    EXPECT_EQ(upload.status, 1);
    EXPECT_NE(upload.err.find("Serial port can't open!\n"), std::string::npos) << upload.err;
}

TEST_F(CliSend, DocumentsThatCannotBeSent) {
    auto badge = startBadge();
    BadgeProject tooLong;
    tooLong.text(1) = kanji(126);  // one entry too many for its header
    CliRun refused = cli({"send", document(tooLong).string(), "--lang", "jp", "--port", "COM3"});
    EXPECT_EQ(refused.status, 2) << refused.err;
    CliRun missing =
        cli({"send", (scratch.path / "none.bge").string(), "--lang", "jp", "--port", "COM3"});
    EXPECT_EQ(missing.status, 2);
    CliRun badLanguage =
        cli({"send", document(smallProject()).string(), "--lang", "xx", "--port", "COM3"});
    EXPECT_EQ(badLanguage.status, 2);
    CliRun badPort =
        cli({"send", document(smallProject()).string(), "--lang", "jp", "--port", "COM21"});
    EXPECT_EQ(badPort.status, 2);
    badge->stop();
    EXPECT_TRUE(testing::readReport(report).value("sessions").toArray().isEmpty())
        << "nothing reached the badge";
}

TEST_F(CliSend, SizeQuestionIsCancelWithoutYes) {
    BadgeProject big;
    for (int slot = 1; slot <= 4; ++slot) {
        big.text(slot) = kanji(100);
    }
    const Expected e = encode(big);
    ASSERT_EQ(e.encoded.cells, 400);
    const fs::path doc = document(big);
    {
        auto badge = startBadge();
        CliRun run = cli({"send", doc.string(), "--lang", "jp", "--port", "COM3"});
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_NE(run.err.find(" Warning: Maybe too many words in message!\n"
                               "varnel-cli send:  Are you sure to send the message ? \n"),
                  std::string::npos)
            << run.err;
        badge->stop();
        QJsonObject session =
            testing::readReport(report).value("sessions").toArray().at(0).toObject();
        EXPECT_EQ(session.value("leadIns").toInt(), 1);
        EXPECT_TRUE(session.value("packets").toArray().isEmpty());
    }
    auto badge = startBadge({"--once"});
    CliRun run = cli({"send", doc.string(), "--lang", "jp", "--port", "COM3", "--yes"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(badge->waitForExit(5000), 0);
    expectBadgeHolds(testing::readReport(report).value("sessions").toArray().at(0).toObject(), e,
                     testing::readBytes(dump));
}

TEST_F(CliSend, UploadFontFindsTheBadgeOnCom3) {
    auto badge = startBadge({"--once"});
    CliRun run = cli({"upload-font", "--port", "AUTO"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(badge->waitForExit(5000), 0);
    QJsonObject session = testing::readReport(report).value("sessions").toArray().at(0).toObject();
    EXPECT_EQ(session.value("packets").toArray().size(), kInitialScreenPackets);
    EXPECT_EQ(session.value("end").toObject().value("mask").toInt(), 0xFF);
    std::vector<unsigned char> font =
        testing::readBytes(fs::path(VARNEL_PROGRAM_DIR) / "system16/_system/efont12_thin.bin");
    std::vector<unsigned char> memory = testing::readBytes(dump);
    ASSERT_GE(font.size(), 3072u);
    ASSERT_EQ(memory.size(), kBadgeMemorySize);
    EXPECT_TRUE(std::equal(font.begin(), font.begin() + 3072, memory.begin()));
}

// Eight messages and about 900 cells: the wall time of the whole command against the pauses
// the line needs.
TEST_F(CliSend, FullSendTakesLittleMoreThanItsPauses) {
    BadgeProject full;
    for (int slot = 1; slot <= 6; ++slot) {
        full.text(slot) = kanji(125);
    }
    full.setPicture(7, stripes(75 * 16));
    full.setPicture(8, stripes(75 * 16));
    const Expected e = encode(full);
    ASSERT_EQ(e.encoded.sequence.size(), 8u);
    ASSERT_EQ(e.encoded.cells, 900);
    const fs::path doc = document(full);
    auto badge = startBadge({"--once"});
    CliRun run = cli({"send", doc.string(), "--lang", "jp", "--port", "AUTO", "--yes"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(badge->waitForExit(5000), 0);
    expectBadgeHolds(testing::readReport(report).value("sessions").toArray().at(0).toObject(), e,
                     testing::readBytes(dump));

    const double pausesMs = kLeadInPauseMs + 32 * kHeaderPacketPauseMs + 450 * kBitmapPacketPauseMs;
    const double ratio = run.seconds * 1000 / pausesMs;
    std::printf("full send: %.3f s for %.0f ms of pauses, ratio %.4f\n", run.seconds, pausesMs,
                ratio);
    RecordProperty("wall_to_pauses_ratio", std::to_string(ratio));
    // The aim is 1.02 (an optimised build measures about 1.018); the bound leaves room for
    // sanitizer builds on a busy machine and still catches a sender that waits for the line
    // after every packet.
    EXPECT_LT(ratio, 1.15);
}

}  // namespace
}  // namespace varnel
