#include "language/char_map.h"

#include <algorithm>
#include <cstdio>

namespace varnel {

int charMapPageBase(int page) {
    return page * 256 + kCharMapFirstBase;
}

std::uint16_t charMapCellCode(int page, int row, int column) {
    return static_cast<std::uint16_t>(charMapPageBase(page) + 16 * row + column + 1);
}

CharMapCell charMapCellAt(int x, int y) {
    int row = (y - 1) / kCharMapCellPixels;
    int column = (x - 1) / kCharMapCellPixels;
    return {std::clamp(row, 0, kCharMapCells - 1), std::clamp(column, 0, kCharMapCells - 1)};
}

std::uint16_t charMapCodeAt(int page, int x, int y) {
    CharMapCell cell = charMapCellAt(x, y);
    return charMapCellCode(page, cell.row, cell.column);
}

std::string charCodeBytes(std::uint16_t code) {
    std::string out;
    auto lead = static_cast<char>(code >> 8);
    auto trail = static_cast<char>(code & 0xFF);
    if (lead == 0) {
        return out;
    }
    out.push_back(lead);
    if (trail != 0) {
        out.push_back(trail);
    }
    return out;
}

std::string charMapAddressText(int page) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X",
                  static_cast<unsigned>(charMapPageBase(page)) & 0xFFFFu);
    return text;
}

}  // namespace varnel
