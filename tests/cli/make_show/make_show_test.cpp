#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/bmp_writer.h"
#include "common/recording_prompt.h"
#include "files/document_file.h"
#include "language/code_page.h"
#include "support/cli_run.h"

namespace varnel {
namespace {

namespace fs = std::filesystem;

using testing::CliRun;
using testing::slurp;

class MakeShowTest : public ::testing::Test {
  protected:
    MakeShowTest() {
        dir_ = fs::temp_directory_path() / ("varnel-make-show-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    ~MakeShowTest() override { fs::remove_all(dir_); }

    CliRun cli(const std::vector<std::string>& args) {
        return testing::runProgram(fs::path(VARNEL_PROGRAM_DIR) / "varnel-cli", args, dir_);
    }

    std::string file(const std::string& name) const { return (dir_ / name).string(); }

    fs::path dir_;
};

TEST_F(MakeShowTest, MakeThenShowGivesEveryFieldBack) {
    std::string doc = file("greeting.bge");
    CliRun made = cli({"make",   doc, "--lang",     "ru",      "--text", "1",  "Привет",
                       "--text", "6", "say \"hi\"", "--speed", "3",      "0",  "--action",
                       "8",      "4", "--enable",   "0x7F",    "--run",  "9a3"});
    ASSERT_EQ(made.status, 0) << made.err;

    // The file itself: code-page bytes and the fields as given.
    BadgeProject p;
    RecordingPrompt prompt;
    ASSERT_EQ(loadDocFile(doc, p, prompt), DocumentLoad::Complete);
    EXPECT_EQ(p.text(1), "\xcf\xf0\xe8\xe2\xe5\xf2");  // cp1251
    EXPECT_EQ(p.text(6), "say \"hi\"");
    EXPECT_EQ(p.speed(3), 0);
    EXPECT_EQ(p.action(8), 4);
    EXPECT_EQ(p.enableMask, 0x7F);
    EXPECT_EQ(p.runSequence, "9a3");

    CliRun shown = cli({"show", doc, "--lang", "ru", "--json"});
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_NE(shown.out.find("\"speeds\": [4, 4, 0, 4, 4, 4, 4, 4]"), std::string::npos);
    EXPECT_NE(shown.out.find("\"actions\": [1, 1, 1, 1, 1, 1, 1, 4]"), std::string::npos);
    EXPECT_NE(shown.out.find("\"enableMask\": 127"), std::string::npos);
    EXPECT_NE(shown.out.find("\"runSequence\": \"9a3\""), std::string::npos);
    EXPECT_NE(shown.out.find("\"texts\": [\"Привет\", \"\", \"\", \"\", \"\", \"say \\\"hi\\\"\"]"),
              std::string::npos)
        << shown.out;
    EXPECT_NE(shown.out.find("\"pictures\": {\"7\": null, \"8\": null}"), std::string::npos);

    CliRun plain = cli({"show", doc, "--lang", "ru"});
    ASSERT_EQ(plain.status, 0);
    EXPECT_NE(plain.out.find("text 1 (6 bytes): Привет\n"), std::string::npos) << plain.out;
    EXPECT_NE(plain.out.find("enable: 0x7F (on: 1 2 3 4 5 6 7)\n"), std::string::npos);
}

TEST_F(MakeShowTest, PicturesFollowTheLoadColourRule) {
    // 20 x 18 pixels: black and dark red light up, pure red and grey do not; rows 16 and 17
    // never reach the slot.
    std::vector<std::uint32_t> rgb(20 * 18, 0xFFFFFF);
    rgb[0] = 0x000000;             // (0, 0) black
    rgb[1] = 0x800000;             // (1, 0) dark red
    rgb[2] = 0xFF0000;             // (2, 0) pure red
    rgb[3] = 0x808080;             // (3, 0) grey
    rgb[15 * 20 + 19] = 0xFE0000;  // (19, 15)
    rgb[16 * 20 + 5] = 0x000000;   // (5, 16)
    ByteVector bmp = writeBmp24(20, 18, rgb);
    std::ofstream(file("pic.bmp"), std::ios::binary)
        .write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));

    std::string doc = file("pic.bge");
    CliRun made = cli({"make", doc, "--picture", "8", file("pic.bmp")});
    ASSERT_EQ(made.status, 0) << made.err;
    BadgeProject p;
    RecordingPrompt prompt;
    ASSERT_EQ(loadDocFile(doc, p, prompt), DocumentLoad::Complete);
    EXPECT_EQ(p.pictureFlags, 0x04);
    ASSERT_EQ(p.picture(8).width(), 20);
    ASSERT_EQ(p.picture(8).height(), 16);
    int lit = 0;
    for (int x = 0; x < 20; ++x) {
        for (int y = 0; y < 16; ++y) {
            lit += p.picture(8).isLit(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(lit, 3);
    EXPECT_TRUE(p.picture(8).isLit(0, 0));
    EXPECT_TRUE(p.picture(8).isLit(1, 0));
    EXPECT_TRUE(p.picture(8).isLit(19, 15));
    EXPECT_EQ(p.picture(8).at(2, 0), SlotPicture::kOff);

    CliRun shown = cli({"show", doc, "--json"});
    EXPECT_NE(shown.out.find("\"pictures\": {\"7\": null, \"8\": {\"width\": 20, \"height\": 16}}"),
              std::string::npos)
        << shown.out;

    std::ofstream(file("notapicture.png")) << "plain text";
    CliRun broken = cli({"make", file("bad.bge"), "--picture", "7", file("notapicture.png")});
    EXPECT_EQ(broken.status, 2);
    EXPECT_NE(broken.err.find("notapicture.png"), std::string::npos) << broken.err;
    EXPECT_FALSE(fs::exists(file("bad.bge")));
}

TEST_F(MakeShowTest, DefaultsMakeTheNewProjectDocument) {
    ASSERT_EQ(cli({"make", file("empty.bge")}).status, 0);
    std::string bytes = slurp(file("empty.bge"));
    auto expected = documentBytes(BadgeProject());
    EXPECT_EQ(bytes, std::string(expected.begin(), expected.end()));
}

TEST_F(MakeShowTest, CharacterOutsideTheCodePageIsNamed) {
    CliRun r = cli({"make", file("x.bge"), "--lang", "en", "--text", "2", "ab日c"});
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.err.find("'日'"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("U+65E5"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(file("x.bge")));

    // The same character is fine where the code page has it.
    EXPECT_EQ(cli({"make", file("x.bge"), "--lang", "jp", "--text", "2", "ab日c"}).status, 0);
}

TEST_F(MakeShowTest, BadArgumentsAreRefused) {
    const std::vector<std::vector<std::string>> cases = {
        {"make"},
        {"make", file("a.bge"), "--text", "7", "x"},
        {"make", file("a.bge"), "--text", "1"},
        {"make", file("a.bge"), "--speed", "1", "5"},
        {"make", file("a.bge"), "--action", "9", "1"},
        {"make", file("a.bge"), "--enable", "256"},
        {"make", file("a.bge"), "--run", "123456789"},
        {"make", file("a.bge"), "--lang", "xx"},
        {"make", file("a.bge"), "--text", "1", std::string(251, 'x')},
        {"make", file("a.bge"), "--bogus"},
        {"show"},
    };
    for (const auto& args : cases) {
        CliRun r = cli(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_FALSE(r.err.empty());
    }
    EXPECT_FALSE(fs::exists(file("a.bge")));
}

TEST_F(MakeShowTest, ShowReportsDamagedDocuments) {
    CliRun missing = cli({"show", file("none.bge")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("File No Found !"), std::string::npos);

    ASSERT_EQ(cli({"make", file("cut.bge"), "--text", "1", "kept"}).status, 0);
    std::string bytes = slurp(file("cut.bge"));
    std::ofstream(file("cut.bge"), std::ios::binary) << bytes.substr(0, bytes.size() - 3);
    CliRun cut = cli({"show", file("cut.bge")});
    EXPECT_EQ(cut.status, 1);
    EXPECT_NE(cut.err.find("End of File not found!"), std::string::npos);
    EXPECT_NE(cut.out.find("text 1 (4 bytes): kept"), std::string::npos);
}

}  // namespace
}  // namespace varnel
