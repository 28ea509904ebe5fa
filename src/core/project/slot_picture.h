#pragma once

#include <cstdint>
#include <vector>

namespace varnel {

// The picture of slot 7 or 8: W columns by H rows of colours in the form 0x00BBGGRR, as
// documents store them.  Pictures made by a load are 16 rows high and use only kLit and kOff;
// a document can bring other heights and colours.
class SlotPicture {
  public:
    static constexpr std::uint32_t kLit = 0x000000FF;  // pure red
    static constexpr std::uint32_t kOff = 0x00FFFFFF;  // white

    SlotPicture() = default;
    SlotPicture(int width, int height, std::uint32_t fill = kOff);

    int width() const { return width_; }
    int height() const { return height_; }
    bool hasColumns() const { return width_ > 0; }

    // Colour of (x, y); kOff outside the picture.
    std::uint32_t at(int x, int y) const;
    void set(int x, int y, std::uint32_t colour);

    // Lit as the badge sees it: pure red only.
    bool isLit(int x, int y) const { return at(x, y) == kLit; }

    bool operator==(const SlotPicture& other) const = default;

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;  // row by row
};

}  // namespace varnel
