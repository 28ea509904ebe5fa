#include "project/badge_project.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

TEST(BadgeProject, NewDefaults) {
    BadgeProject p;
    p.text(3) = "abc";
    p.speed(2) = 0;
    p.action(8) = 3;
    p.enableMask = 0x10;
    p.runSequence = "9a3";
    p.documentName = "/tmp/x.bge";
    p.modified = true;
    p.setPicture(7, SlotPicture(5, 16));

    p.applyNewDefaults();
    for (int s = 1; s <= 6; ++s) {
        EXPECT_TRUE(p.text(s).empty());
    }
    for (int s = 1; s <= 8; ++s) {
        EXPECT_EQ(p.speed(s), 4);
        EXPECT_EQ(p.action(s), 1);
    }
    EXPECT_EQ(p.pictureFlags, 0);
    EXPECT_FALSE(p.picture(7).hasColumns());
    EXPECT_EQ(p.enableMask, 0xFF);
    EXPECT_EQ(p.runSequence, "12345678");
    EXPECT_EQ(p.documentName, "untitle.bge");
    EXPECT_FALSE(p.modified);
}

TEST(BadgeProject, PictureAndFlagStayInStep) {
    BadgeProject p;
    p.setPicture(8, SlotPicture(3, 16));
    EXPECT_EQ(p.pictureFlags, kPictureFlagSlot8);
    p.setPicture(7, SlotPicture(0, 16));
    EXPECT_EQ(p.pictureFlags, kPictureFlagSlot7 | kPictureFlagSlot8);
    p.clearPicture(8);
    EXPECT_EQ(p.pictureFlags, kPictureFlagSlot7);
    EXPECT_EQ(p.picture(8).width(), 0);
}

TEST(SlotPicture, OutsideReadsOffAndOnlyPureRedIsLit) {
    SlotPicture pic(2, 2);
    pic.set(0, 0, SlotPicture::kLit);
    pic.set(1, 0, 0x000000FE);
    pic.set(5, 5, SlotPicture::kLit);  // ignored
    EXPECT_TRUE(pic.isLit(0, 0));
    EXPECT_FALSE(pic.isLit(1, 0));
    EXPECT_EQ(pic.at(-1, 0), SlotPicture::kOff);
    EXPECT_EQ(pic.at(0, 2), SlotPicture::kOff);
}

}  // namespace
}  // namespace varnel
