#include <gtest/gtest.h>

#include "core/encoder/encoder_harness.h"
#include "encoder/encoding_context.h"
#include "encoder/message_encoders.h"
#include "encoder/picture_load.h"

namespace varnel {
namespace {

using testing::Bytes;

class EncoderPictureMessageTest : public testing::EncoderHarness {};

SlotPicture allLit(int width) {
    return SlotPicture(width, 16, SlotPicture::kLit);
}

TEST_F(EncoderPictureMessageTest, StripsOf16ColumnsBecomeCells) {
    project = BadgeProject();
    project.setPicture(7, allLit(40));
    project.speed(7) = 3;
    project.action(7) = 4;
    EncodedBadge r = encoder.encode(project, 0);
    EXPECT_EQ(r.sequence, "7");
    EXPECT_EQ(r.cells, 3);
    EXPECT_EQ(headerStart(0, 11), (Bytes{'4', '1', 'E', 3, 0x80, 0, 0x80, 1, 0x80, 2, 0}));
    EXPECT_EQ(cell(0), Bytes(32, 0xFF));
    EXPECT_EQ(cell(1), Bytes(32, 0xFF));
    Bytes third(32, 0);
    for (int y = 0; y < 16; ++y) {
        third[std::size_t(2 * y)] = 0xFF;  // x 32..39 lit, x 40..47 outside the picture
    }
    EXPECT_EQ(cell(2), third);
}

TEST_F(EncoderPictureMessageTest, OnlyPureRedInRows0To15IsLit) {
    SlotPicture p(16, 20, SlotPicture::kOff);
    p.set(0, 0, SlotPicture::kLit);   // row 0, column 0
    p.set(15, 0, SlotPicture::kLit);  // row 0, column 15
    p.set(8, 3, SlotPicture::kLit);   // row 3, column 8
    p.set(1, 1, 0x00000000);          // black: not lit once in a slot
    p.set(2, 2, 0x000000FE);          // a dark red: not lit once in a slot
    p.set(3, 17, SlotPicture::kLit);  // row 17: never reaches the badge
    project = BadgeProject();
    project.setPicture(8, p);
    EncodedBadge r = encoder.encode(project, 0);
    ASSERT_EQ(r.cells, 1);
    Bytes expected(32, 0);
    expected[0] = 0x80;
    expected[1] = 0x01;
    expected[7] = 0x80;
    EXPECT_EQ(cell(0), expected);
}

TEST_F(EncoderPictureMessageTest, Slot8ExampleAfterFiveCells) {
    project = BadgeProject();
    SlotPicture p(16, 16, SlotPicture::kOff);
    p.set(4, 9, SlotPicture::kLit);
    project.setPicture(8, p);
    project.speed(8) = 0;
    project.action(8) = 1;
    DeviceImage image;
    int cells = 5;
    GlyphBuffer glyphs;
    GlyphFontSet fonts(folder.path());
    EncodingContext ctx{image, cells, glyphs, fonts, prompt, systemGlyphFiles()};
    EncodeImageMessage(ctx, project, '8', 0);
    EXPECT_EQ(Bytes(image.data() + 0x600, image.data() + 0x607),
              (Bytes{'1', '1', 'B', 0x01, 0x80, 0x05, 0x00}));
    EXPECT_EQ(cells, 6);
    Bytes expected(32, 0);
    expected[18] = 0x08;
    EXPECT_EQ(Bytes(image.cell(5), image.cell(5) + 32), expected);
    EXPECT_EQ(Bytes(image.cell(4), image.cell(4) + 32), Bytes(32, 0));
}

TEST_F(EncoderPictureMessageTest, StripCountFollowsTheWidth) {
    struct Case {
        int width, strips;
    };
    for (Case c : {Case{1, 1}, Case{16, 1}, Case{17, 2}, Case{2000, 125}}) {
        project = BadgeProject();
        project.setPicture(7, allLit(c.width));
        EncodedBadge r = encoder.encode(project, 0);
        EXPECT_EQ(r.refusal, "") << c.width;
        EXPECT_EQ(r.cells, c.strips) << c.width;
        EXPECT_EQ(header(0)[3], c.strips) << c.width;
        EXPECT_EQ(header(0)[std::size_t(4 + 2 * c.strips)], 0) << c.width;
    }
    // 2000 columns: the last entry ends at byte 253, the end mark is byte 254.
    EXPECT_EQ(header(0)[252], 0x80);
    EXPECT_EQ(header(0)[253], 124);
}

TEST_F(EncoderPictureMessageTest, APictureWithoutItsFlagOrColumnsIsNotSent) {
    project = BadgeProject();
    project.pictures[0] = allLit(16);  // picture present, flag clear
    project.setPicture(8, SlotPicture());
    EncodedBadge r = encoder.encode(project, 0);
    EXPECT_EQ(r.sequence, "");
    EXPECT_EQ(r.cells, 0);
}

TEST(EncoderPictureLoad, LightsBlackAndDarkRedsOnly) {
    struct Case {
        std::uint32_t rgb;
        bool lit;
    };
    for (Case c : {Case{0x000000, true}, Case{0x800000, true}, Case{0xFE0000, true},
                   Case{0xC00000, true}, Case{0xFF0000, false}, Case{0x7F0000, false},
                   Case{0x00FF00, false}, Case{0x800001, false}, Case{0x800100, false},
                   Case{0xFFFFFF, false}, Case{0x010000, false}, Case{0x000001, false}}) {
        EXPECT_EQ(isLitSourceColour(c.rgb), c.lit) << std::hex << c.rgb;
    }
}

TEST(EncoderPictureLoad, MakesAPictureOfItsWidthAnd16Rows) {
    for (int height : {30, 10, 16, 0}) {
        RgbPicture source{5, height, std::vector<std::uint32_t>(std::size_t(5 * height), 0)};
        PictureLoadResult r = slotPictureFromRgb(source);
        ASSERT_EQ(r.error, "");
        EXPECT_EQ(r.picture.width(), 5);
        EXPECT_EQ(r.picture.height(), 16);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 5; ++x) {
                EXPECT_EQ(r.picture.at(x, y), y < height ? SlotPicture::kLit : SlotPicture::kOff)
                    << height << ": " << x << "," << y;
            }
        }
    }
}

TEST(EncoderPictureLoad, RefusesPicturesWiderThan2000Columns) {
    RgbPicture wide{2001, 1, std::vector<std::uint32_t>(2001, 0)};
    PictureLoadResult r = slotPictureFromRgb(wide);
    EXPECT_NE(r.error, "");
    EXPECT_EQ(r.picture.width(), 0);
    RgbPicture widest{2000, 1, std::vector<std::uint32_t>(2000, 0)};
    EXPECT_EQ(slotPictureFromRgb(widest).error, "");
}

}  // namespace
}  // namespace varnel
