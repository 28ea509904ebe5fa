#include "language/language_id.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

TEST(LanguageId, TableRowsAndSuffixLookup) {
    const char* suffixes[] = {"jp", "kr", "cn", "tr", "en", "ru"};
    const int codePages[] = {932, 949, 936, 950, 1252, 1251};
    const int charSets[] = {128, 129, 134, 136, 0, 204};
    for (int id = 0; id < kLanguageCount; ++id) {
        const LanguageInfo& info = languageInfo(id);
        EXPECT_EQ(info.id, id);
        EXPECT_EQ(info.suffix, suffixes[id]);
        EXPECT_EQ(info.uiTextFile, std::string("system16\\_config\\m") + suffixes[id] + ".dat");
        EXPECT_EQ(info.displayFontFile,
                  std::string("system16\\_config\\font") + suffixes[id] + ".dat");
        EXPECT_EQ(info.codePage, codePages[id]);
        EXPECT_EQ(info.windowsCharSet, charSets[id]);
        EXPECT_EQ(languageFromSuffix(suffixes[id]), id);
    }
    EXPECT_EQ(languageInfo(3).langBoxItem, "T-Chinese XP");
    EXPECT_EQ(languageInfo(3).selectorButton, "Traditional Chinese");
    EXPECT_EQ(languageInfo(3).selectorName, "TRADITIONAL CHINESE");
    EXPECT_EQ(languageFromSuffix("de"), std::nullopt);
    EXPECT_EQ(languageInfo(-1).id, 2);
    EXPECT_EQ(languageInfo(6).id, 2);
}

}  // namespace
}  // namespace varnel
