#include <gtest/gtest.h>

#include "core/encoder/encoder_harness.h"
#include "encoder/glyph_buffer.h"

namespace varnel {
namespace {

using testing::Bytes;

using testing::kChinese;
using testing::kEnglish;
using testing::kJapanese;
using testing::kKorean;
using testing::kRussian;
using testing::kTraditional;

class EncoderTextTest : public testing::EncoderHarness {};

TEST_F(EncoderTextTest, AsciiGoesIntoTheHeaderAsItStands) {
    project.text(1) = "AB";
    project.speed(1) = 2;
    project.action(1) = 0;
    EncodedBadge r = encoder.encode(project, kJapanese);
    EXPECT_EQ(r.refusal, "");
    EXPECT_EQ(r.sequence, "1");
    EXPECT_EQ(r.cells, 0);
    Bytes expected(256, 0);
    const Bytes start{'3', '1', 'A', 0x02, 'A', 'B', 0x00};
    std::copy(start.begin(), start.end(), expected.begin());
    EXPECT_EQ(header(0), expected);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(EncoderTextTest, PictureCodeTakesTwoCellsOfThePictureFile) {
    EncodedBadge r = encodeTexts({{1, "A"}, {2, "~H"}}, kJapanese);
    EXPECT_EQ(r.cells, 2);
    EXPECT_EQ(headerStart(1, 7), (Bytes{'5', '2', 'B', 0x02, 0xC0, 0x00, 0x00}));
    const Bytes picture = entryBytes(1, GlyphFontSet::kPictures, 64 * 1, 64);
    EXPECT_EQ(cell(0), Bytes(picture.begin(), picture.begin() + 32));
    EXPECT_EQ(cell(1), Bytes(picture.begin() + 32, picture.end()));
    EXPECT_EQ(cell(2), blankCell());
}

TEST_F(EncoderTextTest, EveryPictureCodeDrawsItsPicture) {
    const std::string letters = "+H><SxOoPQMn";
    std::string text;
    for (char l : letters) {
        text += std::string("~") + l;
    }
    EncodedBadge r = encodeTexts({{1, text}}, kChinese);
    ASSERT_EQ(r.cells, 24);
    for (int n = 0; n < 12; ++n) {
        const Bytes picture = entryBytes(1, GlyphFontSet::kPictures, 64 * std::size_t(n), 64);
        EXPECT_EQ(cell(2 * n), Bytes(picture.begin(), picture.begin() + 32)) << letters[n];
        EXPECT_EQ(header(0)[std::size_t(4 + 2 * n)], 0xC0);
        EXPECT_EQ(header(0)[std::size_t(5 + 2 * n)], 2 * n);
    }
}

TEST_F(EncoderTextTest, SwitchCodesWriteNoEntries) {
    EncodedBadge r = encodeTexts({{1, "~B~R"}}, kJapanese);
    EXPECT_EQ(r.cells, 0);
    EXPECT_EQ(headerStart(0, 9), (Bytes{'5', '1', 'B', 4, 0, 0, 0, 0, 0}));

    r = encodeTexts({{1, "a~1~2~3~0~4~5~6~7~8~9b"}}, kJapanese);
    EXPECT_EQ(r.cells, 0);
    EXPECT_EQ(headerStart(0, 7), (Bytes{'5', '1', 'B', 22, 'a', 'b', 0}));
}

TEST_F(EncoderTextTest, FlashCodeIsAnEntryWithoutCell) {
    EncodedBadge r = encodeTexts({{1, "~f"}}, kJapanese);
    EXPECT_EQ(r.cells, 0);
    EXPECT_EQ(headerStart(0, 7), (Bytes{'5', '1', 'B', 2, 0xFF, 0x8F, 0x00}));
}

TEST_F(EncoderTextTest, JapaneseHalfWidthCoversTheEndMarkAndIsNeverBold) {
    const Bytes glyph49 = entryBytes(1, GlyphFontSet::kJapaneseSingleByte, 32 * 49, 32);
    EncodedBadge r = encodeTexts({{1, "\xB1"}}, kJapanese);
    EXPECT_EQ(r.cells, 1);
    EXPECT_EQ(headerStart(0, 7), (Bytes{'5', '1', 'B', 1, 0xE0, 0x00, 0x00}));
    EXPECT_EQ(cell(0), glyph49);

    r = encodeTexts({{1, "~B~R\xB1"}}, kJapanese);
    EXPECT_EQ(headerStart(0, 7), (Bytes{'5', '1', 'B', 5, 0xE0, 0x00, 0x00}));
    EXPECT_EQ(cell(0), glyph49);
}

TEST_F(EncoderTextTest, JapaneseHalfWidthBytesAreEveryNonLeadByte) {
    // 0x80, 0x85, 0x86, 0xA0, 0xDF, 0xEB, 0xFF stand alone; 0x81, 0x9F, 0xE0, 0xEA lead.
    for (std::uint8_t b : {0x80, 0x85, 0x86, 0xA0, 0xDF, 0xEB, 0xFF}) {
        EncodedBadge r = encodeTexts({{1, std::string(1, char(b)) + "A"}}, kJapanese);
        EXPECT_EQ(r.cells, 1) << int(b);
        EXPECT_EQ(headerStart(0, 7), (Bytes{'5', '1', 'B', 2, 0xE0, 0x00, 'A'})) << int(b);
        EXPECT_EQ(cell(0), entryBytes(1, GlyphFontSet::kJapaneseSingleByte, 32 * (b - 0x80u), 32));
    }
    for (std::uint8_t b : {0x81, 0x84, 0x87, 0x9F, 0xE0, 0xEA}) {
        EncodedBadge r = encodeTexts({{1, std::string(1, char(b)) + "A"}}, kJapanese);
        EXPECT_EQ(r.cells, 1) << int(b);
        EXPECT_EQ(headerStart(0, 7), (Bytes{'5', '1', 'B', 2, 0x80, 0x00, 0x00})) << int(b);
    }
}

TEST_F(EncoderTextTest, JapaneseDoubleByteGlyphComesFromItsRowAndColumn) {
    EncodedBadge r = encodeTexts({{1, "\x88\x9F"}}, kJapanese);
    EXPECT_EQ(r.cells, 1);
    EXPECT_EQ(headerStart(0, 7), (Bytes{'5', '1', 'B', 2, 0x80, 0x00, 0x00}));
    EXPECT_EQ(cell(0), entryBytes(1, GlyphFontSet::kJapanese, 46048, 32));
}

TEST_F(EncoderTextTest, BoldThenRotateApplyToDoubleByteGlyphs) {
    GlyphBuffer expected;
    const Bytes raw = entryBytes(1, GlyphFontSet::kSimplifiedChinese, 32 * 200, 32);
    std::copy(raw.begin(), raw.end(), expected.data());
    BoldGlyph(expected);
    RotateGlyph(expected, 0);
    const Bytes boldTurned(expected.data(), expected.data() + 32);
    // (0x82, 0x48) is glyph 192 + 8 = 200.
    EncodedBadge r = encodeTexts({{1, "\x82\x48~B~R\x82\x48~B\x82\x48~R\x82\x48"}}, kChinese);
    ASSERT_EQ(r.cells, 4);
    EXPECT_EQ(cell(0), raw);
    EXPECT_EQ(cell(1), boldTurned);
    std::copy(raw.begin(), raw.end(), expected.data());
    RotateGlyph(expected, 0);
    EXPECT_EQ(cell(2), Bytes(expected.data(), expected.data() + 32));
    EXPECT_EQ(cell(3), raw);
}

TEST_F(EncoderTextTest, RotateTurnsBothHalvesOfAPictureButBoldLeavesIt) {
    GlyphBuffer expected;
    const Bytes raw = entryBytes(1, GlyphFontSet::kPictures, 64 * 3, 64);
    std::copy(raw.begin(), raw.end(), expected.data());
    RotateGlyph(expected, 0);
    RotateGlyph(expected, 32);
    EncodedBadge r = encodeTexts({{1, "~B~<~R~<"}}, kJapanese);
    ASSERT_EQ(r.cells, 4);
    EXPECT_EQ(cell(0), Bytes(raw.begin(), raw.begin() + 32));
    EXPECT_EQ(cell(1), Bytes(raw.begin() + 32, raw.end()));
    EXPECT_EQ(cell(2), Bytes(expected.data(), expected.data() + 32));
    EXPECT_EQ(cell(3), Bytes(expected.data() + 32, expected.data() + 64));
}

TEST_F(EncoderTextTest, EachScriptReadsItsOwnFile) {
    struct Case {
        int languageId;
        GlyphFontSet::Entry entry;
    };
    for (Case c :
         {Case{kKorean, GlyphFontSet::kKorean}, Case{kChinese, GlyphFontSet::kSimplifiedChinese},
          Case{kTraditional, GlyphFontSet::kTraditionalChinese},
          Case{-1, GlyphFontSet::kSimplifiedChinese}, Case{6, GlyphFontSet::kSimplifiedChinese}}) {
        // (0xA4, 0xA1) is glyph 35 * 192 + 97.
        EncodedBadge r = encodeTexts({{1, "\xA4\xA1"}}, c.languageId);
        EXPECT_EQ(r.cells, 1);
        EXPECT_EQ(headerStart(0, 7), (Bytes{'5', '1', 'B', 2, 0x80, 0x00, 0x00}));
        EXPECT_EQ(cell(0), entryBytes(1, c.entry, 32 * (35 * 192 + 97), 32)) << c.languageId;
    }
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(EncoderTextTest, KoreanAndTraditionalDrawNothingBelowLeadA1) {
    for (int lang : {kKorean, kTraditional}) {
        EncodedBadge r = encodeTexts({{1, "\x8F\x41x\xA0\xFFy"}}, lang);
        EXPECT_EQ(r.cells, 2);
        EXPECT_EQ(headerStart(0, 11),
                  (Bytes{'5', '1', 'B', 6, 0x80, 0x00, 'x', 0x80, 0x01, 'y', 0x00}));
        EXPECT_EQ(cell(0), blankCell());
        EXPECT_EQ(cell(1), blankCell());
    }
    // The second byte is taken whatever it is, even a "~".
    EncodedBadge r = encodeTexts({{1, "\x8F~H"}}, kKorean);
    EXPECT_EQ(r.cells, 1);
    EXPECT_EQ(headerStart(0, 8), (Bytes{'5', '1', 'B', 3, 0x80, 0x00, 'H', 0x00}));
}

TEST_F(EncoderTextTest, EnglishAndRussianLeaveAZeroByteAndABlankCell) {
    for (int lang : {kEnglish, kRussian}) {
        EncodedBadge r = encodeTexts({{1,
                                       "a\xE9"
                                       "b"}},
                                     lang);
        EXPECT_EQ(r.cells, 1);
        EXPECT_EQ(headerStart(0, 8), (Bytes{'5', '1', 'B', 3, 'a', 0x00, 'b', 0x00}));
        EXPECT_EQ(cell(0), blankCell());
        // A following picture lands in the next cell.
        r = encodeTexts({{1, "\xE9~n"}}, lang);
        EXPECT_EQ(headerStart(0, 8), (Bytes{'5', '1', 'B', 3, 0x00, 0xC0, 0x01, 0x00}));
        EXPECT_EQ(cell(0), blankCell());
        EXPECT_EQ(cell(1), entryBytes(1, GlyphFontSet::kPictures, 704, 32));
    }
}

TEST_F(EncoderTextTest, FontSetCodeLastsUntilTheMessageEnds) {
    EncodedBadge r =
        encodeTexts({{1, "\x81\x40~2\x81\x40~3\x81\x40~1\x81\x40~2"}, {2, "\x81\x40"}}, kJapanese);
    ASSERT_EQ(r.cells, 5);
    EXPECT_EQ(cell(0), entryBytes(1, GlyphFontSet::kJapanese, 0, 32));
    EXPECT_EQ(cell(1), entryBytes(2, GlyphFontSet::kJapanese, 0, 32));
    EXPECT_EQ(cell(2), entryBytes(3, GlyphFontSet::kJapanese, 0, 32));
    EXPECT_EQ(cell(3), entryBytes(1, GlyphFontSet::kJapanese, 0, 32));
    EXPECT_EQ(cell(4), entryBytes(1, GlyphFontSet::kJapanese, 0, 32));  // next message: set 1
    // Half-width glyphs and pictures are the same in every set.
    r = encodeTexts({{1, "~3\xB1~+"}}, kJapanese);
    EXPECT_EQ(cell(0), entryBytes(1, GlyphFontSet::kJapaneseSingleByte, 32 * 49, 32));
    EXPECT_EQ(cell(1), entryBytes(1, GlyphFontSet::kPictures, 0, 32));
}

TEST_F(EncoderTextTest, BoldAndRotateEndWithTheMessage) {
    EncodedBadge r = encodeTexts({{1, "~B~R"}, {2, "\xA1\x40"}}, kKorean);
    ASSERT_EQ(r.sequence, "12");
    EXPECT_EQ(cell(0), entryBytes(1, GlyphFontSet::kKorean, 32 * (32 * 192), 32));
}

TEST_F(EncoderTextTest, CellEntriesCountPast256) {
    // Two 2000-column pictures take 250 cells, three pictures six more: the next character
    // receives cell 256 at 0x2E00.
    project = BadgeProject();
    SlotPicture wide(2000, 16, SlotPicture::kOff);
    project.setPicture(7, wide);
    project.setPicture(8, wide);
    project.text(1) = "~n~n~n\x88\x9F";
    project.runSequence = "781";
    EncodedBadge r = encoder.encode(project, kJapanese);
    ASSERT_EQ(r.refusal, "");
    EXPECT_EQ(r.cells, 257);
    EXPECT_EQ(headerStart(2, 13),
              (Bytes{'5', '3', 'B', 8, 0xC0, 0xFA, 0xC0, 0xFC, 0xC0, 0xFE, 0x81, 0x00, 0x00}));
    EXPECT_EQ(DeviceImage::cellOffset(256), 0x2E00u);
    const std::uint8_t* at = encoder.image().data() + 0x2E00;
    EXPECT_EQ(Bytes(at, at + 32), entryBytes(1, GlyphFontSet::kJapanese, 46048, 32));
}

TEST_F(EncoderTextTest, EightMessagesFillEightHeaders) {
    project = BadgeProject();
    for (int s = 1; s <= 6; ++s) {
        project.text(s) = std::string(1, char('a' + s));
        project.speed(s) = std::uint8_t(s % 5);
        project.action(s) = std::uint8_t((s + 1) % 5);
    }
    project.setPicture(7, SlotPicture(3, 16, SlotPicture::kLit));
    project.setPicture(8, SlotPicture(17, 16, SlotPicture::kLit));
    project.runSequence = "87654321";
    EncodedBadge r = encoder.encode(project, kEnglish);
    ASSERT_EQ(r.sequence, "87654321");
    EXPECT_EQ(r.cells, 3);
    for (int k = 0; k < 8; ++k) {
        const int slot = 8 - k;
        EXPECT_EQ(DeviceImage::headerOffset(k), 0x0600u + 0x100u * unsigned(k));
        Bytes h = header(k);
        EXPECT_EQ(h[1], '1' + k);
        EXPECT_EQ(h[0], '1' + project.speed(slot));
        EXPECT_EQ(h[2], 'A' + project.action(slot));
        if (slot <= 6) {
            EXPECT_EQ(Bytes(h.begin() + 3, h.begin() + 6), (Bytes{1, std::uint8_t('a' + slot), 0}));
        }
    }
    EXPECT_EQ(headerStart(0, 9), (Bytes{'5', '1', 'B', 2, 0x80, 0x00, 0x80, 0x01, 0x00}));
    EXPECT_EQ(headerStart(1, 7), (Bytes{'5', '2', 'B', 1, 0x80, 0x02, 0x00}));
    // Nothing below the headers is written.
    EXPECT_EQ(Bytes(encoder.image().data(), encoder.image().data() + 0x600), Bytes(0x600, 0));
}

TEST_F(EncoderTextTest, SpeedAndActionOutsideTheirRangeStillGiveTheirCharacter) {
    project = BadgeProject();
    project.text(1) = "x";
    project.speed(1) = 7;
    project.action(1) = 9;
    encoder.encode(project, kEnglish);
    EXPECT_EQ(headerStart(0, 3), (Bytes{'8', '1', 'J'}));
}

TEST_F(EncoderTextTest, UnreadableGlyphCopiesWhatTheBufferHolds) {
    std::filesystem::remove(folder.path() / "system16/_system/KOREAN/dodum.bin");
    EncodedBadge r = encodeTexts({{1, "\xB0\x50~2\xB0\x50\xB0\x51"}}, kKorean);
    EXPECT_EQ(r.cells, 3);
    const Bytes first = entryBytes(1, GlyphFontSet::kKorean, 32 * (47 * 192 + 16), 32);
    EXPECT_EQ(cell(0), first);
    EXPECT_EQ(cell(1), first);
    EXPECT_EQ(cell(2), first);
    EXPECT_EQ(prompt.messages, (std::vector<std::string>{"Error: Font file not found!",
                                                         "Error: Font file not found!"}));
}

}  // namespace
}  // namespace varnel
