// varnel-glyphsheet: renders a page of a glyph file as a PNG contact sheet, for people to look
// at the glyph data.
//
//   varnel-glyphsheet FILE... [--lead 0xNN] [--pictures | --half-width | --resident]
//                     [--from 0xNN] [--to 0xNN] [--scale N] --out page.png
//
// A double-byte file shows the 192 cells of one lead byte (trail 0x40..0xFF) in 12 rows of 16,
// labelled with the trail's two hex digits; --from and --to keep the rows that hold trails (or,
// in the other kinds, glyph labels) in that range.  The kind of file is taken from its size unless
// a flag names it: 768 bytes pictures, 4096 half-width, 3072 the resident font.  Several files are
// stacked one under the other, so the three fonts of one script can be compared page by page.

#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

enum class Kind { Unknown, DoubleByte, HalfWidth, Pictures, Resident };

struct Page {
    int glyphWidth = 16;
    int glyphHeight = 16;
    int columns = 16;
    int count = 0;
    int firstLabel = 0;  // label of glyph 0 (its low byte), labels then count up
    std::vector<std::vector<bool>> glyphs;
};

// 3 x 5 digits for the hex labels.
constexpr const char* kDigits[16] = {
    "###"
    "#.#"
    "#.#"
    "#.#"
    "###",
    ".#."
    "##."
    ".#."
    ".#."
    "###",
    "###"
    "..#"
    "###"
    "#.."
    "###",
    "###"
    "..#"
    "###"
    "..#"
    "###",
    "#.#"
    "#.#"
    "###"
    "..#"
    "..#",
    "###"
    "#.."
    "###"
    "..#"
    "###",
    "###"
    "#.."
    "###"
    "#.#"
    "###",
    "###"
    "..#"
    ".#."
    ".#."
    ".#.",
    "###"
    "#.#"
    "###"
    "#.#"
    "###",
    "###"
    "#.#"
    "###"
    "..#"
    "###",
    ".#."
    "#.#"
    "###"
    "#.#"
    "#.#",
    "##."
    "#.#"
    "##."
    "#.#"
    "##.",
    "###"
    "#.."
    "#.."
    "#.."
    "###",
    "##."
    "#.#"
    "#.#"
    "#.#"
    "##.",
    "###"
    "#.."
    "##."
    "#.."
    "###",
    "###"
    "#.."
    "##."
    "#.."
    "#..",
};

std::vector<unsigned char> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A 16 x 16 cell at offset (16 rows of 2 bytes, bit 7 leftmost).
void appendCell(const std::vector<unsigned char>& bytes, std::size_t offset,
                std::vector<bool>& pixels, int width, int columnBase) {
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 16; ++c) {
            const std::size_t at = offset + static_cast<std::size_t>(r * 2 + c / 8);
            const bool lit = at < bytes.size() && (bytes[at] & (0x80 >> (c % 8))) != 0;
            pixels[static_cast<std::size_t>(r * width + columnBase + c)] = lit;
        }
    }
}

Page makePage(const std::vector<unsigned char>& bytes, Kind kind, int lead) {
    Page page;
    switch (kind) {
        case Kind::Pictures:
            page.glyphWidth = 32;
            page.columns = 4;
            page.count = 12;
            for (int i = 0; i < page.count; ++i) {
                std::vector<bool> pixels(32 * 16);
                appendCell(bytes, static_cast<std::size_t>(i) * 64, pixels, 32, 0);
                appendCell(bytes, static_cast<std::size_t>(i) * 64 + 32, pixels, 32, 16);
                page.glyphs.push_back(pixels);
            }
            break;
        case Kind::HalfWidth:
            page.count = 128;
            page.firstLabel = 0x80;
            for (int i = 0; i < page.count; ++i) {
                std::vector<bool> pixels(16 * 16);
                appendCell(bytes, static_cast<std::size_t>(i) * 32, pixels, 16, 0);
                page.glyphs.push_back(pixels);
            }
            break;
        case Kind::Resident:
            page.glyphWidth = 8;
            page.glyphHeight = 12;
            page.count = 256;
            for (int i = 0; i < page.count; ++i) {
                std::vector<bool> pixels(8 * 12);
                for (int r = 0; r < 12; ++r) {
                    const std::size_t at = static_cast<std::size_t>(i * 12 + r);
                    for (int c = 0; c < 8; ++c) {
                        pixels[static_cast<std::size_t>(r * 8 + c)] =
                            at < bytes.size() && (bytes[at] & (0x80 >> c)) != 0;
                    }
                }
                page.glyphs.push_back(pixels);
            }
            break;
        case Kind::DoubleByte:
        case Kind::Unknown:
            page.count = 192;
            page.firstLabel = 0x40;
            for (int i = 0; i < page.count; ++i) {
                std::vector<bool> pixels(16 * 16);
                appendCell(bytes, static_cast<std::size_t>((lead - 0x81) * 192 + i) * 32, pixels,
                           16, 0);
                page.glyphs.push_back(pixels);
            }
            break;
    }
    return page;
}

// Keeps the whole rows of the page that hold a label from `from` to `to`.
Page keepRows(Page page, int from, int to) {
    Page kept = page;
    kept.glyphs.clear();
    kept.count = 0;
    const int columns = page.columns;
    for (int start = 0; start < page.count; start += columns) {
        const int first = page.firstLabel + start;
        const int last = first + columns - 1;
        if (last < from || first > to) {
            continue;
        }
        if (kept.count == 0) {
            kept.firstLabel = first;
        }
        for (int i = start; i < start + columns && i < page.count; ++i) {
            kept.glyphs.push_back(page.glyphs[static_cast<std::size_t>(i)]);
            ++kept.count;
        }
    }
    return kept;
}

void fillRect(QImage& image, int x, int y, int w, int h, QRgb colour) {
    for (int yy = y; yy < y + h; ++yy) {
        for (int xx = x; xx < x + w; ++xx) {
            if (xx >= 0 && yy >= 0 && xx < image.width() && yy < image.height()) {
                image.setPixel(xx, yy, colour);
            }
        }
    }
}

void drawHex(QImage& image, int x, int y, int value, int digits, int size) {
    for (int d = 0; d < digits; ++d) {
        const int nibble = (value >> (4 * (digits - 1 - d))) & 0xF;
        for (int r = 0; r < 5; ++r) {
            for (int c = 0; c < 3; ++c) {
                if (kDigits[nibble][r * 3 + c] == '#') {
                    fillRect(image, x + (d * 4 + c) * size, y + r * size, size, size,
                             qRgb(0x30, 0x30, 0x90));
                }
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> files;
    std::string out;
    Kind forced = Kind::Unknown;
    int lead = 0x81;
    int scale = 3;
    int from = 0;
    int to = 0xFF;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--lead" && i + 1 < argc) {
            lead = static_cast<int>(std::strtol(argv[++i], nullptr, 0));
        } else if (arg == "--from" && i + 1 < argc) {
            from = static_cast<int>(std::strtol(argv[++i], nullptr, 0));
        } else if (arg == "--to" && i + 1 < argc) {
            to = static_cast<int>(std::strtol(argv[++i], nullptr, 0));
        } else if (arg == "--scale" && i + 1 < argc) {
            scale = std::atoi(argv[++i]);
        } else if (arg == "--out" && i + 1 < argc) {
            out = argv[++i];
        } else if (arg == "--pictures") {
            forced = Kind::Pictures;
        } else if (arg == "--half-width") {
            forced = Kind::HalfWidth;
        } else if (arg == "--resident") {
            forced = Kind::Resident;
        } else if (!arg.empty() && arg[0] != '-') {
            files.push_back(arg);
        } else {
            files.clear();
            break;
        }
    }
    if (files.empty() || out.empty() || lead < 0x81 || lead > 0xFE || scale < 1 || scale > 16) {
        std::fprintf(stderr,
                     "usage: varnel-glyphsheet FILE... [--lead 0xNN] [--pictures | --half-width |"
                     " --resident] [--from 0xNN] [--to 0xNN] [--scale N] --out page.png\n");
        return 2;
    }

    std::vector<Page> pages;
    for (const std::string& file : files) {
        const std::vector<unsigned char> bytes = readFile(file);
        if (bytes.empty()) {
            std::fprintf(stderr, "varnel-glyphsheet: cannot read %s\n", file.c_str());
            return 1;
        }
        Kind kind = forced;
        if (kind == Kind::Unknown) {
            kind = bytes.size() == 768    ? Kind::Pictures
                   : bytes.size() == 4096 ? Kind::HalfWidth
                   : bytes.size() == 3072 ? Kind::Resident
                                          : Kind::DoubleByte;
        }
        if (kind == Kind::DoubleByte &&
            static_cast<std::size_t>(lead - 0x81 + 1) * 192 * 32 > bytes.size()) {
            std::fprintf(stderr, "varnel-glyphsheet: %s has no row for lead 0x%02X\n", file.c_str(),
                         lead);
            return 1;
        }
        pages.push_back(keepRows(makePage(bytes, kind, lead), from, to));
    }

    // Cells: each pixel scale x scale with a one-pixel seam, cells apart by a gap.
    constexpr int kGap = 6;
    constexpr int kLabel = 2;  // label digit size
    const int labelWidth = 3 * 4 * kLabel + kGap;
    int width = 0;
    int height = 0;
    for (const Page& page : pages) {
        const int rows = (page.count + page.columns - 1) / page.columns;
        width = std::max(width, labelWidth + page.columns * (page.glyphWidth * scale + kGap));
        height += 6 * kLabel + kGap + rows * (page.glyphHeight * scale + kGap) + 3 * kGap;
    }
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(0xFF, 0xFF, 0xFF));
    int top = 0;
    for (const Page& page : pages) {
        const int cellW = page.glyphWidth * scale + kGap;
        const int cellH = page.glyphHeight * scale + kGap;
        const int originY = top + 6 * kLabel + kGap;
        if (page.glyphWidth == 16 || page.glyphWidth == 8) {
            for (int c = 0; c < page.columns; ++c) {
                drawHex(image, labelWidth + c * cellW + cellW / 2 - 4 * kLabel, top, c, 1, kLabel);
            }
        }
        for (int i = 0; i < page.count; ++i) {
            const int x = labelWidth + (i % page.columns) * cellW;
            const int y = originY + (i / page.columns) * cellH;
            if (i % page.columns == 0) {
                const int label = page.firstLabel + i;
                drawHex(image, 0, y + cellH / 2 - 3 * kLabel, label, 2, kLabel);
            }
            fillRect(image, x - 1, y - 1, page.glyphWidth * scale + 1, page.glyphHeight * scale + 1,
                     qRgb(0xE4, 0xE4, 0xE4));
            for (int r = 0; r < page.glyphHeight; ++r) {
                for (int c = 0; c < page.glyphWidth; ++c) {
                    const bool lit = page.glyphs[static_cast<std::size_t>(i)]
                                                [static_cast<std::size_t>(r * page.glyphWidth + c)];
                    fillRect(image, x + c * scale, y + r * scale, scale - (scale > 2 ? 1 : 0),
                             scale - (scale > 2 ? 1 : 0),
                             lit ? qRgb(0x10, 0x10, 0x10) : qRgb(0xFA, 0xFA, 0xFA));
                }
            }
        }
        const int rows = (page.count + page.columns - 1) / page.columns;
        top = originY + rows * cellH + kGap;
        fillRect(image, 0, top, width, 2, qRgb(0xC0, 0x40, 0x40));
        top += 2 * kGap;
    }
    if (!image.save(QString::fromStdString(out), "PNG")) {
        std::fprintf(stderr, "varnel-glyphsheet: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}
