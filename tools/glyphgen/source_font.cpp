#include "source_font.h"

#include <zlib.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace varnel::glyphgen {

namespace {

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::vector<unsigned char> inflateGzip(const std::vector<unsigned char>& packed,
                                       const std::string& path) {
    std::vector<unsigned char> out(packed.size() * 4 + 4096);
    z_stream z{};
    if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK) {
        throw std::runtime_error("zlib cannot start for " + path);
    }
    z.next_in = const_cast<unsigned char*>(packed.data());
    z.avail_in = static_cast<uInt>(packed.size());
    int status = Z_OK;
    while (status != Z_STREAM_END) {
        if (z.total_out == out.size()) {
            out.resize(out.size() * 2);
        }
        z.next_out = out.data() + z.total_out;
        z.avail_out = static_cast<uInt>(out.size() - z.total_out);
        status = inflate(&z, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END) {
            inflateEnd(&z);
            throw std::runtime_error("corrupt gzip data in " + path);
        }
    }
    out.resize(z.total_out);
    inflateEnd(&z);
    return out;
}

int roundPixels(FT_Pos value26dot6) {
    return static_cast<int>((value26dot6 + 32) >> 6);
}

int median(std::vector<int> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// Full-width characters whose ink spans the usual height and width of a CJK design; they fix
// where a whole font sits in the cell.
constexpr char32_t kSampleCharacters[] = {U'永', U'国', U'日', U'田', U'中', U'東', U'語', U'愛',
                                          U'家', U'가', U'한', U'국', U'말', U'을', U'の'};

}  // namespace

std::vector<unsigned char> readFontFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read font " + path);
    }
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    if (endsWith(path, ".gz")) {
        return inflateGzip(bytes, path);
    }
    return bytes;
}

SourceFont::SourceFont(FT_Library library, const FontSource& source, const CellShape& shape)
    : source_(source), shape_(shape), data_(readFontFile(source.path)) {
    if (FT_New_Memory_Face(library, data_.data(), static_cast<FT_Long>(data_.size()), source.face,
                           &face_) != 0) {
        throw std::runtime_error(std::string("FreeType cannot open ") + source.path);
    }
    try {
        prepare();
    } catch (...) {
        FT_Done_Face(face_);
        throw;
    }
}

void SourceFont::prepare() {
    const FontSource& source = source_;
    if (source.mode == RenderMode::Strike) {
        int strike = -1;
        if (face_->num_fixed_sizes == 1 && !FT_IS_SCALABLE(face_)) {
            strike = 0;  // a bitmap font has one size, whatever its header claims
        }
        for (int i = 0; strike < 0 && i < face_->num_fixed_sizes; ++i) {
            if (roundPixels(face_->available_sizes[i].y_ppem) == source.pixelSize) {
                strike = i;
            }
        }
        if (strike < 0 || FT_Select_Size(face_, strike) != 0) {
            throw std::runtime_error(std::string("no ") + std::to_string(source.pixelSize) +
                                     "-pixel strike in " + source.path);
        }
    } else if (!setOutlineSize(source.pixelSize)) {
        throw std::runtime_error(std::string("cannot scale ") + source.path);
    }

    if (source.charset == FontCharset::Unicode) {
        if (FT_Select_Charmap(face_, FT_ENCODING_UNICODE) != 0) {
            throw std::runtime_error(std::string("no Unicode character map in ") + source.path);
        }
    } else {
        if (face_->num_charmaps < 1 || FT_Set_Charmap(face_, face_->charmaps[0]) != 0) {
            throw std::runtime_error(std::string("no character map in ") + source.path);
        }
        NationalDecoder decoder(source.charset);
        FT_UInt glyph = 0;
        FT_ULong code = FT_Get_First_Char(face_, &glyph);
        while (glyph != 0) {
            if (const std::optional<char32_t> c =
                    decoder.decode(static_cast<std::uint32_t>(code))) {
                national_.emplace(*c, glyph);  // the first code of a character wins
            }
            code = FT_Get_Next_Char(face_, code, &glyph);
        }
    }
    choosePlacement();
}

SourceFont::~SourceFont() {
    FT_Done_Face(face_);
}

bool SourceFont::setOutlineSize(int pixels) {
    if (pixels == outlineSize_) {
        return true;
    }
    if (FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixels)) != 0) {
        return false;
    }
    outlineSize_ = pixels;
    return true;
}

unsigned SourceFont::glyphIndex(char32_t c) const {
    if (source_.charset == FontCharset::Unicode) {
        return FT_Get_Char_Index(face_, c);
    }
    const auto it = national_.find(c);
    return it == national_.end() ? 0 : it->second;
}

bool SourceFont::has(char32_t c) const {
    return glyphIndex(c) != 0;
}

std::optional<SourceFont::Ink> SourceFont::loadInk(unsigned glyph) {
    FT_Int32 flags = FT_LOAD_RENDER | FT_LOAD_TARGET_MONO;
    if (source_.mode == RenderMode::Strike) {
        if (FT_IS_SCALABLE(face_)) {
            flags |= FT_LOAD_SBITS_ONLY;
        }
    } else {
        // Coverage with a threshold keeps thin strokes that plain monochrome rendering drops.
        flags = FT_LOAD_RENDER | FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_NORMAL;
    }
    if (FT_Load_Glyph(face_, glyph, flags) != 0) {
        return std::nullopt;
    }
    const FT_GlyphSlot slot = face_->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    Ink ink;
    ink.left = slot->bitmap_left;
    ink.top = slot->bitmap_top;
    ink.width = static_cast<int>(bitmap.width);
    ink.rows = static_cast<int>(bitmap.rows);
    ink.advance = roundPixels(slot->advance.x);
    ink.pixels.assign(static_cast<std::size_t>(ink.width * ink.rows), 0);
    ink.firstRow = ink.rows;
    ink.firstColumn = ink.width;
    for (int r = 0; r < ink.rows; ++r) {
        const unsigned char* line = bitmap.buffer + static_cast<std::ptrdiff_t>(r) * bitmap.pitch;
        for (int c = 0; c < ink.width; ++c) {
            bool lit = false;
            if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
                lit = (line[c / 8] & (0x80 >> (c % 8))) != 0;
            } else if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
                lit = line[c] >= source_.threshold;
            }
            if (lit) {
                ink.pixels[static_cast<std::size_t>(r * ink.width + c)] = 1;
                ink.firstRow = std::min(ink.firstRow, r);
                ink.lastRow = std::max(ink.lastRow, r);
                ink.firstColumn = std::min(ink.firstColumn, c);
                ink.lastColumn = std::max(ink.lastColumn, c);
            }
        }
    }
    if (ink.lastRow < 0) {
        return std::nullopt;  // an empty glyph draws nothing: a missing glyph
    }
    return ink;
}

int SourceFont::penColumn(const Ink& ink) const {
    const int start = shape_.centreNarrowGlyphs ? (shape_.width - ink.advance) / 2 : 0;
    return std::max(start, 0) + columnShift_;
}

void SourceFont::choosePlacement() {
    const int ascent = roundPixels(face_->size->metrics.ascender);
    const int descent = -roundPixels(face_->size->metrics.descender);
    baselineRow_ = ascent + (shape_.height - (ascent + descent)) / 2;
    columnShift_ = 0;

    std::vector<int> tops, bottoms, lefts, rights;
    for (char32_t c : kSampleCharacters) {
        const unsigned glyph = glyphIndex(c);
        if (glyph == 0) {
            continue;
        }
        const std::optional<Ink> ink = loadInk(glyph);
        if (!ink) {
            continue;
        }
        tops.push_back(baselineRow_ - ink->top + ink->firstRow);
        bottoms.push_back(baselineRow_ - ink->top + ink->lastRow);
        lefts.push_back(penColumn(*ink) + ink->left + ink->firstColumn);
        rights.push_back(penColumn(*ink) + ink->left + ink->lastColumn);
    }
    if (tops.size() < 3) {
        return;  // no full-width design to go by: keep the font's own metrics
    }
    // Move by whole pixels towards the centre; half a pixel off centre stays as designed.
    baselineRow_ += ((shape_.height - 1 - median(bottoms)) - median(tops)) / 2;
    columnShift_ = ((shape_.width - 1 - median(rights)) - median(lefts)) / 2;
}

std::optional<PlacedGlyph> SourceFont::draw(char32_t c) {
    const unsigned glyph = glyphIndex(c);
    if (glyph == 0) {
        return std::nullopt;
    }
    std::optional<Ink> ink = loadInk(glyph);
    if (!ink || source_.mode == RenderMode::Strike || fits(*ink)) {
        return ink ? std::optional<PlacedGlyph>(place(*ink, false)) : std::nullopt;
    }
    // An outline glyph larger than the cell is drawn a pixel or two smaller rather than cut,
    // and centred, since its own metrics no longer match the rest of the font.
    for (int pixels = source_.pixelSize - 1; pixels >= source_.pixelSize - 3; --pixels) {
        if (!setOutlineSize(pixels)) {
            break;
        }
        std::optional<Ink> smaller = loadInk(glyph);
        if (smaller && fits(*smaller)) {
            setOutlineSize(source_.pixelSize);
            return place(*smaller, true);
        }
    }
    setOutlineSize(source_.pixelSize);
    return place(*ink, false);
}

bool SourceFont::fits(const Ink& ink) const {
    return ink.lastRow - ink.firstRow < shape_.height &&
           ink.lastColumn - ink.firstColumn < shape_.width;
}

namespace {

// Moves a span [first, last] of ink into [0, size - 1]: back inside when it sticks out, centred
// and cut when it is larger than the cell.  Returns the shift.
int fitSpan(int first, int last, int size, bool& nudged, bool& clipped) {
    const int extent = last - first + 1;
    if (extent > size) {
        clipped = true;
        return (size - extent) / 2 - first;
    }
    if (first < 0) {
        nudged = true;
        return -first;
    }
    if (last > size - 1) {
        nudged = true;
        return size - 1 - last;
    }
    return 0;
}

}  // namespace

PlacedGlyph SourceFont::place(const Ink& ink, bool centre) const {
    PlacedGlyph placed;
    int rowOffset = baselineRow_ - ink.top;
    int columnOffset = penColumn(ink) + ink.left;
    if (centre) {
        rowOffset = (shape_.height - (ink.lastRow - ink.firstRow + 1)) / 2 - ink.firstRow;
        columnOffset =
            (shape_.width - (ink.lastColumn - ink.firstColumn + 1)) / 2 - ink.firstColumn;
    }
    rowOffset += fitSpan(rowOffset + ink.firstRow, rowOffset + ink.lastRow, shape_.height,
                         placed.nudged, placed.clipped);
    columnOffset += fitSpan(columnOffset + ink.firstColumn, columnOffset + ink.lastColumn,
                            shape_.width, placed.nudged, placed.clipped);
    placed.pixels.assign(static_cast<std::size_t>(shape_.width * shape_.height), 0);
    for (int r = ink.firstRow; r <= ink.lastRow; ++r) {
        for (int c = ink.firstColumn; c <= ink.lastColumn; ++c) {
            const int row = rowOffset + r;
            const int column = columnOffset + c;
            if (ink.pixels[static_cast<std::size_t>(r * ink.width + c)] != 0 && row >= 0 &&
                row < shape_.height && column >= 0 && column < shape_.width) {
                placed.pixels[static_cast<std::size_t>(row * shape_.width + column)] = 1;
            }
        }
    }
    return placed;
}

}  // namespace varnel::glyphgen
