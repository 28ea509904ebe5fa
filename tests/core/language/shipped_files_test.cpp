// The UI-text and display-font files the build writes into the program folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/byte_file.h"
#include "language/code_page.h"
#include "language/display_font.h"
#include "language/language_id.h"
#include "language/ui_text_file.h"

namespace varnel {
namespace {

std::vector<std::string> sourceLines(const std::string& suffix) {
    std::ifstream in(std::string(VARNEL_SOURCE_DIR) + "/data/ui-texts/" + suffix + ".txt");
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

TEST(ShippedUiTexts, DecodeToTheirSources) {
    for (int language = 0; language < kLanguageCount; ++language) {
        const LanguageInfo& info = languageInfo(language);
        SCOPED_TRACE(std::string(info.suffix));
        std::vector<std::string> source = sourceLines(std::string(info.suffix));
        ASSERT_GE(source.size(), 59u);
        std::optional<ByteVector> raw =
            readWholeFile(std::filesystem::path(VARNEL_PROGRAM_DIR) / "system16" / "_config" /
                          ("m" + std::string(info.suffix) + ".dat"));
        ASSERT_TRUE(raw);
        std::string bytes(raw->begin(), raw->end());
        // Every LF is part of a CR LF, every CR of one.
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << i;
            }
            if (bytes[i] == '\r') {
                ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << i;
            }
        }
        UiTexts lines = parseUiTexts(bytes);
        for (std::size_t i = 0; i < source.size(); ++i) {
            EXPECT_EQ(codePageToUtf8(language, lines[i]), source[i]) << "line " << i;
            EXPECT_EQ(utf8ToCodePage(language, source[i]), lines[i]) << "line " << i;
        }
        for (int i = 0; i <= kLastAppliedUiTextLine; ++i) {
            if (isAppliedUiTextLine(i)) {
                EXPECT_FALSE(lines[static_cast<std::size_t>(i)].empty()) << "line " << i;
            }
        }
        EXPECT_EQ(lines[13], "----------");
        EXPECT_EQ(lines[15], "----------");
        EXPECT_EQ(lines[0].back(), ' ');  // the document name in brackets follows
    }
}

TEST(ShippedDisplayFonts, NameAFontOfTheScriptInTheLanguagesCharacterSet) {
    const char* faces[] = {"Noto Sans CJK JP", "Noto Sans CJK KR", "Noto Sans CJK SC",
                           "Noto Sans CJK TC", "DejaVu Sans",      "DejaVu Sans"};
    for (int language = 0; language < kLanguageCount; ++language) {
        std::optional<DisplayFont> font =
            readDisplayFontFile(std::filesystem::path(VARNEL_PROGRAM_DIR), language);
        ASSERT_TRUE(font) << language;
        EXPECT_EQ(font->faceName, faces[language]);
        EXPECT_LT(font->height, 0);
        EXPECT_EQ(font->charSet, languageInfo(language).windowsCharSet);
        std::optional<ByteVector> raw =
            readWholeFile(std::filesystem::path(VARNEL_PROGRAM_DIR) / "system16" / "_config" /
                          ("font" + std::string(languageInfo(language).suffix) + ".dat"));
        ASSERT_TRUE(raw);
        EXPECT_EQ(raw->size(), 6 + font->faceName.size());
    }
}

}  // namespace
}  // namespace varnel
