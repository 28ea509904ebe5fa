#include "project/slot_rules.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

TEST(StepSlotValue, CyclesThroughFiveValuesAndResetsAnythingAbove) {
    struct Case {
        std::uint8_t from, to;
    };
    for (Case c :
         {Case{0, 1}, Case{1, 2}, Case{2, 3}, Case{3, 4}, Case{4, 0}, Case{7, 0}, Case{255, 0}}) {
        EXPECT_EQ(stepSlotValue(c.from), c.to) << int(c.from);
    }
}

TEST(SlotPictures, ValueOutsideTheTableHasNoPicture) {
    EXPECT_EQ(speedPictureFile(0), "s1.dat");
    EXPECT_EQ(speedPictureFile(4), "s5.dat");
    EXPECT_FALSE(speedPictureFile(7).has_value());
    // Action pictures follow a file order that is not the numeric order of the names.
    EXPECT_EQ(actionPictureFile(2), "a4.dat");
    EXPECT_EQ(actionPictureFile(3), "a6.dat");
    EXPECT_EQ(actionPictureFile(4), "a5.dat");
    EXPECT_FALSE(actionPictureFile(5).has_value());
}

TEST(SlotRules, SpeedSevenGivesHeaderCharacterEight) {
    EXPECT_EQ(speedHeaderByte(7), '8');
    EXPECT_EQ(speedHeaderByte(0), '1');
    EXPECT_EQ(actionHeaderByte(0), 'A');
    EXPECT_EQ(actionHeaderByte(4), 'E');
}

TEST(EnableMask, SlotNIsBitNMinusOne) {
    EXPECT_EQ(enableBitOf(1), 0x01);
    EXPECT_EQ(enableBitOf(8), 0x80);
    EXPECT_EQ(withSlotEnabled(0xFF, 1, false), 0xFE);
    EXPECT_EQ(withSlotEnabled(0x00, 8, true), 0x80);
    EXPECT_TRUE(isSlotEnabled(0x40, 7));
    EXPECT_FALSE(isSlotEnabled(0xBF, 7));
}

}  // namespace
}  // namespace varnel
