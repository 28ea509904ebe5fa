#include "font_record.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace launcher {
namespace {

std::string record(const std::string& face, std::int32_t height, std::uint8_t charSet) {
    std::string bytes(1, static_cast<char>(face.size()));
    bytes += face;
    const auto h = static_cast<std::uint32_t>(height);
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<char>((h >> shift) & 0xFF));
    }
    bytes.push_back(static_cast<char>(charSet));
    return bytes;
}

FontRecord parse(const std::string& bytes) {
    std::istringstream in(bytes);
    return readFontRecord(in);
}

TEST(LauncherFontRecord, ReadsFaceHeightAndCharacterSet) {
    const FontRecord font =
        parse(std::string("\x0b"
                          "DejaVu Sans\xf3\xff\xff\xff\x00",
                          17));
    EXPECT_EQ(font.faceName, "DejaVu Sans");
    EXPECT_EQ(font.height, -13);
    EXPECT_EQ(font.charSet, 0);

    // A Shift-JIS face name, a positive (cell) height and the Japanese character set.
    const FontRecord japanese = parse(record("\x82\x6c\x82\x72 Gothic", 0x01020304, 128));
    EXPECT_EQ(japanese.faceName, "\x82\x6c\x82\x72 Gothic");
    EXPECT_EQ(japanese.height, 0x01020304);
    EXPECT_EQ(japanese.charSet, 128);
}

TEST(LauncherFontRecord, LongFaceNameIsCutButTheFieldsAfterItStillRead) {
    const std::string face(40, 'F');
    const FontRecord font = parse(record(face, -20, 204));
    EXPECT_EQ(font.faceName, std::string(kMaxFaceNameBytes, 'F'));
    EXPECT_EQ(font.height, -20);
    EXPECT_EQ(font.charSet, 204);

    const FontRecord longest = parse(record(std::string(255, 'G'), -9, 129));
    EXPECT_EQ(longest.faceName.size(), kMaxFaceNameBytes);
    EXPECT_EQ(longest.height, -9);
    EXPECT_EQ(longest.charSet, 129);
}

TEST(LauncherFontRecord, EmptyFaceNameStillCarriesHeightAndCharacterSet) {
    const FontRecord font = parse(record("", -16, 136));
    EXPECT_EQ(font.faceName, "");
    EXPECT_EQ(font.height, -16);
    EXPECT_EQ(font.charSet, 136);
}

TEST(LauncherFontRecord, ShortFileKeepsWhatWasRead) {
    const std::string full = record("Noto Sans", std::numeric_limits<std::int32_t>::min(), 134);
    struct Cut {
        std::size_t size;
        std::string face;
        std::int32_t height;
        std::uint8_t charSet;
    };
    for (const Cut& cut :
         {Cut{0, "", 0, 0}, Cut{1, "", 0, 0}, Cut{5, "Noto", 0, 0}, Cut{10, "Noto Sans", 0, 0},
          Cut{13, "Noto Sans", 0, 0},
          Cut{full.size() - 1, "Noto Sans", std::numeric_limits<std::int32_t>::min(), 0},
          Cut{full.size(), "Noto Sans", std::numeric_limits<std::int32_t>::min(), 134}}) {
        SCOPED_TRACE(cut.size);
        const FontRecord font = parse(full.substr(0, cut.size));
        EXPECT_EQ(font.faceName, cut.face);
        EXPECT_EQ(font.height, cut.height);
        EXPECT_EQ(font.charSet, cut.charSet);
    }
}

TEST(LauncherShippedFiles, FontIsDejaVuSans) {
    std::ifstream in(VARNEL_SOURCE_DIR "/data/program/system/Font.ini", std::ios::binary);
    ASSERT_TRUE(in);
    const FontRecord font = readFontRecord(in);
    EXPECT_EQ(font.faceName, "DejaVu Sans");
    EXPECT_LT(font.height, 0);
    EXPECT_EQ(font.charSet, 0);
}

}  // namespace
}  // namespace launcher
