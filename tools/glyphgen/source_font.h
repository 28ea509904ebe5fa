#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "national_charset.h"

namespace varnel::glyphgen {

enum class RenderMode {
    Strike,   // the font's own bitmaps at the wanted pixel size only (PCF, or a TTF strike)
    Outline,  // outlines rasterised at the wanted pixel size
};

// One installed font file as a glyph source.
struct FontSource {
    const char* key;   // short name for summaries and the notice
    const char* path;  // absolute path of the installed file
    long face = 0;     // face index inside a collection
    FontCharset charset = FontCharset::Unicode;
    RenderMode mode = RenderMode::Strike;
    int pixelSize = 16;
    int threshold = 128;    // outlines: coverage (0..255) from which a pixel is lit
    const char* design;     // what it looks like, for the notice
    const char* package;    // the Debian package that installs it
    const char* licence;    // licence as stated in the package's copyright file
    const char* copyright;  // notice to keep with derived data
};

// A target cell: its size and how glyphs narrower than it are set.
struct CellShape {
    int width = 16;
    int height = 16;
    bool centreNarrowGlyphs = true;  // false: the pen starts at column 0
};

// A glyph's pixels placed into a cell, row-major, 1 = lit.
struct PlacedGlyph {
    std::vector<std::uint8_t> pixels;
    bool nudged = false;   // moved to keep its ink inside the cell
    bool clipped = false;  // ink larger than the cell, cut at the edges
};

// An opened font that draws characters into cells of one shape.  The whole font is set on one
// baseline and pen position, chosen so that its full-width ink sits centred in the cell as its
// design intends; single glyphs that would stick out are moved back in.
class SourceFont {
  public:
    SourceFont(FT_Library library, const FontSource& source, const CellShape& shape);
    ~SourceFont();
    SourceFont(const SourceFont&) = delete;
    SourceFont& operator=(const SourceFont&) = delete;

    const FontSource& source() const { return source_; }
    bool has(char32_t c) const;
    // Nothing when the font has no glyph for the character or its glyph has no ink.
    std::optional<PlacedGlyph> draw(char32_t c);

  private:
    struct Ink {
        int left = 0;  // pixel columns relative to the pen origin
        int top = 0;   // rows above the baseline of the first row
        int width = 0;
        int rows = 0;
        int advance = 0;
        std::vector<std::uint8_t> pixels;
        // Extent of the lit pixels inside the bitmap.
        int firstRow = 0, lastRow = -1, firstColumn = 0, lastColumn = -1;
    };

    void prepare();  // size, character map and placement; throws on a font it cannot use
    unsigned glyphIndex(char32_t c) const;
    std::optional<Ink> loadInk(unsigned glyph);
    void choosePlacement();
    bool fits(const Ink& ink) const;
    PlacedGlyph place(const Ink& ink, bool centre) const;
    bool setOutlineSize(int pixels);
    int penColumn(const Ink& ink) const;

    FontSource source_;
    CellShape shape_;
    std::vector<unsigned char> data_;  // inflated file content, alive as long as the face
    FT_Face face_ = nullptr;
    std::unordered_map<char32_t, unsigned> national_;  // for fonts in a national charset
    int baselineRow_ = 0;
    int columnShift_ = 0;
    int outlineSize_ = 0;
};

// Reads a whole file, inflating gzip content in memory (PCF fonts ship as .pcf.gz, and
// FreeType reading them out of order through its gzip stream is very slow).
std::vector<unsigned char> readFontFile(const std::string& path);

}  // namespace varnel::glyphgen
