// Checks the glyph files that the build draws into the program folder.

#include <gtest/gtest.h>
#include <unicode/ucnv.h>
#include <unicode/utf16.h>

#include <array>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Cell = std::array<std::uint8_t, 32>;

Bytes readProgramFile(const std::string& name) {
    std::ifstream in(std::string(VARNEL_PROGRAM_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Cell cellAt(const Bytes& file, std::size_t offset) {
    Cell cell{};
    for (std::size_t i = 0; i < cell.size() && offset + i < file.size(); ++i) {
        cell[i] = file[offset + i];
    }
    return cell;
}

bool blank(const Cell& cell) {
    for (std::uint8_t b : cell) {
        if (b != 0) {
            return false;
        }
    }
    return true;
}

std::size_t pairOffset(int lead, int trail) {
    return static_cast<std::size_t>((lead - 0x81) * 192 + (trail - 0x40)) * 32;
}

bool lit(const Cell& cell, int row, int column) {
    return (cell[static_cast<std::size_t>(row * 2 + column / 8)] & (0x80 >> (column % 8))) != 0;
}

// Which character a byte sequence stands for in a Windows code page, straight from ICU.
class Decoder {
  public:
    explicit Decoder(const char* name) {
        UErrorCode error = U_ZERO_ERROR;
        converter_.reset(ucnv_open(name, &error));
        ucnv_setToUCallBack(converter_.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                            &error);
        EXPECT_TRUE(U_SUCCESS(error)) << name;
    }

    std::optional<UChar32> decode(const std::string& bytes) {
        UErrorCode error = U_ZERO_ERROR;
        ucnv_resetToUnicode(converter_.get());
        UChar units[8];
        const int32_t length = ucnv_toUChars(converter_.get(), units, 8, bytes.data(),
                                             static_cast<int32_t>(bytes.size()), &error);
        if (U_FAILURE(error) || length <= 0) {
            return std::nullopt;
        }
        int32_t at = 0;
        UChar32 c = 0;
        U16_NEXT(units, at, length, c);
        if (at != length) {
            return std::nullopt;
        }
        return c;
    }

  private:
    struct Close {
        void operator()(UConverter* c) const { ucnv_close(c); }
    };
    std::unique_ptr<UConverter, Close> converter_;
};

bool privateUse(UChar32 c) {
    return c >= 0xE000 && c <= 0xF8FF;
}
bool blankByDesign(UChar32 c) {
    return c == 0x20 || c == 0xA0 || (c >= 0x2000 && c <= 0x200B) || c == 0x3000 || c == 0x3164;
}

struct DoubleByteFile {
    const char* name;
    const char* codePage;
    std::size_t size;
    std::vector<std::pair<int, int>> drawnLeads;  // ranges of lead bytes the encoder reads
};

const std::vector<std::pair<int, int>> kJapaneseLeads = {{0x81, 0x84}, {0x87, 0x9F}, {0xE0, 0xEA}};
const std::vector<std::pair<int, int>> kChineseLeads = {{0x81, 0xFE}};
const std::vector<std::pair<int, int>> kHighLeads = {{0xA1, 0xFE}};

const DoubleByteFile kDoubleByteFiles[] = {
    {"system16/_system/JAPANESE/ms1.bin", "windows-932", 651264, kJapaneseLeads},
    {"system16/_system/JAPANESE/ms mingchao.bin", "windows-932", 651264, kJapaneseLeads},
    {"system16/_system/JAPANESE/MS UI Gothic.bin", "windows-932", 651264, kJapaneseLeads},
    {"system16/_system/CHINESE/CHN16ST.bin", "windows-936", 774144, kChineseLeads},
    {"system16/_system/CHINESE/CHN16KT.bin", "windows-936", 774144, kChineseLeads},
    {"system16/_system/CHINESE/CHN16CY.bin", "windows-936", 774144, kChineseLeads},
    {"system16/_system/TRADITIONAL/newximingti.bin", "windows-950", 774144, kHighLeads},
    {"system16/_system/TRADITIONAL/newximing_w.bin", "windows-950", 774144, kHighLeads},
    {"system16/_system/TRADITIONAL/huakang.bin", "windows-950", 774144, kHighLeads},
    {"system16/_system/KOREAN/gulrim.bin", "windows-949", 774144, kHighLeads},
    {"system16/_system/KOREAN/dodum.bin", "windows-949", 774144, kHighLeads},
    {"system16/_system/KOREAN/patang.bin", "windows-949", 774144, kHighLeads},
};

TEST(GlyphFiles, EveryFileHasItsSize) {
    const std::pair<const char*, std::size_t> sizes[] = {
        {"system16/_system/12 PICTURE.bin", 768},
        {"system16/_system/JAPANESE/ASCII.bin", 4096},
        {"system16/_system/efont12_thin.bin", 3072},
    };
    for (const auto& [name, size] : sizes) {
        EXPECT_EQ(readProgramFile(name).size(), size) << name;
    }
    for (const DoubleByteFile& file : kDoubleByteFiles) {
        EXPECT_EQ(readProgramFile(file.name).size(), file.size) << file.name;
    }
    const Bytes notice = readProgramFile("system16/_system/FONTS-NOTICE.txt");
    const std::string text(notice.begin(), notice.end());
    EXPECT_NE(text.find("Debian package: xfonts-shinonome"), std::string::npos);
    EXPECT_NE(text.find("efont12_thin.bin"), std::string::npos);
}

class DoubleByteCoverage : public testing::TestWithParam<DoubleByteFile> {};

// Every character that the encoder can meet has a glyph, and pairs that stand for no character
// (or a private-use one) stay blank in every row of the file.
TEST_P(DoubleByteCoverage, MappedPairsDrawnAndUnmappedBlank) {
    const DoubleByteFile& expected = GetParam();
    const Bytes file = readProgramFile(expected.name);
    ASSERT_EQ(file.size(), expected.size);
    Decoder decoder(expected.codePage);
    const int lastLead = 0x81 + static_cast<int>(expected.size / 6144) - 1;
    int drawn = 0;
    std::vector<std::string> missing;
    std::vector<std::string> stray;
    for (int lead = 0x81; lead <= lastLead; ++lead) {
        bool read = false;
        for (const auto& [first, last] : expected.drawnLeads) {
            read = read || (lead >= first && lead <= last);
        }
        for (int trail = 0x40; trail <= 0xFF; ++trail) {
            const std::optional<UChar32> c =
                decoder.decode({static_cast<char>(lead), static_cast<char>(trail)});
            const bool empty = blank(cellAt(file, pairOffset(lead, trail)));
            const std::string where = std::to_string(lead) + "/" + std::to_string(trail);
            if (!c || privateUse(*c)) {
                if (!empty) {
                    stray.push_back(where);
                }
            } else if (read && !blankByDesign(*c)) {
                ++drawn;
                if (empty) {
                    missing.push_back(where);
                }
            }
        }
    }
    EXPECT_GT(drawn, 6000);
    EXPECT_TRUE(missing.empty()) << missing.size() << " blank, first " << missing.front();
    EXPECT_TRUE(stray.empty()) << stray.size() << " drawn without a character, first "
                               << stray.front();
}

INSTANTIATE_TEST_SUITE_P(AllDoubleByteFiles, DoubleByteCoverage,
                         testing::ValuesIn(kDoubleByteFiles),
                         [](const testing::TestParamInfo<DoubleByteFile>& info) {
                             std::string name = info.param.name;
                             name = name.substr(name.rfind('/') + 1);
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

// The three fonts of a script are different typefaces: any two files differ in at least a
// quarter of the glyphs they draw.
TEST(GlyphFiles, ThreeTypefacesPerScriptDiffer) {
    for (std::size_t script = 0; script < 4; ++script) {
        std::vector<Bytes> files;
        for (std::size_t set = 0; set < 3; ++set) {
            files.push_back(readProgramFile(kDoubleByteFiles[script * 3 + set].name));
        }
        for (std::size_t a = 0; a < 3; ++a) {
            for (std::size_t b = a + 1; b < 3; ++b) {
                ASSERT_EQ(files[a].size(), files[b].size());
                int drawn = 0;
                int different = 0;
                for (std::size_t at = 0; at < files[a].size(); at += 32) {
                    const Cell x = cellAt(files[a], at);
                    const Cell y = cellAt(files[b], at);
                    if (blank(x) && blank(y)) {
                        continue;
                    }
                    ++drawn;
                    different += x == y ? 0 : 1;
                }
                EXPECT_GE(different * 4, drawn) << kDoubleByteFiles[script * 3 + a].name << " and "
                                                << kDoubleByteFiles[script * 3 + b].name << ": "
                                                << different << " of " << drawn;
            }
        }
    }
}

TEST(GlyphFiles, KnownGlyphsByContent) {
    for (const char* name :
         {"system16/_system/JAPANESE/ms1.bin", "system16/_system/JAPANESE/ms mingchao.bin",
          "system16/_system/JAPANESE/MS UI Gothic.bin"}) {
        const Bytes file = readProgramFile(name);
        const Cell sun = cellAt(file, pairOffset(0x93, 0xFA));   // 日
        const Cell moon = cellAt(file, pairOffset(0x8C, 0x8E));  // 月
        EXPECT_FALSE(blank(sun)) << name;
        EXPECT_NE(sun, moon) << name;
    }
    const Cell ga[3] = {
        cellAt(readProgramFile("system16/_system/KOREAN/gulrim.bin"), pairOffset(0xB0, 0xA1)),
        cellAt(readProgramFile("system16/_system/KOREAN/dodum.bin"), pairOffset(0xB0, 0xA1)),
        cellAt(readProgramFile("system16/_system/KOREAN/patang.bin"), pairOffset(0xB0, 0xA1)),
    };
    EXPECT_FALSE(blank(ga[0]));
    EXPECT_NE(ga[0], ga[1]);
    EXPECT_NE(ga[0], ga[2]);
    EXPECT_NE(ga[1], ga[2]);
}

// Glyphs sit in the cell as text is set: a comma low and left (the ideographic one; Korean
// fonts set that one high, so there the full-width comma), the ideograph "one" across the
// middle rows, the box "mouth" centred left to right.
TEST(GlyphFiles, GlyphsArePlacedInTheCell) {
    struct Codes {
        int comma[2];
        int one[2];
        int mouth[2];
    };
    const Codes codes[4] = {
        {{0x81, 0x41}, {0x88, 0xEA}, {0x8C, 0xFB}},  // windows-932
        {{0xA1, 0xA2}, {0xD2, 0xBB}, {0xBF, 0xDA}},  // windows-936
        {{0xA1, 0x42}, {0xA4, 0x40}, {0xA4, 0x66}},  // windows-950
        {{0xA3, 0xAC}, {0xEC, 0xE9}, {0xCF, 0xA2}},  // windows-949
    };
    for (std::size_t i = 0; i < std::size(kDoubleByteFiles); ++i) {
        const DoubleByteFile& expected = kDoubleByteFiles[i];
        const Codes& c = codes[i / 3];
        const Bytes file = readProgramFile(expected.name);
        Decoder decoder(expected.codePage);
        ASSERT_EQ(decoder.decode({static_cast<char>(c.one[0]), static_cast<char>(c.one[1])}),
                  0x4E00);
        ASSERT_EQ(decoder.decode({static_cast<char>(c.mouth[0]), static_cast<char>(c.mouth[1])}),
                  0x53E3);

        const Cell comma = cellAt(file, pairOffset(c.comma[0], c.comma[1]));
        const Cell one = cellAt(file, pairOffset(c.one[0], c.one[1]));
        const Cell mouth = cellAt(file, pairOffset(c.mouth[0], c.mouth[1]));
        int commaRow = -1, commaColumn = 16, oneTop = 16, oneBottom = -1;
        int mouthLeft = 16, mouthRight = -1;
        for (int r = 0; r < 16; ++r) {
            for (int col = 0; col < 16; ++col) {
                if (lit(comma, r, col)) {
                    commaRow = std::max(commaRow, r);
                    commaColumn = std::min(commaColumn, col);
                }
                if (lit(one, r, col)) {
                    oneTop = std::min(oneTop, r);
                    oneBottom = std::max(oneBottom, r);
                }
                if (lit(mouth, r, col)) {
                    mouthLeft = std::min(mouthLeft, col);
                    mouthRight = std::max(mouthRight, col);
                }
            }
        }
        EXPECT_GE(commaRow, 9) << expected.name;
        EXPECT_LE(commaColumn, 7) << expected.name;
        EXPECT_GE(oneTop, 5) << expected.name;
        EXPECT_LE(oneBottom, 10) << expected.name;
        EXPECT_LE(std::abs(mouthLeft - (15 - mouthRight)), 3) << expected.name;
    }
}

TEST(GlyphFiles, PicturesInFileOrder) {
    const Bytes pictures = readProgramFile("system16/_system/12 PICTURE.bin");
    ASSERT_EQ(pictures.size(), 768u);
    auto picture = [&](int number) {
        return Bytes(pictures.begin() + number * 64, pictures.begin() + number * 64 + 64);
    };
    EXPECT_EQ(picture(11), Bytes(64, 0xFF)) << "Full lights every pixel, at offset 704";
    for (int a = 0; a < 11; ++a) {
        const Bytes p = picture(a);
        EXPECT_NE(p, Bytes(64, 0x00)) << a;
        EXPECT_NE(p, Bytes(64, 0xFF)) << a;
        for (int b = a + 1; b < 11; ++b) {
            EXPECT_NE(p, picture(b)) << a << " " << b;
        }
    }
    // The left arrow is the right arrow mirrored, which pins the left cell before the right.
    auto pixel = [&](int number, int row, int column) {
        const int cell = column / 16;
        const int x = column % 16;
        return (pictures[static_cast<std::size_t>(number * 64 + cell * 32 + row * 2 + x / 8)] &
                (0x80 >> (x % 8))) != 0;
    };
    int rightArrowInk = 0;
    for (int r = 0; r < 16; ++r) {
        for (int col = 0; col < 32; ++col) {
            EXPECT_EQ(pixel(2, r, col), pixel(3, r, 31 - col)) << r << "," << col;
            rightArrowInk += pixel(2, r, col) && col >= 24 ? 1 : 0;
        }
    }
    EXPECT_GT(rightArrowInk, 0) << "the right arrow's head lies in the right cell";
}

TEST(GlyphFiles, HalfWidthKatakana) {
    const Bytes file = readProgramFile("system16/_system/JAPANESE/ASCII.bin");
    ASSERT_EQ(file.size(), 4096u);
    std::vector<Cell> seen;
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        const Cell cell = cellAt(file, static_cast<std::size_t>(byte - 0x80) * 32);
        if (byte >= 0xA1 && byte <= 0xDF) {
            EXPECT_FALSE(blank(cell)) << byte;
            for (const Cell& other : seen) {
                EXPECT_NE(cell, other) << byte;
            }
            seen.push_back(cell);
        } else {
            EXPECT_TRUE(blank(cell)) << byte;
        }
    }
}

// The resident font: 256 characters of 12 one-byte rows in code page 1252 order, glyphs 6
// pixels wide in columns 0..5, descenders in rows 10 and 11.
TEST(GlyphFiles, ResidentFontLayout) {
    const Bytes file = readProgramFile("system16/_system/efont12_thin.bin");
    ASSERT_EQ(file.size(), 3072u);
    auto glyph = [&](int c) { return Bytes(file.begin() + c * 12, file.begin() + c * 12 + 12); };
    for (int c = 0; c < 256; ++c) {
        for (std::uint8_t row : glyph(c)) {
            EXPECT_EQ(row & 0x03, 0) << c;
        }
        const bool printable = (c > 0x20 && c < 0x7F);
        if (c < 0x20 || c == 0x20 || c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F ||
            c == 0x90 || c == 0x9D || c == 0xA0) {
            EXPECT_EQ(glyph(c), Bytes(12, 0)) << c;
        } else if (printable || c >= 0xA1) {
            EXPECT_NE(glyph(c), Bytes(12, 0)) << c;
        }
        for (int other = 0x21; printable && other < c; ++other) {
            EXPECT_NE(glyph(c), glyph(other)) << c << " " << other;
        }
    }
    const Bytes g = glyph('g');
    const Bytes capitalA = glyph('A');
    EXPECT_NE(g[10] | g[11], 0) << "descender below the baseline";
    EXPECT_EQ(capitalA[10] | capitalA[11], 0) << "capitals stand on the baseline";
    EXPECT_NE(glyph(0x80), Bytes(12, 0)) << "the euro sign";
}

}  // namespace
