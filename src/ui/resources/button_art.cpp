#include "resources/button_art.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "common/bmp_writer.h"

namespace varnel::ui {

namespace {

constexpr std::uint32_t kSilver = 0xC0C0C0;
constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kDarkRed = 0x800000;
constexpr std::uint32_t kGreen = 0x00C000;
constexpr std::uint32_t kDarkGreen = 0x006000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kNavy = 0x000080;

// 5 x 7 figures, '#' lit.
using Figure = std::array<const char*, 7>;
constexpr std::array<Figure, 5> kDigits = {{
    {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."},
    {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"},
    {".###.", "#...#", "....#", "..##.", "....#", "#...#", ".###."},
    {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."},
    {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."},
}};
constexpr std::array<Figure, 5> kLetters = {{
    {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"},
    {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."},
    {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."},
    {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."},
    {"#####", "#....", "#....", "####.", "#....", "#....", "#####"},
}};

class Canvas {
  public:
    Canvas() { pixels_.fill(kSilver); }
    void set(int x, int y, std::uint32_t c) {
        if (x >= 0 && x < 16 && y >= 0 && y < 16) {
            pixels_[static_cast<std::size_t>(y * 16 + x)] = c;
        }
    }
    void figure(const Figure& f, int left, int top, std::uint32_t c) {
        for (int y = 0; y < 7; ++y) {
            for (int x = 0; x < 5; ++x) {
                if (f[static_cast<std::size_t>(y)][x] == '#') {
                    set(left + x, top + y, c);
                }
            }
        }
    }
    ByteVector bmp() const {
        return writeBmp24(16, 16, std::vector<std::uint32_t>(pixels_.begin(), pixels_.end()));
    }

  private:
    std::array<std::uint32_t, 256> pixels_{};
};

// Digit in blue in the upper ten rows; below it a red-framed gauge bar whose filling grows.
ByteVector speedPicture(int value) {
    Canvas c;
    c.figure(kDigits[static_cast<std::size_t>(value)], 5, 1, kBlue);
    c.figure(kDigits[static_cast<std::size_t>(value)], 6, 1, kBlue);  // a bolder stroke
    for (int x = 1; x <= 14; ++x) {
        c.set(x, 11, kDarkRed);
        c.set(x, 15, kDarkRed);
    }
    for (int y = 11; y <= 15; ++y) {
        c.set(1, y, kDarkRed);
        c.set(14, y, kDarkRed);
    }
    const int filled = 2 + value * 3;  // 2, 5, 8, 11, 14 of the 12 inner columns
    for (int x = 2; x < 2 + filled && x <= 13; ++x) {
        for (int y = 12; y <= 14; ++y) {
            c.set(x, y, kRed);
        }
    }
    return c.bmp();
}

ByteVector discPicture(std::uint32_t fill, std::uint32_t rim) {
    Canvas c;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const double d = std::hypot(x - 7.5, y - 7.5);
            if (d <= 6.3) {
                c.set(x, y, fill);
            } else if (d <= 7.2) {
                c.set(x, y, rim);
            }
        }
    }
    for (auto [x, y] : {std::pair{5, 4}, std::pair{4, 5}, std::pair{5, 5}, std::pair{6, 4}}) {
        c.set(x, y, kWhite);
    }
    return c.bmp();
}

// Header letter in navy over a row of lights that tells the effect's motion.
ByteVector actionPicture(int value) {
    Canvas c;
    c.figure(kLetters[static_cast<std::size_t>(value)], 5, 1, kNavy);
    c.figure(kLetters[static_cast<std::size_t>(value)], 6, 1, kNavy);
    for (int x = 1; x <= 14; ++x) {
        bool lit = false;
        switch (value) {
            case 0:
                lit = x >= 3 && x <= 12;
                break;  // steady
            case 1:
                lit = x % 3 != 0;
                break;  // running
            case 2:
                lit = x % 4 == 1;
                break;  // falling dots
            case 3:
                lit = x <= 7;
                break;  // half on, half off
            default:
                lit = x % 2 == 0;
                break;  // alternate
        }
        if (lit) {
            c.set(x, 12, kRed);
            c.set(x, 13, kRed);
        }
    }
    return c.bmp();
}

}  // namespace

std::vector<ButtonPicture> storedButtonPictures() {
    std::vector<ButtonPicture> pictures;
    for (int v = 0; v < 5; ++v) {
        pictures.push_back({"s" + std::to_string(v + 1) + ".dat", speedPicture(v)});
    }
    pictures.push_back({"s6r.dat", discPicture(kRed, kDarkRed)});
    pictures.push_back({"s6g.dat", discPicture(kGreen, kDarkGreen)});
    return pictures;
}

std::vector<ButtonPicture> actionButtonPictures() {
    // Values 0..4 are shown by a1, a2, a4, a6, a5.
    const std::array<const char*, 5> files = {"a1.dat", "a2.dat", "a4.dat", "a6.dat", "a5.dat"};
    std::vector<ButtonPicture> pictures;
    for (int v = 0; v < 5; ++v) {
        pictures.push_back({files[static_cast<std::size_t>(v)], actionPicture(v)});
    }
    return pictures;
}

}  // namespace varnel::ui
