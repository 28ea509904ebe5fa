#include "language/display_font.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "language/language_id.h"

namespace varnel {
namespace {

ByteVector bytesOf(std::initializer_list<int> values) {
    ByteVector out;
    for (int v : values) {
        out.push_back(static_cast<std::uint8_t>(v));
    }
    return out;
}

TEST(DisplayFont, RecordLayout) {
    DisplayFont font{"Noto Sans CJK JP", -12, 128};
    ByteVector expected = bytesOf({16});
    for (char c : std::string("Noto Sans CJK JP")) {
        expected.push_back(static_cast<std::uint8_t>(c));
    }
    for (int b : {0xF4, 0xFF, 0xFF, 0xFF, 128}) {
        expected.push_back(static_cast<std::uint8_t>(b));
    }
    EXPECT_EQ(serializeDisplayFont(font), expected);
    EXPECT_EQ(parseDisplayFont(expected), font);

    ByteVector trailing = expected;
    trailing.push_back(0x55);
    EXPECT_EQ(parseDisplayFont(trailing), font);

    DisplayFont empty{"", 0x01020304, 0};
    EXPECT_EQ(serializeDisplayFont(empty), bytesOf({0, 4, 3, 2, 1, 0}));
    EXPECT_EQ(parseDisplayFont(bytesOf({0, 4, 3, 2, 1, 0})), empty);
}

TEST(DisplayFont, FaceNamesAbove31BytesAreCut) {
    std::string longName(40, 'F');
    ByteVector written = serializeDisplayFont({longName, 20, 204});
    EXPECT_EQ(written.size(), 6u + 31u);
    EXPECT_EQ(written[0], 31);
    EXPECT_EQ(parseDisplayFont(written), (DisplayFont{std::string(31, 'F'), 20, 204}));

    // A record from elsewhere with a 40-byte name: the fields behind the name still count.
    ByteVector foreign = bytesOf({40});
    foreign.insert(foreign.end(), 40, 'G');
    for (int b : {0xF0, 0xFF, 0xFF, 0xFF, 136}) {
        foreign.push_back(static_cast<std::uint8_t>(b));
    }
    EXPECT_EQ(parseDisplayFont(foreign), (DisplayFont{std::string(31, 'G'), -16, 136}));
}

TEST(DisplayFont, ShortRecordsKeepWhatTheyHold) {
    EXPECT_EQ(parseDisplayFont({}), DisplayFont{});
    EXPECT_EQ(parseDisplayFont(bytesOf({5, 'A', 'r'})), (DisplayFont{"Ar", 0, 0}));
    EXPECT_EQ(parseDisplayFont(bytesOf({1, 'A', 0xF4, 0xFF})), (DisplayFont{"A", 0, 0}));
    EXPECT_EQ(parseDisplayFont(bytesOf({1, 'A', 0xF4, 0xFF, 0xFF, 0xFF})),
              (DisplayFont{"A", -12, 0}));
}

TEST(DisplayFont, FileRoundTrip) {
    auto folder = std::filesystem::path(::testing::TempDir()) / "display_font_test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "system16" / "_config");
    EXPECT_EQ(readDisplayFontFile(folder, kKorean), std::nullopt);
    DisplayFont font{"Noto Sans CJK KR", -13, 129};
    ASSERT_TRUE(writeDisplayFontFile(folder, kKorean, font));
    EXPECT_TRUE(std::filesystem::exists(folder / "system16" / "_config" / "fontkr.dat"));
    EXPECT_EQ(std::filesystem::file_size(folder / "system16" / "_config" / "fontkr.dat"), 22u);
    EXPECT_EQ(readDisplayFontFile(folder, kKorean), font);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace varnel
