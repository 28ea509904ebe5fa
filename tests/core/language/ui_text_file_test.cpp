#include "language/ui_text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "language/language_id.h"

namespace varnel {
namespace {

using namespace std::string_literals;

TEST(UiTextFile, LinesEndOnlyAtCrLf) {
    UiTexts lf = parseUiTexts("Badge\nFile\nOpen");
    EXPECT_EQ(lf[0], "Badge\nFile\nOpen");
    EXPECT_EQ(lf[1], "");

    UiTexts t = parseUiTexts("Badge\r\n\r\nA\rB\r\nC\n\r\nlast");
    EXPECT_EQ(t[0], "Badge");
    EXPECT_EQ(t[1], "");
    EXPECT_EQ(t[2], "A\rB");
    EXPECT_EQ(t[3], "C\n");
    EXPECT_EQ(t[4], "last");
    EXPECT_EQ(t[5], "");

    // A CR LF split by a lone LF ("\r" ends a line only when LF follows it at once).
    UiTexts crcr = parseUiTexts("x\r\r\ny");
    EXPECT_EQ(crcr[0], "x\r");
    EXPECT_EQ(crcr[1], "y");

    UiTexts empty = parseUiTexts("");
    for (const std::string& line : empty) {
        EXPECT_EQ(line, "");
    }
}

TEST(UiTextFile, LongLinesAreCutAndExtraLinesDropped) {
    std::string text;
    text += std::string(150, 'a') + "\r\n";
    text += std::string(99, 'b') + "\r\n";
    text += "zero\0hidden"s + "\r\n";
    for (int i = 3; i < 120; ++i) {
        text += "line" + std::to_string(i) + "\r\n";
    }
    UiTexts t = parseUiTexts(text);
    EXPECT_EQ(t[0], std::string(99, 'a'));
    EXPECT_EQ(t[1], std::string(99, 'b'));
    EXPECT_EQ(t[2], "zero");
    EXPECT_EQ(t[3], "line3");
    EXPECT_EQ(t[99], "line99");
}

TEST(UiTextFile, AppliedLines) {
    const int headings[] = {1, 8, 13, 15, 17, 30, 36, 43, 47, 49};
    int applied = 0;
    for (int line = -1; line < kUiTextLines; ++line) {
        applied += isAppliedUiTextLine(line) ? 1 : 0;
    }
    EXPECT_EQ(applied, 59 - 10);
    for (int line : headings) {
        EXPECT_FALSE(isAppliedUiTextLine(line)) << line;
    }
    EXPECT_TRUE(isAppliedUiTextLine(0));
    EXPECT_TRUE(isAppliedUiTextLine(58));
    EXPECT_FALSE(isAppliedUiTextLine(59));
}

TEST(UiTextFile, ReadsTheLanguagesFileFromTheProgramFolder) {
    auto folder = std::filesystem::path(::testing::TempDir()) / "ui_text_file_test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "system16" / "_config");
    EXPECT_EQ(readUiTextFile(folder, kRussian), std::nullopt);
    std::ofstream(folder / "system16" / "_config" / "mru.dat", std::ios::binary) << "Badge\r\n\r\n";
    std::optional<UiTexts> t = readUiTextFile(folder, kRussian);
    ASSERT_TRUE(t);
    EXPECT_EQ((*t)[0], "Badge");
    EXPECT_EQ((*t)[1], "");
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace varnel
