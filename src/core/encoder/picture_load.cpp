#include "encoder/picture_load.h"

#include "encoder/message_size.h"

namespace varnel {

std::uint32_t RgbPicture::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return 0xFFFFFF;
    }
    std::size_t i =
        static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
    return i < rgb.size() ? rgb[i] & 0xFFFFFF : 0xFFFFFF;
}

bool isLitSourceColour(std::uint32_t rgb) {
    const std::uint32_t r = (rgb >> 16) & 0xFF;
    const std::uint32_t gb = rgb & 0xFFFF;
    return gb == 0 && (r == 0 || (r >= 128 && r <= 254));
}

std::string pictureTooWideText(int width) {
    return "The picture is " + std::to_string(width) +
           " pixels wide; the badge takes pictures of at most " +
           std::to_string(kMaxPictureColumns) + " pixels.";
}

PictureLoadResult slotPictureFromRgb(const RgbPicture& source) {
    PictureLoadResult result;
    if (source.width > kMaxPictureColumns) {
        result.error = pictureTooWideText(source.width);
        return result;
    }
    constexpr int kRows = 16;
    result.picture = SlotPicture(source.width, kRows, SlotPicture::kOff);
    for (int y = 0; y < kRows && y < source.height; ++y) {
        for (int x = 0; x < source.width; ++x) {
            if (isLitSourceColour(source.at(x, y))) {
                result.picture.set(x, y, SlotPicture::kLit);
            }
        }
    }
    return result;
}

}  // namespace varnel
