#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/recording_prompt.h"
#include "encoder/badge_encoder.h"
#include "files/document_file.h"
#include "support/cli_run.h"

namespace varnel {
namespace {

namespace fs = std::filesystem;

using testing::CliRun;
using testing::slurp;

class CliEncodeTest : public ::testing::Test {
  protected:
    CliEncodeTest() {
        dir_ = fs::temp_directory_path() / ("varnel-cli-encode-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    ~CliEncodeTest() override { fs::remove_all(dir_); }

    CliRun cli(const std::vector<std::string>& args,
               const fs::path& exe = fs::path(VARNEL_PROGRAM_DIR) / "varnel-cli") {
        std::vector<std::string> all{"encode"};
        all.insert(all.end(), args.begin(), args.end());
        return testing::runProgram(exe, all, dir_);
    }

    std::string file(const std::string& name) const { return (dir_ / name).string(); }

    std::string saveDocument(const std::string& name, const BadgeProject& project) {
        EXPECT_TRUE(saveDocFile(file(name), project));
        return file(name);
    }

    // The image the core makes from the same document with the same glyph files.
    std::string coreImage(const std::string& doc, int languageId, const fs::path& folder,
                          EncodedBadge& encoded, std::vector<std::string>& messages) {
        RecordingPrompt prompt;
        BadgeProject project;
        loadDocFile(doc, project, prompt);
        BadgeEncoder encoder(folder, prompt);
        encoded = encoder.encode(project, languageId);
        messages = prompt.messages;
        const auto* data = reinterpret_cast<const char*>(encoder.image().data());
        return std::string(data, data + DeviceImage::kSize);
    }

    fs::path dir_;
};

BadgeProject mixedProject() {
    BadgeProject p;
    p.text(1) = "Hello ~H~f";
    p.text(2) = "\x93\xFA\x96\x7B ~B\x8C\xEA~R\x8C\xEA ~2\x82\xA0 \xB1\xB2";  // Japanese
    p.text(4) = "\xC7\xD1\xB1\xB9 ~n";                                        // Korean
    p.text(6) = "~3\xD6\xD0\xCE\xC4~+";                                       // Chinese
    p.speed(2) = 0;
    p.action(4) = 3;
    SlotPicture picture(40, 16, SlotPicture::kOff);
    for (int x = 0; x < 40; ++x) {
        picture.set(x, x % 16, SlotPicture::kLit);
    }
    p.setPicture(7, picture);
    p.setPicture(8, SlotPicture(5, 16, SlotPicture::kLit));
    p.runSequence = "8642~17";
    return p;
}

TEST_F(CliEncodeTest, WritesTheImageTheCoreMakes) {
    const std::string doc = saveDocument("mixed.bge", mixedProject());
    const std::vector<std::pair<std::string, int>> languages = {{"jp", 0}, {"kr", 1}, {"cn", 2},
                                                                {"tr", 3}, {"en", 4}, {"ru", 5}};
    for (const auto& [suffix, id] : languages) {
        const std::string out = file("image-" + suffix + ".bin");
        CliRun run = cli({doc, "--lang", suffix, "--out", out, "--json"});
        EXPECT_EQ(run.status, 0) << suffix << ": " << run.err;
        EncodedBadge encoded;
        std::vector<std::string> messages;
        std::string expected = coreImage(doc, id, VARNEL_PROGRAM_DIR, encoded, messages);
        EXPECT_EQ(encoded.sequence, "864217");  // "~" counts as 1, already there
        EXPECT_EQ(run.out, "{\"sequence\": \"" + encoded.sequence +
                               "\", \"cells\": " + std::to_string(encoded.cells) + "}\n")
            << suffix;
        const std::string image = slurp(out);
        EXPECT_EQ(image.size(), DeviceImage::kSize) << suffix;
        EXPECT_TRUE(image == expected) << suffix << ": the images differ";
        for (const std::string& m : messages) {
            EXPECT_NE(run.err.find(m), std::string::npos) << suffix << ": " << m;
        }
    }
}

TEST_F(CliEncodeTest, RefusesAnOverLongMessageAndWritesNothing) {
    BadgeProject p;
    p.text(1) = "ok";
    p.text(5) = std::string(255, '\xB1');  // 255 half-width characters take 510 header bytes
    const std::string doc = saveDocument("long.bge", p);

    CliRun run = cli({doc, "--lang", "jp", "--out", file("long.bin"), "--json"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("Message 5 is too long for the badge."), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(fs::exists(file("long.bin")));

    // An image already there stays as it was.
    std::ofstream(file("old.bin")) << "old image";
    run = cli({doc, "--lang", "jp", "--out", file("old.bin")});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(slurp(file("old.bin")), "old image");

    // Under English the same bytes are one header byte each, and 255 of them do not fit either.
    run = cli({doc, "--lang", "en", "--out", file("long.bin")});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("Message 5 is too long for the badge."), std::string::npos);
}

TEST_F(CliEncodeTest, GlyphErrorsGoToStderrAndEncodingGoesOn) {
    // A copy of the tool in a folder without glyph files.
    fs::create_directories(dir_ / "bare");
    fs::copy_file(fs::path(VARNEL_PROGRAM_DIR) / "varnel-cli", dir_ / "bare" / "varnel-cli");
    fs::permissions(dir_ / "bare" / "varnel-cli", fs::perms::owner_all);
    BadgeProject p;
    p.text(1) = "A\x88\x9F~+";
    const std::string doc = saveDocument("glyphs.bge", p);
    CliRun run = cli({doc, "--lang", "jp", "--out", file("bare.bin"), "--json"},
                     dir_ / "bare" / "varnel-cli");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "{\"sequence\": \"1\", \"cells\": 3}\n");
    EXPECT_EQ(run.err,
              "varnel-cli encode: Error: Font file not found!\n"
              "varnel-cli encode: Error: Font file not found!\n");
    const std::string image = slurp(file("bare.bin"));
    ASSERT_EQ(image.size(), DeviceImage::kSize);
    EXPECT_EQ(image.substr(0x600, 10), std::string("5"
                                                   "1"
                                                   "B"
                                                   "\x05"
                                                   "A\x80\x00\xC0\x01\x00",
                                                   10));
    EXPECT_EQ(image.substr(0xE00, 96), std::string(96, '\0'));
}

TEST_F(CliEncodeTest, DrawsFromTheShippedGlyphFiles) {
    BadgeProject p;
    p.text(1) = "~n\x93\xFA";  // the all-lit picture, then a Japanese character
    const std::string doc = saveDocument("shipped.bge", p);
    CliRun run = cli({doc, "--lang", "jp", "--out", file("shipped.bin")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string image = slurp(file("shipped.bin"));
    ASSERT_EQ(image.size(), DeviceImage::kSize);
    EXPECT_EQ(image.substr(0xE00, 64), std::string(64, '\xFF'));
    EXPECT_NE(image.substr(0xE00 + 64, 32), std::string(32, '\0'));
}

TEST_F(CliEncodeTest, ChecksItsArguments) {
    const std::string doc = saveDocument("plain.bge", BadgeProject());
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    for (const Case& c : std::vector<Case>{
             {{doc, "--out", file("x.bin")}, 2},
             {{doc, "--lang", "jp"}, 2},
             {{doc, "--lang", "xx", "--out", file("x.bin")}, 2},
             {{doc, "--lang", "jp", "--out", file("x.bin"), "--colour"}, 2},
             {{file("missing.bge"), "--lang", "jp", "--out", file("x.bin")}, 1},
         }) {
        CliRun run = cli(c.args);
        EXPECT_EQ(run.status, c.status) << c.args.size() << " " << run.err;
        EXPECT_NE(run.err, "");
        EXPECT_FALSE(fs::exists(file("x.bin")));
    }
    // An empty project is a valid, empty image.
    CliRun run = cli({doc, "--lang", "en", "--out", file("empty.bin"), "--json"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "{\"sequence\": \"\", \"cells\": 0}\n");
    EXPECT_EQ(slurp(file("empty.bin")), std::string(DeviceImage::kSize, '\0'));
}

}  // namespace
}  // namespace varnel
