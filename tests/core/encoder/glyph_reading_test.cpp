#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <map>

#include "common/program_folder.h"
#include "common/recording_prompt.h"
#include "core/encoder/glyph_fixture.h"
#include "encoder/glyph_buffer.h"
#include "encoder/glyph_font_set.h"
#include "encoder/read_font_glyph.h"

namespace varnel {
namespace {

using testing::fixtureBytes;
using testing::TempFolder;
using testing::writeFixtureFile;

std::vector<std::uint8_t> bufferBytes(const GlyphBuffer& b, std::size_t from, std::size_t n) {
    return std::vector<std::uint8_t>(b.data() + from, b.data() + from + n);
}

TEST(EncoderGlyphFontSet, NamesEveryFileOfEverySet) {
    const std::array<std::array<const char*, 7>, 3> expected = {{
        {"system16\\_system\\12 PICTURE.bin", "system16\\_system\\JAPANESE\\ASCII.bin",
         "system16\\_system\\JAPANESE\\ms1.bin", "system16\\_system\\CHINESE\\CHN16ST.bin",
         "system16\\_system\\TRADITIONAL\\newximingti.bin", "system16\\_system\\KOREAN\\gulrim.bin",
         "system16\\_system\\efont12_thin.bin"},
        {"system16\\_system\\12 PICTURE.bin", "system16\\_system\\JAPANESE\\ASCII.bin",
         "system16\\_system\\JAPANESE\\ms mingchao.bin", "system16\\_system\\CHINESE\\CHN16KT.bin",
         "system16\\_system\\TRADITIONAL\\newximing_w.bin", "system16\\_system\\KOREAN\\dodum.bin",
         "system16\\_system\\efont12_thin.bin"},
        {"system16\\_system\\12 PICTURE.bin", "system16\\_system\\JAPANESE\\ASCII.bin",
         "system16\\_system\\JAPANESE\\MS UI Gothic.bin", "system16\\_system\\CHINESE\\CHN16CY.bin",
         "system16\\_system\\TRADITIONAL\\huakang.bin", "system16\\_system\\KOREAN\\patang.bin",
         "system16\\_system\\efont12_thin.bin"},
    }};
    for (int set = 1; set <= 3; ++set) {
        for (int e = 0; e < 7; ++e) {
            EXPECT_EQ(GlyphFontSet::entryName(set, GlyphFontSet::Entry(e)),
                      expected[std::size_t(set - 1)][std::size_t(e)])
                << "set " << set << " entry " << e;
        }
    }
}

TEST(EncoderGlyphFontSet, BuildsPathsFromTheCurrentSet) {
    GlyphFontSet fonts("/opt/varnel");
    EXPECT_EQ(fonts.current(), 1);
    EXPECT_EQ(fonts.path(GlyphFontSet::kJapanese), "/opt/varnel/system16/_system/JAPANESE/ms1.bin");
    fonts.select(2);
    EXPECT_EQ(fonts.path(GlyphFontSet::kJapanese),
              "/opt/varnel/system16/_system/JAPANESE/ms mingchao.bin");
    EXPECT_EQ(fonts.path(GlyphFontSet::kPictures), "/opt/varnel/system16/_system/12 PICTURE.bin");
    fonts.select(4);  // no such set: the current one stays
    EXPECT_EQ(fonts.current(), 2);
}

TEST(EncoderBoldGlyph, SpreadsEachPixelOneColumnRightWithinItsRow) {
    struct Case {
        std::uint8_t first, second, boldFirst, boldSecond;
    };
    for (Case c :
         {Case{0x80, 0x01, 0xC0, 0x01}, Case{0x01, 0x00, 0x01, 0x80}, Case{0x00, 0x00, 0x00, 0x00},
          Case{0xA5, 0x5A, 0xF7, 0xFF}, Case{0xFF, 0xFF, 0xFF, 0xFF}}) {
        GlyphBuffer b;
        b[0] = c.first;
        b[1] = c.second;
        b[254] = c.first;  // the last pair of the buffer is treated too
        b[255] = c.second;
        BoldGlyph(b);
        EXPECT_EQ(b[0], c.boldFirst) << int(c.first) << " " << int(c.second);
        EXPECT_EQ(b[1], c.boldSecond) << int(c.first) << " " << int(c.second);
        EXPECT_EQ(b[254], c.boldFirst);
        EXPECT_EQ(b[255], c.boldSecond);
        EXPECT_EQ(b[2], 0);  // nothing crosses into the next row
    }
}

void setPixel(GlyphBuffer& b, int offset, int row, int col) {
    b[std::size_t(offset + 2 * row + col / 8)] |= std::uint8_t(0x80 >> (col % 8));
}

std::vector<std::pair<int, int>> litPixels(const GlyphBuffer& b, int offset) {
    std::vector<std::pair<int, int>> lit;
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 16; ++c) {
            if (b[std::size_t(offset + 2 * r + c / 8)] & (0x80 >> (c % 8))) {
                lit.emplace_back(r, c);
            }
        }
    }
    return lit;
}

TEST(EncoderRotateGlyph, TurnsSinglePixelsCounterClockwise) {
    struct Case {
        int row, col, newRow, newCol;
    };
    for (Case c : {Case{0, 15, 0, 0}, Case{0, 0, 15, 0}, Case{15, 0, 15, 15}, Case{3, 9, 6, 3}}) {
        for (int offset : {0, 32}) {
            GlyphBuffer b;
            setPixel(b, offset, c.row, c.col);
            RotateGlyph(b, offset);
            std::vector<std::pair<int, int>> expected{{c.newRow, c.newCol}};
            EXPECT_EQ(litPixels(b, offset), expected)
                << "(" << c.row << "," << c.col << ") at " << offset;
        }
    }
}

TEST(EncoderRotateGlyph, FourTurnsGiveBackTheCell) {
    GlyphBuffer b;
    for (std::size_t i = 0; i < GlyphBuffer::kSize; ++i) {
        b[i] = std::uint8_t(i * 37 + 11);
    }
    GlyphBuffer original = b;
    RotateGlyph(b, 0);
    EXPECT_NE(bufferBytes(b, 0, 32), bufferBytes(original, 0, 32));
    for (int turn = 0; turn < 3; ++turn) {
        RotateGlyph(b, 0);
    }
    EXPECT_EQ(bufferBytes(b, 0, 256), bufferBytes(original, 0, 256));
}

TEST(EncoderRotateGlyph, AtOffset32TouchesBytes32To63Only) {
    GlyphBuffer b;
    for (std::size_t i = 0; i < GlyphBuffer::kSize; ++i) {
        b[i] = std::uint8_t(i * 91 + 7);
    }
    GlyphBuffer before = b;
    RotateGlyph(b, 32);
    EXPECT_EQ(bufferBytes(b, 0, 32), bufferBytes(before, 0, 32));
    EXPECT_NE(bufferBytes(b, 32, 32), bufferBytes(before, 32, 32));
    EXPECT_EQ(bufferBytes(b, 64, 192), bufferBytes(before, 64, 192));
}

class EncoderReadFontGlyphTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (std::size_t i = 0; i < GlyphBuffer::kSize; ++i) {
            buffer[i] = 0xEE;
        }
    }

    TempFolder folder;
    GlyphBuffer buffer;
    RecordingPrompt prompt;
};

TEST_F(EncoderReadFontGlyphTest, DoubleByteGlyphsLieInRowsOf192) {
    auto file = folder.path() / "db.bin";
    writeFixtureFile(file, 5, 4 * 192 * 32);
    // (lead, trail) -> offset: (0x81, 0x40) is the first glyph, (0x82, 0x40) starts the next row.
    for (auto [lead, trail, offset] :
         {std::array<int, 3>{0x81, 0x40, 0}, std::array<int, 3>{0x82, 0x40, 6144},
          std::array<int, 3>{0x81, 0xFF, 191 * 32}}) {
        int x = (lead - 0x81) * 192 + (trail - 0x40);
        ASSERT_EQ(32 * x, offset);
        ReadFontGlyph(buffer, file, 32 * x, 32, prompt);
        EXPECT_EQ(bufferBytes(buffer, 0, 32), fixtureBytes(5, std::size_t(offset), 32));
    }
    EXPECT_EQ(bufferBytes(buffer, 32, 224), std::vector<std::uint8_t>(224, 0xEE));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(EncoderReadFontGlyphTest, PictureElevenIsTheLast64BytesOfThePictureFile) {
    auto file = folder.path() / "12 PICTURE.bin";
    writeFixtureFile(file, 2, 768);
    ReadFontGlyph(buffer, file, 64 * 11, 64, prompt);
    EXPECT_EQ(64 * 11, 704);
    EXPECT_EQ(bufferBytes(buffer, 0, 64), fixtureBytes(2, 704, 64));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(EncoderReadFontGlyphTest, ShortFileReplacesOnlyWhatArrived) {
    auto file = folder.path() / "12 PICTURE.bin";
    writeFixtureFile(file, 2, 700);
    for (int picture = 0; picture <= 9; ++picture) {
        ReadFontGlyph(buffer, file, 64 * picture, 64, prompt);
        EXPECT_EQ(bufferBytes(buffer, 0, 64), fixtureBytes(2, std::size_t(64 * picture), 64));
    }
    EXPECT_TRUE(prompt.messages.empty());
    std::vector<std::uint8_t> before = bufferBytes(buffer, 0, 64);

    ReadFontGlyph(buffer, file, 64 * 10, 64, prompt);
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"Error: End of font file!"});
    EXPECT_EQ(bufferBytes(buffer, 0, 60), fixtureBytes(2, 640, 60));
    EXPECT_EQ(bufferBytes(buffer, 60, 4),
              std::vector<std::uint8_t>(before.begin() + 60, before.end()));

    // Past the end nothing arrives and nothing changes, but the box still comes.
    std::vector<std::uint8_t> kept = bufferBytes(buffer, 0, 256);
    ReadFontGlyph(buffer, file, 64 * 11, 64, prompt);
    EXPECT_EQ(prompt.messages.size(), 2u);
    EXPECT_EQ(prompt.messages.back(), "Error: End of font file!");
    EXPECT_EQ(bufferBytes(buffer, 0, 256), kept);
}

TEST_F(EncoderReadFontGlyphTest, MissingFileLeavesTheBufferAsItWas) {
    auto file = folder.path() / "system16" / "_system" / "KOREAN" / "gulrim.bin";
    std::vector<std::uint8_t> before = bufferBytes(buffer, 0, 256);
    ReadFontGlyph(buffer, file, 0, 32, prompt);
    ReadFontGlyph(buffer, folder.path(), 0, 32, prompt);  // a folder is no font file either
    EXPECT_EQ(prompt.messages, (std::vector<std::string>{"Error: Font file not found!",
                                                         "Error: Font file not found!"}));
    EXPECT_EQ(bufferBytes(buffer, 0, 256), before);
}

TEST_F(EncoderReadFontGlyphTest, ReadsTheFileAnewEveryTime) {
    auto file = folder.path() / "ASCII.bin";
    writeFixtureFile(file, 3, 4096);
    ReadFontGlyph(buffer, file, 32, 32, prompt);
    EXPECT_EQ(bufferBytes(buffer, 0, 32), fixtureBytes(3, 32, 32));
    writeFixtureFile(file, 9, 4096);  // the file changes between two reads
    ReadFontGlyph(buffer, file, 32, 32, prompt);
    EXPECT_EQ(bufferBytes(buffer, 0, 32), fixtureBytes(9, 32, 32));
    std::filesystem::remove(file);
    ReadFontGlyph(buffer, file, 32, 32, prompt);
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"Error: Font file not found!"});
}

}  // namespace
}  // namespace varnel
