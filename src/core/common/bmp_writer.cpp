#include "common/bmp_writer.h"

namespace varnel {

namespace {
void appendU16(ByteVector& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
}  // namespace

ByteVector writeBmp24(int width, int height, const std::vector<std::uint32_t>& rgbTopDown) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const int imageBytes = rowBytes * height;
    ByteVector out;
    out.reserve(54 + static_cast<std::size_t>(imageBytes));
    out.push_back('B');
    out.push_back('M');
    appendI32(out, 54 + imageBytes);  // file size
    appendI32(out, 0);                // reserved
    appendI32(out, 54);               // offset of the pixels
    appendI32(out, 40);               // BITMAPINFOHEADER
    appendI32(out, width);
    appendI32(out, height);  // positive: bottom-up
    appendU16(out, 1);       // planes
    appendU16(out, 24);      // bits per pixel
    appendI32(out, 0);       // no compression
    appendI32(out, imageBytes);
    appendI32(out, 2835);  // 72 dpi
    appendI32(out, 2835);
    appendI32(out, 0);
    appendI32(out, 0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            std::uint32_t c = rgbTopDown[static_cast<std::size_t>(y * width + x)];
            out.push_back(static_cast<std::uint8_t>(c));        // blue
            out.push_back(static_cast<std::uint8_t>(c >> 8));   // green
            out.push_back(static_cast<std::uint8_t>(c >> 16));  // red
        }
        for (int p = width * 3; p < rowBytes; ++p) {
            out.push_back(0);
        }
    }
    return out;
}

}  // namespace varnel
