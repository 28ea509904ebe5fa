#pragma once

#include <cstdint>
#include <string>

namespace varnel {

// The character map: pages of 16 x 16 double-byte codes, 16 x 16 pixel cells with grid lines
// at multiples of 16.  The scroll position is the page number.
constexpr int kCharMapFirstPage = 0;
constexpr int kCharMapLastPage = 100;
constexpr int kCharMapCellPixels = 16;
constexpr int kCharMapCells = 16;
constexpr int kCharMapFirstBase = 0xA100;

// p * 256 + 0xA100 (not reduced: page 94 and later pass 0xFFFF).
int charMapPageBase(int page);

// The low 16 bits of the code in row r, column c of a page: base + 16 r + c + 1.
std::uint16_t charMapCellCode(int page, int row, int column);

struct CharMapCell {
    int row;
    int column;
};

// The cell under a click at pixel (x, y) of the map: row (y - 1) / 16, column (x - 1) / 16,
// truncated toward zero, so the grid lines at 0 belong to the first row and column.  Kept
// inside 0..15.
CharMapCell charMapCellAt(int x, int y);

// The code picked by a click at pixel (x, y) on a page.
std::uint16_t charMapCodeAt(int page, int x, int y);

// The bytes a code stands for, lead byte first, cut at the first zero: a zero lead byte gives
// the empty string, a zero trail byte the lead byte alone.
std::string charCodeBytes(std::uint16_t code);

// The page base as the map's address field shows it: four upper-case hex digits.
std::string charMapAddressText(int page);

}  // namespace varnel
