#include "project/run_sequence.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

TEST(CleanRunSequence, FollowsTheFieldRule) {
    struct Case {
        const char* typed;
        const char* cleaned;
    };
    for (Case c :
         {Case{"", "12345678"}, Case{"9a3", "13"}, Case{"11", "1"}, Case{"87654321", "87654321"},
          Case{"3321", "321"}, Case{"0", "1"}, Case{"2~2", "21"}, Case{"\xA1\x01", "1"}}) {
        EXPECT_EQ(cleanRunSequence(c.typed), c.cleaned) << c.typed;
    }
}

BadgeProject projectWithTexts(std::initializer_list<int> slots) {
    BadgeProject p;
    for (int s : slots) {
        p.text(s) = "x";
    }
    return p;
}

TEST(SendSequence, KeepsFilledEnabledSlotsInRunOrder) {
    BadgeProject p = projectWithTexts({1, 3});
    EXPECT_EQ(sendSequence(p), "13");
    p.enableMask = 0xFE;
    EXPECT_EQ(sendSequence(p), "3");
    p.runSequence = "31";
    p.enableMask = 0xFF;
    EXPECT_EQ(sendSequence(p), "31");
}

TEST(SendSequence, EmptySlotInRunSequenceGivesNothing) {
    BadgeProject p = projectWithTexts({1});
    p.runSequence = "2";
    EXPECT_EQ(sendSequence(p), "");
}

TEST(SendSequence, PictureSlotsNeedAFlaggedPictureWithColumns) {
    BadgeProject p;
    EXPECT_EQ(sendSequence(p), "");  // both picture slots on, neither holds a picture
    p.setPicture(8, SlotPicture(16, 16));
    EXPECT_EQ(sendSequence(p), "8");
    p.setPicture(7, SlotPicture(0, 16));  // a zero-wide load sets the flag but has no column
    EXPECT_EQ(sendSequence(p), "8");
    p.enableMask = 0x7F;
    EXPECT_EQ(sendSequence(p), "");
}

TEST(SendSequence, UncleanedRunSequenceStillGivesEachSlotOnce) {
    BadgeProject p = projectWithTexts({1, 2, 3});
    p.runSequence = "9a3322";  // as a document can bring it
    EXPECT_EQ(sendSequence(p), "132");
}

}  // namespace
}  // namespace varnel
