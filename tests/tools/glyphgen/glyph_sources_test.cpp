// The generator's pieces: national codes to characters, the code pages, and how a font's
// glyphs are placed into a cell, with small BDF fonts written by the tests.

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "code_page.h"
#include "font_catalog.h"
#include "glyph_files.h"
#include "national_charset.h"
#include "notice.h"
#include "pictures.h"
#include "source_font.h"

namespace fs = std::filesystem;
using namespace varnel::glyphgen;

namespace {

TEST(NationalCharset, JisRowCellToShiftJis) {
    const std::pair<std::uint16_t, std::uint16_t> cases[] = {
        {0x2121, 0x8140},  // first cell
        {0x2422, 0x82A0},  // HIRAGANA A: the second row of a lead takes trails 0x9F..
        {0x2521, 0x8340},  // the first row of a lead takes trails 0x40..
        {0x255F, 0x837E},  // KATAKANA MI
        {0x2560, 0x8380},  // KATAKANA MU: the trail skips 0x7F
        {0x5F21, 0xE040},  // first cell after it
        {0x7426, 0xEAA4},  // last kanji of JIS X 0208
    };
    for (const auto& [jis, sjis] : cases) {
        EXPECT_EQ(jisToShiftJis(jis), sjis) << std::hex << jis;
    }
}

TEST(NationalCharset, CodesBecomeTheCodePagesCharacters) {
    struct Case {
        FontCharset charset;
        std::uint32_t code;
        std::optional<char32_t> expected;
    };
    const Case cases[] = {
        {FontCharset::JisX0208, 0x3021, U'亜'},
        {FontCharset::JisX0208, 0x2141, U'\uFF5E'},   // the wave dash, keyed as code page 932 does
        {FontCharset::JisX0208, 0x2D21, U'①'},        // row 13 as code page 932 fills it
        {FontCharset::JisX0213Plane1, 0x2D21, U'①'},  // JIS X 0213 agrees there
        {FontCharset::JisX0213Plane1, 0x7521, std::nullopt},  // rows 85.. mean other things
        {FontCharset::JisX0213Plane1, 0x4F54, std::nullopt},  // kanji code page 932 lacks
        {FontCharset::JisX0201, 0xB1, U'ｱ'},
        {FontCharset::JisX0201, 0x5C, std::nullopt},  // the yen sign there, not a backslash
        {FontCharset::Gb2312, 0x3021, U'啊'},
        {FontCharset::Gb2312, 0x2221, std::nullopt},  // small roman one: GBK has it, GB 2312 not
        {FontCharset::Gb2312, 0x7E7E, std::nullopt},  // user-defined area
        {FontCharset::Ksc5601, 0x3021, U'가'},
        {FontCharset::Ksc5601, 0x2266, std::nullopt},  // euro sign: code page 949 only
        {FontCharset::Big5, 0xA440, U'一'},
        {FontCharset::Big5, 0xC6A1, std::nullopt},  // vendor area, private use in code page 950
        {FontCharset::Latin1, 0xE9, U'é'},
    };
    for (const Case& c : cases) {
        NationalDecoder decoder(c.charset);
        EXPECT_EQ(decoder.decode(c.code), c.expected)
            << static_cast<int>(c.charset) << " " << std::hex << c.code;
    }
}

TEST(CodePage, DecodesExactlyOneCharacter) {
    CodePage korean("windows-949");
    EXPECT_EQ(korean.decode("\x5C"), U'\\');  // "CP949" would open an IBM table with the won sign
    EXPECT_EQ(korean.decode("\xB0\xA1"), U'가');
    EXPECT_EQ(korean.decode("\xB0"), std::nullopt);   // a lone lead byte
    EXPECT_EQ(korean.decode("AB"), std::nullopt);     // two characters
    EXPECT_EQ(korean.decode("\xC9\xA1"), U'\uE000');  // user-defined: private use
    EXPECT_TRUE(isPrivateUse(U'\uE000'));
    CodePage japanese("windows-932");
    EXPECT_EQ(japanese.decode("\x81\x7F"), std::nullopt);
    EXPECT_EQ(japanese.decode("\x87\x40"), U'①');
    EXPECT_THROW(CodePage("no-such-code-page"), std::runtime_error);
}

TEST(Pictures, TwelvePicturesLastOneFull) {
    const std::vector<std::uint8_t> bytes = pictureFileBytes();
    ASSERT_EQ(bytes.size(), 768u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 704, bytes.end()),
              std::vector<std::uint8_t>(64, 0xFF));
}

TEST(Notice, NamesEveryPackageAndTheResidentLayout) {
    const std::string text = noticeText();
    for (const char* package :
         {"xfonts-shinonome", "xfonts-jisx0213", "xfonts-wqy", "xfonts-intl-chinese",
          "fonts-arphic-uming", "fonts-arphic-ukai", "xfonts-baekmuk", "fonts-baekmuk",
          "fonts-unfonts-core", "xfonts-unifont", "xfonts-base"}) {
        EXPECT_NE(text.find(std::string("Debian package: ") + package), std::string::npos)
            << package;
    }
    EXPECT_NE(text.find("registered trademarks owned by"), std::string::npos);
    EXPECT_NE(text.find("12 bytes per character"), std::string::npos);
}

// A chain that cannot draw what the code page maps is reported, character by character, and
// the rows before the first filled lead stay blank.
TEST(GenerateFile, ReportsCharactersWithoutGlyph) {
    const GlyphFileRecipe halfWidthOnly{
        "kanji.bin", FileKind::DoubleByte, "test", "windows-932", 0x88, 0x88, {"shinonome-half"}};
    const GeneratedFile file = generateFile(halfWidthOnly);
    EXPECT_EQ(file.bytes.size(), 8u * 192 * 32);
    EXPECT_EQ(file.missing.size(), 94u);  // the first 94 kanji, 0x889F..0x88FC
    ASSERT_FALSE(file.missing.empty());
    EXPECT_EQ(file.missing.front(), "889F U+4E9C");
    EXPECT_EQ(file.bytes, std::vector<std::uint8_t>(file.bytes.size(), 0));
    EXPECT_NE(file.summary.find("94 without glyph"), std::string::npos) << file.summary;
}

TEST(GenerateFile, CatalogueNamesEveryFileOnce) {
    std::vector<std::string> names;
    for (const GlyphFileRecipe& recipe : glyphFiles()) {
        for (const std::string& other : names) {
            EXPECT_NE(other, recipe.name);
        }
        names.emplace_back(recipe.name);
        for (const char* key : recipe.chain) {
            EXPECT_NO_THROW(fontSource(key)) << key;
        }
        EXPECT_EQ(findGlyphFile(recipe.name), &recipe);
    }
    EXPECT_EQ(names.size(), 16u);
    EXPECT_EQ(findGlyphFile("system16/_system/none.bin"), nullptr);
}

// A BDF font built from text art: '#' lit.  Each glyph: code, advance, x and y offset of its
// box (y counts up from the baseline to the box's bottom row), rows from the top.
struct TestGlyph {
    std::uint32_t code;
    int advance;
    int xOffset;
    int yOffset;
    std::vector<std::string> rows;
};

std::string bdf(const std::vector<TestGlyph>& glyphs) {
    std::string text =
        "STARTFONT 2.1\n"
        "FONT -test-fixture-medium-r-normal--16-160-75-75-c-160-iso10646-1\n"
        "SIZE 16 75 75\n"
        "FONTBOUNDINGBOX 16 16 0 -2\n"
        "STARTPROPERTIES 4\n"
        "FONT_ASCENT 14\n"
        "FONT_DESCENT 2\n"
        "CHARSET_REGISTRY \"ISO10646\"\n"
        "CHARSET_ENCODING \"1\"\n"
        "ENDPROPERTIES\n"
        "CHARS " +
        std::to_string(glyphs.size()) + "\n";
    for (const TestGlyph& g : glyphs) {
        const int width = g.rows.empty() ? 0 : static_cast<int>(g.rows[0].size());
        text += "STARTCHAR g" + std::to_string(g.code) + "\nENCODING " + std::to_string(g.code) +
                "\nSWIDTH 1000 0\nDWIDTH " + std::to_string(g.advance) + " 0\nBBX " +
                std::to_string(width) + " " + std::to_string(g.rows.size()) + " " +
                std::to_string(g.xOffset) + " " + std::to_string(g.yOffset) + "\nBITMAP\n";
        for (const std::string& row : g.rows) {
            unsigned bits = 0;
            const int bytes = (width + 7) / 8;
            for (int c = 0; c < width; ++c) {
                bits |= row[static_cast<std::size_t>(c)] == '#' ? 1u << (bytes * 8 - 1 - c) : 0u;
            }
            char hex[16];
            std::snprintf(hex, sizeof hex, "%0*X\n", bytes * 2, bits);
            text += hex;
        }
        text += "ENDCHAR\n";
    }
    return text + "ENDFONT\n";
}

std::vector<std::string> block(int width, int height) {
    return std::vector<std::string>(static_cast<std::size_t>(height), std::string(width, '#'));
}

class PlacementTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(FT_Init_FreeType(&library_), 0);
        folder_ = fs::temp_directory_path() /
                  ("varnel-glyphgen-test-" +
                   std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
    }
    void TearDown() override {
        FT_Done_FreeType(library_);
        fs::remove_all(folder_);
    }

    std::string write(const std::string& name, const std::string& content) {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }

    FontSource sourceFor(const std::string& path) {
        path_ = path;
        FontSource source{};
        source.key = "fixture";
        source.path = path_.c_str();
        source.charset = FontCharset::Unicode;
        source.mode = RenderMode::Strike;
        return source;
    }

    static std::vector<std::pair<int, int>> litPixels(const PlacedGlyph& glyph, int width = 16) {
        std::vector<std::pair<int, int>> lit;
        for (std::size_t i = 0; i < glyph.pixels.size(); ++i) {
            if (glyph.pixels[i] != 0) {
                lit.emplace_back(static_cast<int>(i) / width, static_cast<int>(i) % width);
            }
        }
        return lit;
    }

    struct Box {
        int top, bottom, left, right;
        bool operator==(const Box&) const = default;
    };
    static Box inkBox(const PlacedGlyph& glyph, int width = 16) {
        Box box{99, -1, 99, -1};
        for (const auto& [r, c] : litPixels(glyph, width)) {
            box = {std::min(box.top, r), std::max(box.bottom, r), std::min(box.left, c),
                   std::max(box.right, c)};
        }
        return box;
    }

    FT_Library library_ = nullptr;
    fs::path folder_;
    std::string path_;
};

// Without full-width sample characters a font keeps its own baseline; glyphs that would stick
// out are moved back in, glyphs larger than the cell are centred and cut.
TEST_F(PlacementTest, OwnMetricsWithGlyphsMovedIntoTheCell) {
    const std::string font = bdf({
        {U'口', 16, 2, -1, block(12, 12)},          // rows 3..14, columns 2..13
        {U'一', 16, 0, -5, block(16, 1)},           // its row would be 18: moved up to 15
        {U'丨', 16, 6, -3, block(4, 18)},           // 18 rows: centred and cut
        {U'A', 8, 1, 0, block(6, 10)},              // half width: set in the middle of the cell
        {U'空', 16, 0, 0, {std::string(16, '.')}},  // no ink at all
    });
    SourceFont source(library_, sourceFor(write("plain.bdf", font)), CellShape{});

    const std::optional<PlacedGlyph> box = source.draw(U'口');
    ASSERT_TRUE(box);
    EXPECT_EQ(inkBox(*box), (Box{3, 14, 2, 13}));
    EXPECT_FALSE(box->nudged);
    EXPECT_FALSE(box->clipped);

    const std::optional<PlacedGlyph> low = source.draw(U'一');
    ASSERT_TRUE(low);
    EXPECT_EQ(inkBox(*low), (Box{15, 15, 0, 15}));
    EXPECT_TRUE(low->nudged);

    const std::optional<PlacedGlyph> tall = source.draw(U'丨');
    ASSERT_TRUE(tall);
    EXPECT_EQ(inkBox(*tall), (Box{0, 15, 6, 9}));
    EXPECT_TRUE(tall->clipped);

    const std::optional<PlacedGlyph> narrow = source.draw(U'A');
    ASSERT_TRUE(narrow);
    EXPECT_EQ(inkBox(*narrow), (Box{4, 13, 5, 10}));

    EXPECT_FALSE(source.draw(U'空')) << "an empty glyph counts as missing";
    EXPECT_FALSE(source.draw(U'B')) << "not in the font";
    EXPECT_TRUE(source.has(U'口'));
    EXPECT_FALSE(source.has(U'B'));
}

// A font whose full-width glyphs sit three rows too low is moved as a whole so that they are
// centred; punctuation keeps its place relative to them.  The same through a gzip file.
TEST_F(PlacementTest, WholeFontCentredByMeasuredInk) {
    std::vector<TestGlyph> glyphs;
    for (char32_t sample : {U'永', U'国', U'日', U'田', U'中'}) {
        glyphs.push_back({static_cast<std::uint32_t>(sample), 16, 1, -5, block(14, 14)});
    }
    glyphs.push_back({U'、', 16, 1, -4, block(3, 3)});
    const std::string font = bdf(glyphs);

    const std::string plain = write("low.bdf", font);
    const std::string packed = (folder_ / "low.bdf.gz").string();
    gzFile gz = gzopen(packed.c_str(), "wb");
    ASSERT_NE(gz, nullptr);
    gzwrite(gz, font.data(), static_cast<unsigned>(font.size()));
    gzclose(gz);
    EXPECT_EQ(readFontFile(packed), readFontFile(plain));

    for (const std::string& path : {plain, packed}) {
        SourceFont source(library_, sourceFor(path), CellShape{});
        const std::optional<PlacedGlyph> sun = source.draw(U'日');
        ASSERT_TRUE(sun);
        // Own metrics put the box on rows 5..18; centred it stands on rows 1..14.
        EXPECT_EQ(inkBox(*sun), (Box{1, 14, 1, 14})) << path;
        EXPECT_FALSE(sun->nudged);
        const std::optional<PlacedGlyph> comma = source.draw(U'、');
        ASSERT_TRUE(comma);
        EXPECT_EQ(inkBox(*comma), (Box{11, 13, 1, 3})) << path;
    }
}

TEST_F(PlacementTest, NarrowCellsStartAtTheLeft) {
    const std::string font = bdf({{U'A', 6, 0, 0, block(5, 10)}});
    SourceFont source(library_, sourceFor(write("narrow.bdf", font)), CellShape{8, 12, false});
    const std::optional<PlacedGlyph> a = source.draw(U'A');
    ASSERT_TRUE(a);
    EXPECT_EQ(a->pixels.size(), 96u);
    // A 16-pixel design in 12 rows keeps its ascent less half the difference: 14 - 2 = 12 rows
    // above the baseline, so a glyph standing on it ends on row 11.
    EXPECT_EQ(inkBox(*a, 8), (Box{2, 11, 0, 4}));
}

TEST_F(PlacementTest, FontsThatCannotServeThrow) {
    EXPECT_THROW(SourceFont(library_, sourceFor((folder_ / "absent.bdf").string()), CellShape{}),
                 std::runtime_error);
    const std::string plain = write("plain.bdf", bdf({{U'A', 8, 0, 0, block(6, 10)}}));
    FontSource outline = sourceFor(plain);
    outline.mode = RenderMode::Outline;  // a bitmap font has no outlines to scale
    outline.pixelSize = 40;
    EXPECT_THROW(SourceFont(library_, outline, CellShape{}), std::runtime_error);
    FontSource national = sourceFor(plain);
    national.charset = FontCharset::Gb2312;
    EXPECT_NO_THROW(SourceFont(library_, national, CellShape{}));
}

}  // namespace
