#include "language/char_map.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

TEST(CharMap, CellsOfAPage) {
    EXPECT_EQ(charMapPageBase(0), 0xA100);
    EXPECT_EQ(charMapCellCode(0, 0, 0), 0xA101);
    EXPECT_EQ(charMapCellCode(0, 0, 1), 0xA102);
    EXPECT_EQ(charMapCellCode(0, 1, 0), 0xA111);
    EXPECT_EQ(charMapCellCode(0, 15, 15), 0xA200);
    EXPECT_EQ(charCodeBytes(0xA101), "\xA1\x01");
    EXPECT_EQ(charCodeBytes(0xA200), "\xA2");  // trail byte 0 leaves the lead byte alone
    EXPECT_EQ(charMapAddressText(0), "A100");
    EXPECT_EQ(charMapAddressText(1), "A200");

    // Page 94 starts at 0xFF00; its last cell is 0x10000, whose low 16 bits are 0.
    EXPECT_EQ(charMapPageBase(94), 0xFF00);
    EXPECT_EQ(charMapAddressText(94), "FF00");
    EXPECT_EQ(charMapCellCode(94, 15, 15), 0);
    EXPECT_EQ(charCodeBytes(charMapCellCode(94, 15, 15)), "");
    // Later pages wrap around: page 95 shows 0x0000 and its codes start at 0x0001.
    EXPECT_EQ(charMapAddressText(95), "0000");
    EXPECT_EQ(charMapCellCode(95, 0, 0), 0x0001);
    EXPECT_EQ(charCodeBytes(0x0001), "");
    EXPECT_EQ(charMapAddressText(100), "0500");
}

TEST(CharMap, ClicksPickTheCellUnderThePointer) {
    struct Case {
        int x, y, row, column;
    };
    const Case cases[] = {
        {1, 1, 0, 0},  {16, 16, 0, 0},     {17, 1, 0, 1},  {0, 0, 0, 0},
        {1, 17, 1, 0}, {256, 256, 15, 15}, {32, 33, 2, 1},
    };
    for (const Case& c : cases) {
        CharMapCell cell = charMapCellAt(c.x, c.y);
        EXPECT_EQ(cell.row, c.row) << c.x << "," << c.y;
        EXPECT_EQ(cell.column, c.column) << c.x << "," << c.y;
    }
    EXPECT_EQ(charMapCodeAt(0, 1, 1), 0xA101);
    EXPECT_EQ(charMapCodeAt(0, 16, 16), 0xA101);
    EXPECT_EQ(charMapCodeAt(0, 17, 1), 0xA102);
    EXPECT_EQ(charMapCodeAt(3, 17, 1), 0xA402);
}

}  // namespace
}  // namespace varnel
