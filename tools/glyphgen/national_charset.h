#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "code_page.h"

namespace varnel::glyphgen {

// How a source font numbers its glyphs.  The X11 fonts of the national standards expose their
// own codes (for JIS X 0208, GB 2312, KS C 5601 the two 7-bit bytes 0x21..0x7E, for Big5 the
// two bytes themselves), not Unicode.
enum class FontCharset {
    Unicode,
    Latin1,          // ISO 8859-1 codes 0x00..0xFF
    JisX0201,        // one byte: ASCII-like roman 0x21..0x7E, katakana 0xA1..0xDF
    JisX0208,        // row/cell 0x2121..0x7E7E
    JisX0213Plane1,  // same numbering, a superset of JIS X 0208 on plane 1
    Gb2312,          // row/cell 0x2121..0x7E7E
    Ksc5601,         // row/cell 0x2121..0x7E7E
    Big5,            // lead/trail 0xA140..0xF9FE
};

// Turns a font's own code into the character it stands for.  The code is rewritten into the
// bytes of the matching Windows code page and decoded there, so the glyphs are keyed exactly as
// the code page keys its pairs; a code is kept only when the strict national table also knows
// it, which drops the vendor additions and private areas some fonts fill with other things.
class NationalDecoder {
  public:
    explicit NationalDecoder(FontCharset charset);

    // Nothing when the code is no character of the set (or a private-use one).
    std::optional<char32_t> decode(std::uint32_t code);

  private:
    FontCharset charset_;
    std::unique_ptr<CodePage> windows_;
    std::unique_ptr<CodePage> strict_;
};

// The Shift_JIS bytes (lead << 8 | trail) of a JIS X 0208 row/cell code 0x2121..0x7E7E.
std::uint16_t jisToShiftJis(std::uint16_t jis);

}  // namespace varnel::glyphgen
