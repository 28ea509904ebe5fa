#include "glyph_files.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>

#include "code_page.h"
#include "notice.h"
#include "pictures.h"

namespace varnel::glyphgen {

namespace {

// The fonts of one chain, opened for one cell shape.
class FontChain {
  public:
    FontChain(const GlyphFileRecipe& recipe, const CellShape& shape,
              std::set<std::string>& inputs) {
        if (FT_Init_FreeType(&library_) != 0) {
            throw std::runtime_error("FreeType cannot start");
        }
        for (const char* key : recipe.chain) {
            const FontSource& source = fontSource(key);
            inputs.insert(source.path);
            fonts_.push_back(std::make_unique<SourceFont>(library_, source, shape));
        }
        used_.assign(fonts_.size(), 0);
    }
    ~FontChain() {
        fonts_.clear();
        FT_Done_FreeType(library_);
    }
    FontChain(const FontChain&) = delete;
    FontChain& operator=(const FontChain&) = delete;

    std::optional<PlacedGlyph> draw(char32_t c) {
        for (std::size_t i = 0; i < fonts_.size(); ++i) {
            if (std::optional<PlacedGlyph> glyph = fonts_[i]->draw(c)) {
                ++used_[i];
                if (i > 0 && fallbacks_.size() < 400) {
                    fallbacks_.push_back({fonts_[i]->source().key, c});
                }
                nudged_ += glyph->nudged ? 1 : 0;
                if (glyph->clipped) {
                    ++clipped_;
                    if (clippedCharacters_.size() < 10) {
                        clippedCharacters_.push_back(c);
                    }
                }
                return glyph;
            }
        }
        return std::nullopt;
    }

    std::string usage() const {
        std::string text;
        for (std::size_t i = 0; i < fonts_.size(); ++i) {
            text += (i == 0 ? "" : ", ") + std::string(fonts_[i]->source().key) + " " +
                    std::to_string(used_[i]);
        }
        text += "; " + std::to_string(nudged_) + " moved into the cell, " +
                std::to_string(clipped_) + " cut";
        for (std::size_t i = 0; i < clippedCharacters_.size(); ++i) {
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "%sU+%04X", i == 0 ? " (" : " ",
                          static_cast<unsigned>(clippedCharacters_[i]));
            text += buffer;
        }
        return clippedCharacters_.empty() ? text : text + ")";
    }

    // The characters that the first font of the chain did not draw, with the font that did.
    std::string fallbackList() const {
        std::string text;
        char buffer[16];
        for (const auto& [key, c] : fallbacks_) {
            std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
            text += std::string("    ") + key + " " + buffer + "\n";
        }
        return text;
    }

  private:
    FT_Library library_ = nullptr;
    std::vector<std::pair<const char*, char32_t>> fallbacks_;
    std::vector<std::unique_ptr<SourceFont>> fonts_;
    std::vector<int> used_;
    int nudged_ = 0;
    int clipped_ = 0;
    std::vector<char32_t> clippedCharacters_;
};

std::string describe(const std::string& bytes, char32_t c) {
    char text[48];
    std::string hex;
    for (unsigned char b : bytes) {
        std::snprintf(text, sizeof text, "%02X", b);
        hex += text;
    }
    std::snprintf(text, sizeof text, " U+%04X", static_cast<unsigned>(c));
    return hex + text;
}

void storeCell(const PlacedGlyph& glyph, std::vector<std::uint8_t>& out, std::size_t offset) {
    for (int row = 0; row < 16; ++row) {
        for (int column = 0; column < 16; ++column) {
            if (glyph.pixels[static_cast<std::size_t>(row * 16 + column)] != 0) {
                out[offset + static_cast<std::size_t>(row * 2 + column / 8)] |=
                    static_cast<std::uint8_t>(0x80 >> (column % 8));
            }
        }
    }
}

// Counts what a file holds, for its summary line.
struct Tally {
    int mapped = 0;
    int blanks = 0;
};

std::string summaryLine(const GlyphFileRecipe& recipe, const Tally& tally, const FontChain& chain,
                        const GeneratedFile& file, bool listFallbacks) {
    return std::string(recipe.name) + " (" + recipe.role + "): " + std::to_string(tally.mapped) +
           " characters, " + std::to_string(tally.blanks) + " blank by design, " +
           std::to_string(file.missing.size()) + " without glyph; " + chain.usage() +
           (listFallbacks ? "\n" + chain.fallbackList() : "");
}

// Draws one character into a cell, or notes it as missing.
void drawInto(FontChain& chain, const std::string& bytes, char32_t c, Tally& tally,
              GeneratedFile& file, std::size_t offset) {
    ++tally.mapped;
    if (isBlankCharacter(c)) {
        ++tally.blanks;
        return;
    }
    if (const std::optional<PlacedGlyph> glyph = chain.draw(c)) {
        storeCell(*glyph, file.bytes, offset);
    } else {
        file.missing.push_back(describe(bytes, c));
    }
}

bool drawable(const std::optional<char32_t>& c) {
    return c && !isPrivateUse(*c) && !isControl(*c);
}

GeneratedFile doubleByteFile(const GlyphFileRecipe& recipe, bool listFallbacks) {
    GeneratedFile file;
    FontChain chain(recipe, CellShape{}, file.inputs);
    CodePage codePage(recipe.codePage);
    file.bytes.assign(doubleByteOffset(recipe.lastLead + 1, 0x40), 0);
    Tally tally;
    for (int lead = recipe.firstLead; lead <= recipe.lastLead; ++lead) {
        for (int trail = 0x40; trail <= 0xFF; ++trail) {
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            const std::optional<char32_t> c = codePage.decode(bytes);
            if (drawable(c)) {
                drawInto(chain, bytes, *c, tally, file, doubleByteOffset(lead, trail));
            }
        }
    }
    file.summary = summaryLine(recipe, tally, chain, file, listFallbacks);
    return file;
}

GeneratedFile halfWidthFile(const GlyphFileRecipe& recipe, bool listFallbacks) {
    GeneratedFile file;
    FontChain chain(recipe, CellShape{}, file.inputs);
    CodePage codePage(recipe.codePage);
    file.bytes.assign(128 * 32, 0);
    Tally tally;
    for (int byte = std::max(recipe.firstLead, 0x80); byte <= std::min(recipe.lastLead, 0xFF);
         ++byte) {
        const std::string bytes(1, static_cast<char>(byte));
        const std::optional<char32_t> c = codePage.decode(bytes);
        if (drawable(c)) {
            drawInto(chain, bytes, *c, tally, file, static_cast<std::size_t>(byte - 0x80) * 32);
        }
    }
    file.summary = summaryLine(recipe, tally, chain, file, listFallbacks);
    return file;
}

// The resident font: 256 characters in code page 1252 order, 12 bytes each, one byte per pixel
// row from the top, bit 7 the leftmost pixel; glyphs are 6 pixels wide in columns 0..5 with the
// baseline under row 9 (rows 10 and 11 hold descenders).  3072 bytes.
GeneratedFile residentFile(const GlyphFileRecipe& recipe, bool listFallbacks) {
    constexpr int kWidth = 8;
    constexpr int kRows = 12;
    GeneratedFile file;
    FontChain chain(recipe, CellShape{kWidth, kRows, false}, file.inputs);
    CodePage codePage(recipe.codePage);
    file.bytes.assign(256 * kRows, 0);
    Tally tally;
    for (int byte = std::max(recipe.firstLead, 0); byte <= std::min(recipe.lastLead, 0xFF);
         ++byte) {
        const std::string bytes(1, static_cast<char>(byte));
        const std::optional<char32_t> c = codePage.decode(bytes);
        if (!drawable(c)) {
            continue;
        }
        ++tally.mapped;
        if (isBlankCharacter(*c)) {
            ++tally.blanks;
            continue;
        }
        const std::optional<PlacedGlyph> glyph = chain.draw(*c);
        if (!glyph) {
            file.missing.push_back(describe(bytes, *c));
            continue;
        }
        for (int row = 0; row < kRows; ++row) {
            std::uint8_t bits = 0;
            for (int column = 0; column < kWidth; ++column) {
                if (glyph->pixels[static_cast<std::size_t>(row * kWidth + column)] != 0) {
                    bits |= static_cast<std::uint8_t>(0x80 >> column);
                }
            }
            file.bytes[static_cast<std::size_t>(byte * kRows + row)] = bits;
        }
    }
    file.summary = summaryLine(recipe, tally, chain, file, listFallbacks);
    return file;
}

}  // namespace

GeneratedFile generateFile(const GlyphFileRecipe& recipe, bool listFallbacks) {
    const auto start = std::chrono::steady_clock::now();
    GeneratedFile file;
    switch (recipe.kind) {
        case FileKind::DoubleByte:
            file = doubleByteFile(recipe, listFallbacks);
            break;
        case FileKind::HalfWidth:
            file = halfWidthFile(recipe, listFallbacks);
            break;
        case FileKind::Resident:
            file = residentFile(recipe, listFallbacks);
            break;
        case FileKind::Pictures:
            file.bytes = pictureFileBytes();
            file.summary = std::string(recipe.name) + " (" + recipe.role +
                           "): " + std::to_string(file.bytes.size() / 64) + " pictures";
            break;
        case FileKind::Notice: {
            const std::string text = noticeText();
            file.bytes.assign(text.begin(), text.end());
            file.summary = std::string(recipe.name) + " (" + recipe.role + ")";
            break;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    char elapsed[32];
    std::snprintf(elapsed, sizeof elapsed, "; %.2f s", seconds);
    file.summary += elapsed;
    return file;
}

}  // namespace varnel::glyphgen
