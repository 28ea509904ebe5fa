#include "code_page_text.h"

#include <gtest/gtest.h>

namespace launcher {
namespace {

TEST(LauncherCodePage, CharacterSetNamesItsCodePage) {
    EXPECT_STREQ(codePageForCharSet(128), "windows-932");
    EXPECT_STREQ(codePageForCharSet(129), "windows-949");
    EXPECT_STREQ(codePageForCharSet(134), "windows-936");
    EXPECT_STREQ(codePageForCharSet(136), "windows-950");
    EXPECT_STREQ(codePageForCharSet(204), "windows-1251");
    for (const int other : {0, 1, 2, 161, 238, 255}) {
        EXPECT_STREQ(codePageForCharSet(static_cast<std::uint8_t>(other)), "windows-1252") << other;
    }
}

struct DecodeCase {
    std::uint8_t charSet;
    std::string bytes;
    std::u16string text;
};

TEST(LauncherCodePage, DecodesEachScript) {
    for (const DecodeCase& c : {
             DecodeCase{128, "\x93\xfa\x96\x7b\x8c\xea", u"日本語"},
             DecodeCase{128, "\xb6\xc0\xb6\xc5", u"ｶﾀｶﾅ"},
             DecodeCase{128, "\x95\x5c\x5c", u"表\\"},            // 0x5C as trail byte and alone
             DecodeCase{129, "\xc7\xd1\xb1\xdb\x5c", u"한글\\"},  // not the won sign
             DecodeCase{134, "\xd6\xd0\xce\xc4", u"中文"},
             DecodeCase{136, "\xa4\xa4\xa5\x5c\x5c", u"中功\\"},
             DecodeCase{204, "\xcf\xf0\xe8\xe2\xe5\xf2", u"Привет"},
             DecodeCase{0, "Caf\xe9 \x80", u"Café €"},
             DecodeCase{0, "", u""},
         }) {
        SCOPED_TRACE(static_cast<int>(c.charSet));
        EXPECT_EQ(decodeForCharSet(c.bytes, c.charSet), c.text);
    }
}

TEST(LauncherCodePage, BrokenBytesShowAsReplacementCharacters) {
    // A lead byte at the end and an unassigned byte must not vanish silently.
    EXPECT_EQ(decodeForCharSet("A\x93", 128), u"A\uFFFD");
    EXPECT_EQ(decodeForCharSet("\xa0x", 128), u"\uFFFDx");
    EXPECT_EQ(decodeForCharSet("\x81", 129), u"\uFFFD");
}

}  // namespace
}  // namespace launcher
