#include "language/code_page.h"

#include <gtest/gtest.h>

#include <string>

#include "language/code_page_codec.h"
#include "language/language_id.h"

namespace varnel {
namespace {

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) {
        out.push_back(static_cast<char>(v));
    }
    return out;
}

// Every one- and two-byte string survives bytes -> text -> bytes in every code page.
TEST(CodePage, EveryShortByteStringRoundTrips) {
    for (int language = 0; language < kLanguageCount; ++language) {
        SCOPED_TRACE(language);
        int failures = 0;
        std::string one(1, '\0');
        for (int b = 0; b < 256; ++b) {
            one[0] = static_cast<char>(b);
            std::optional<std::string> back =
                encodeLossless(language, decodeLossless(language, one));
            if (back != one && ++failures < 5) {
                ADD_FAILURE() << "byte " << b;
            }
        }
        std::string two(2, '\0');
        for (int code = 0; code < 65536; ++code) {
            two[0] = static_cast<char>(code >> 8);
            two[1] = static_cast<char>(code & 0xFF);
            std::optional<std::string> back =
                encodeLossless(language, decodeLossless(language, two));
            if (back != two && ++failures < 5) {
                ADD_FAILURE() << "pair " << std::hex << code;
            }
        }
        EXPECT_EQ(failures, 0);
    }
}

TEST(CodePage, TypedTextBecomesTheCodePageBytes) {
    struct Case {
        int language;
        const char* utf8;
        std::string expected;
    };
    const Case cases[] = {
        {kJapanese, "日本", bytes({0x93, 0xFA, 0x96, 0x7B})},
        {kJapanese, "ｱ", bytes({0xB1})},  // half-width katakana is one byte
        {kJapanese, "\\~", "\\~"},
        {kKorean, "한국", bytes({0xC7, 0xD1, 0xB1, 0xB9})},
        {kKorean, "\\", "\\"},  // not the won sign of IBM's table
        {kChinese, "中文", bytes({0xD6, 0xD0, 0xCE, 0xC4})},
        {kChinese, "€", bytes({0x80})},
        {kTraditionalChinese, "中文", bytes({0xA4, 0xA4, 0xA4, 0xE5})},
        {kEnglish, "Café €", bytes({'C', 'a', 'f', 0xE9, ' ', 0x80})},
        {kRussian, "Привет", bytes({0xCF, 0xF0, 0xE8, 0xE2, 0xE5, 0xF2})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(utf8ToCodePage(c.language, c.utf8), c.expected);
        EXPECT_EQ(codePageToUtf8(c.language, c.expected), c.utf8);
        std::u16string text = decodeLossless(c.language, c.expected);
        EXPECT_EQ(encodeLossless(c.language, text), c.expected);
    }
}

TEST(CodePage, CharactersOutsideTheCodePageAreRefusedAndNamed) {
    struct Case {
        int language;
        const char* utf8;
        const char* offending;
    };
    const Case cases[] = {
        {kJapanese, "ab한c", "한"},
        {kEnglish, "Привет", "П"},
        {kRussian, "Tokyo 東京", "東"},
        {kKorean, "😀", "😀"},
        {kJapanese,
         "a\xFF"
         "b",
         "\uFFFD"},  // ill-formed UTF-8
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        std::string offending;
        EXPECT_EQ(utf8ToCodePage(c.language, c.utf8, &offending), std::nullopt);
        EXPECT_EQ(offending, c.offending);
    }
    char32_t bad = 0;
    EXPECT_EQ(encodeLossless(kJapanese, u"日本한", &bad), std::nullopt);
    EXPECT_EQ(bad, U'한');
    EXPECT_EQ(encodeLossless(kJapanese, u"\xDC10", &bad), std::nullopt);  // not an escape
    EXPECT_EQ(bad, 0xDC10u);
}

TEST(CodePage, BytesThatAreNoCharacterAreEscaped) {
    // A picked pair from the character map: lead byte with a trail byte that forms nothing.
    std::string picked = bytes({0xA1, 0x01});
    for (int language = 0; language < kLanguageCount; ++language) {
        SCOPED_TRACE(language);
        std::u16string text = decodeLossless(language, picked);
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(encodeLossless(language, text), picked);
    }
    EXPECT_EQ(decodeLossless(kChinese, picked), u"\xDCA1\x01");
    EXPECT_EQ(decodeLossless(kJapanese, picked), u"\uFF61\x01");  // 0xA1 is a katakana there
    // A lone lead byte at the end and an unmapped byte stay as escapes.
    EXPECT_EQ(decodeLossless(kJapanese, bytes({'a', 0x93})), u"a\xDC93");
    EXPECT_EQ(codePageToUtf8(kJapanese, bytes({'a', 0x93})), "a\uFFFD");
    // Text typed next to an escape encodes back around it.
    std::string lead = bytes({0x81, 0x01});
    std::u16string edited = decodeLossless(kJapanese, lead) + u"日";
    EXPECT_EQ(edited, u"\xDC81\x01日");
    EXPECT_EQ(encodeLossless(kJapanese, edited), bytes({0x81, 0x01, 0x93, 0xFA}));
}

TEST(CodePage, AsciiIsItselfEverywhere) {
    for (int language = 0; language < kLanguageCount; ++language) {
        for (char16_t c = 0; c < 0x80; ++c) {
            std::string one(1, static_cast<char>(c));
            EXPECT_EQ(decodeLossless(language, one), std::u16string(1, c))
                << language << " " << int(c);
        }
    }
}

TEST(CodePage, DuplicateMappingsKeepTheirBytes) {
    // 0xED40 (NEC-selected IBM extension) and 0xFA5C (IBM extension) both read as U+7E8A;
    // only the pair that the code page writes for it decodes to the character.
    std::string nec = bytes({0xED, 0x40});
    std::string ibm = bytes({0xFA, 0x5C});
    EXPECT_EQ(encodeLossless(kJapanese, decodeLossless(kJapanese, nec)), nec);
    EXPECT_EQ(encodeLossless(kJapanese, decodeLossless(kJapanese, ibm)), ibm);
    EXPECT_EQ(decodeLossless(kJapanese, ibm), u"\u7E8A");
}

TEST(CodePage, LanguagesOutsideTheTableReadAsChinese) {
    std::string gb = bytes({0xD6, 0xD0});
    EXPECT_EQ(codePageToUtf8(-1, gb), "中");
    EXPECT_EQ(codePageToUtf8(6, gb), "中");
    EXPECT_EQ(CodePageCodec::forLanguage(99).codePage(), 936);
}

}  // namespace
}  // namespace varnel
