#include "project/slot_picture.h"

namespace varnel {

SlotPicture::SlotPicture(int width, int height, std::uint32_t fill)
    : width_(width > 0 ? width : 0), height_(height > 0 ? height : 0) {
    pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill);
}

std::uint32_t SlotPicture::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return kOff;
    }
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                   static_cast<std::size_t>(x)];
}

void SlotPicture::set(int x, int y, std::uint32_t colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
            static_cast<std::size_t>(x)] = colour;
}

}  // namespace varnel
