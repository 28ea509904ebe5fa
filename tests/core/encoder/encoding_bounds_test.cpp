#include <gtest/gtest.h>

#include <map>

#include "core/encoder/encoder_harness.h"
#include "encoder/encoding_context.h"
#include "encoder/glyph_file_access.h"
#include "encoder/message_encoders.h"
#include "encoder/message_size.h"

namespace varnel {
namespace {

using testing::Bytes;

using testing::kChinese;
using testing::kEnglish;
using testing::kJapanese;
using testing::kKorean;

class EncoderBoundsTest : public testing::EncoderHarness {};

std::string repeat(const std::string& unit, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) {
        s += unit;
    }
    return s;
}

TEST_F(EncoderBoundsTest, RefusesAMessageWhoseEntriesPassTheHeader) {
    struct Case {
        std::string text;
        int languageId;
        bool fits;
    };
    const std::vector<Case> cases = {
        {std::string(250, 'A'), kJapanese, true},      // end mark at byte 254
        {repeat("\xB1", 125) + "A", kJapanese, true},  // 251 entry bytes
        {repeat("\xB1", 126), kJapanese, false},       // 252 entry bytes
        {repeat("\xB1", 255), kJapanese, false},       // what a document can bring
        {std::string(251, 'A'), kEnglish, true},       // end mark at byte 255
        {std::string(252, 'A'), kEnglish, false},
        {repeat("\xE9", 251), kEnglish, true},       // a zero byte each
        {repeat("~f", 125) + "A", kJapanese, true},  // 251 entry bytes
        {repeat("~f", 126), kJapanese, false},
        {repeat("~B", 127), kJapanese, true},  // 254 bytes, no entries
    };
    for (const Case& c : cases) {
        project = BadgeProject();
        project.text(3) = c.text;
        EncodedBadge r = encoder.encode(project, c.languageId);
        EXPECT_EQ(r.refusal, c.fits ? "" : "Message 3 is too long for the badge.")
            << c.text.size() << " bytes";
        EXPECT_EQ(r.sequence, "3");
    }
}

TEST_F(EncoderBoundsTest, RefusalLeavesTheLastImageAlone) {
    project = BadgeProject();
    project.text(1) = "~n";
    ASSERT_EQ(encoder.encode(project, kJapanese).cells, 2);
    Bytes before(encoder.image().data(), encoder.image().data() + DeviceImage::kSize);
    project.text(2) = repeat("\xB1", 200);
    EncodedBadge r = encoder.encode(project, kJapanese);
    EXPECT_EQ(r.refusal, "Message 2 is too long for the badge.");
    EXPECT_EQ(r.cells, 0);
    EXPECT_EQ(encoder.cellCount(), 2);
    EXPECT_EQ(Bytes(encoder.image().data(), encoder.image().data() + DeviceImage::kSize), before);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(EncoderBoundsTest, RefusesAPictureWiderThan2000Columns) {
    project = BadgeProject();
    project.setPicture(8, SlotPicture(2001, 16, SlotPicture::kLit));
    EXPECT_EQ(encoder.encode(project, kJapanese).refusal, "Message 8 is too long for the badge.");
    project.setPicture(8, SlotPicture(5000, 16, SlotPicture::kLit));
    EXPECT_EQ(encoder.encode(project, kJapanese).refusal, "Message 8 is too long for the badge.");
}

TEST_F(EncoderBoundsTest, RefusesMoreThan912Cells) {
    // Six texts of 125 double-byte characters (750 cells) and pictures of 81 strips each.
    project = BadgeProject();
    for (int s = 1; s <= 6; ++s) {
        project.text(s) = repeat("\x81\x40", 125);
    }
    project.setPicture(7, SlotPicture(81 * 16, 16, SlotPicture::kLit));
    project.setPicture(8, SlotPicture(81 * 16, 16, SlotPicture::kLit));
    EncodedBadge r = encoder.encode(project, kChinese);
    EXPECT_EQ(r.cells, 912);
    EXPECT_EQ(r.refusal, "");
    const std::uint8_t* last = encoder.image().data() + DeviceImage::cellOffset(911);
    EXPECT_EQ(Bytes(last, last + 32), Bytes(32, 0xFF));

    project.setPicture(8, SlotPicture(81 * 16 + 1, 16, SlotPicture::kLit));
    r = encoder.encode(project, kChinese);
    EXPECT_EQ(r.refusal, "The messages do not fit into the badge memory.");
    EXPECT_EQ(encoder.cellCount(), 912);  // the last image stays

    // Switched-off slots do not count.
    project.enableMask = 0x7F;
    EXPECT_EQ(encoder.encode(project, kChinese).refusal, "");
}

TEST_F(EncoderBoundsTest, TildeBeforeNoCodeProducesNothing) {
    for (const std::string& text : {std::string("a~zb"), std::string("a~~b"), std::string("ab~"),
                                    std::string("a~\xB1"
                                                "b"),
                                    std::string("a~0b~")}) {
        project = BadgeProject();
        project.text(1) = text;
        EncodedBadge r = encoder.encode(project, kEnglish);
        EXPECT_EQ(r.cells, 0) << text;
        EXPECT_EQ(headerStart(0, 7), (Bytes{'5', '1', 'B', std::uint8_t(text.size()), 'a', 'b', 0}))
            << text;
    }
    // "~~H": the second tilde is eaten with the first, so H stands as a letter.
    project.text(1) = "~~H";
    EXPECT_EQ(encoder.encode(project, kJapanese).cells, 0);
    EXPECT_EQ(headerStart(0, 6), (Bytes{'5', '1', 'B', 3, 'H', 0}));
    EXPECT_TRUE(prompt.messages.empty());
}

// Serves the fixture files and counts the reads.
class CountingFiles : public GlyphFileAccess {
  public:
    std::optional<std::size_t> readAt(const std::filesystem::path& path, std::int64_t offset,
                                      std::span<std::uint8_t> dest) override {
        reads.emplace_back(path.filename().string(), offset);
        return systemGlyphFiles().readAt(path, offset, dest);
    }
    std::vector<std::pair<std::string, std::int64_t>> reads;
};

TEST_F(EncoderBoundsTest, PairsOutsideTheGlyphGridGetABlankCellWithoutRead) {
    CountingFiles files;
    BadgeEncoder counted(folder.path(), prompt, files);
    struct Case {
        std::string text;
        int languageId;
    };
    // The pair ends the text, so a lone lead byte meets the end of the text.
    for (const Case& c :
         {Case{"\x88\x3F", kJapanese}, Case{"\x88", kJapanese}, Case{"\xB0\x20", kKorean},
          Case{"\x80\x40", kChinese}, Case{"\x80\xFF", kChinese},
          Case{std::string("\xA1\0", 2), kChinese}, Case{"\xA1", kChinese}}) {
        project = BadgeProject();
        project.text(1) = "~n" + c.text;
        EncodedBadge r = counted.encode(project, c.languageId);
        const std::uint8_t* h = counted.image().data() + 0x600;
        EXPECT_EQ(r.cells, 3) << c.languageId;
        EXPECT_EQ(Bytes(h + 6, h + 8), (Bytes{0x80, 0x02})) << c.languageId;
        const std::uint8_t* cell2 = counted.image().data() + DeviceImage::cellOffset(2);
        EXPECT_EQ(Bytes(cell2, cell2 + 32), Bytes(32, 0));
    }
    // Only the "~n" pictures were read.
    EXPECT_EQ(files.reads.size(), 7u);
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(EncoderBoundsTest, EveryGlyphIsOneRead) {
    CountingFiles files;
    BadgeEncoder counted(folder.path(), prompt, files);
    project = BadgeProject();
    project.text(1) = "\x81\x40\x81\x40~2\x81\x40";
    project.text(2) = "\xB1~+";
    counted.encode(project, kJapanese);
    const std::vector<std::pair<std::string, std::int64_t>> expected = {{"ms1.bin", 0},
                                                                        {"ms1.bin", 0},
                                                                        {"ms mingchao.bin", 0},
                                                                        {"ASCII.bin", 49 * 32},
                                                                        {"12 PICTURE.bin", 0}};
    EXPECT_EQ(files.reads, expected);
}

TEST_F(EncoderBoundsTest, MessageEncodersNeverWriteOutsideHeaderOrImage) {
    // Called directly, without the check of the pass, on an over-long text and too many cells.
    DeviceImage image;
    int cells = 910;
    GlyphBuffer glyphs;
    GlyphFontSet fonts(folder.path());
    EncodingContext ctx{image, cells, glyphs, fonts, prompt, systemGlyphFiles()};
    project = BadgeProject();
    project.text(1) = repeat("\xB1", 255);
    EncodeTextMessage(ctx, project, '1', 0, kJapanese);
    EXPECT_EQ(cells, 910 + 255);
    EXPECT_EQ(image[0x600 + 255], 0);  // the end mark keeps its place
    EXPECT_EQ(image[0x600 + 253], (910 + 124) % 256);
    EXPECT_EQ(image[0x700], 0);  // the next header is untouched
    project.setPicture(7, SlotPicture(4000, 16, SlotPicture::kLit));
    EncodeImageMessage(ctx, project, '7', 7);
    EXPECT_EQ(image[0x0D00 + 252], 0x80 + (910 + 255 + 124) / 256);
    EXPECT_EQ(image[0x0D00 + 254], 0);
    EXPECT_EQ(image[0x0D00 + 255], 0);
    EXPECT_EQ(cells, 910 + 255 + 250);
}

TEST(EncoderMessageSize, MeasuresWithoutGlyphs) {
    struct Case {
        std::string text;
        int languageId;
        int entryBytes, cells;
    };
    for (const Case& c : std::vector<Case>{{"AB", 0, 2, 0},
                                           {"~H~B~R~f~1~z", 0, 4, 2},
                                           {"\xB1\x88\x9F", 0, 4, 2},
                                           {"\xB1\x88\x9F", 1, 4, 2},
                                           {"\xB1\x88\x9F", 4, 3, 3},
                                           {"\x8F", 3, 2, 1}}) {
        MessageSize size = measureTextMessage(c.text, c.languageId);
        EXPECT_EQ(size.entryBytes, c.entryBytes) << c.text << " " << c.languageId;
        EXPECT_EQ(size.cells, c.cells) << c.text << " " << c.languageId;
    }
}

}  // namespace
}  // namespace varnel
