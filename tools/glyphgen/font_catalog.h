#pragma once

#include <string_view>
#include <vector>

#include "source_font.h"

namespace varnel::glyphgen {

// Every installed font the glyph files are drawn from.
const std::vector<FontSource>& fontSources();
const FontSource& fontSource(std::string_view key);  // throws std::out_of_range

enum class FileKind {
    DoubleByte,  // one row of 192 cells per lead byte from 0x81, trails 0x40..0xFF
    HalfWidth,   // 128 cells for the single bytes 0x80..0xFF
    Resident,    // the badge's own 8 x 12 font, 256 characters
    Pictures,    // the twelve 32 x 16 pictures
    Notice,      // the text listing the fonts and their licences
};

// One file the generator writes.
struct GlyphFileRecipe {
    const char* name;  // path under the program folder, '/' separated
    FileKind kind;
    const char* role;  // what it is, for the summary and the notice
    const char* codePage = nullptr;
    // Double-byte files: the lead bytes whose rows are filled, other rows stay blank.  Single-byte
    // files: the bytes drawn.
    int firstLead = 0x81;
    int lastLead = 0xFE;
    std::vector<const char*> chain{};  // font keys, first non-empty glyph wins
};

const std::vector<GlyphFileRecipe>& glyphFiles();
const GlyphFileRecipe* findGlyphFile(std::string_view name);

}  // namespace varnel::glyphgen
