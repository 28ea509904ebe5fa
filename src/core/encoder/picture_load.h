#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "project/slot_picture.h"

namespace varnel {

// A decoded picture file: width x height colours 0xRRGGBB, top row first.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rgb;

    std::uint32_t at(int x, int y) const;
};

// A loaded picture lights an LED where the source is black or a dark red (r, 0, 0) with r from
// 128 to 254; pure red and every other colour stay off.
bool isLitSourceColour(std::uint32_t rgb);

struct PictureLoadResult {
    SlotPicture picture;  // W x 16, only SlotPicture::kLit and kOff
    std::string error;    // empty when the picture can go into a slot
};

// Turns a decoded picture into a slot picture of its width and 16 rows: rows 0 to 15 of the
// source only, rows below its last row off.  Pictures wider than kMaxPictureColumns are refused.
PictureLoadResult slotPictureFromRgb(const RgbPicture& source);

std::string pictureTooWideText(int width);

}  // namespace varnel
