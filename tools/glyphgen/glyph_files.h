#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "font_catalog.h"

namespace varnel::glyphgen {

struct GeneratedFile {
    std::vector<std::uint8_t> bytes;
    std::string summary;               // one line per file for the build log
    std::vector<std::string> missing;  // mapped characters that no font in the chain draws
    std::set<std::string> inputs;      // font files read
};

// Builds the content of one file of the catalogue.  Throws std::runtime_error when a font
// cannot be opened; a character without a glyph is reported in `missing`.  With listFallbacks
// the summary also names each character that the first font of the chain did not draw.
GeneratedFile generateFile(const GlyphFileRecipe& recipe, bool listFallbacks = false);

// The offset of the double-byte pair (lead, trail) in a double-byte file.
constexpr std::size_t doubleByteOffset(int lead, int trail) {
    return static_cast<std::size_t>((lead - 0x81) * 192 + (trail - 0x40)) * 32;
}

}  // namespace varnel::glyphgen
