#pragma once

#include <cstdint>
#include <string_view>

#include "encoder/glyph_font_set.h"

namespace varnel {

// How the encoder reads bytes 0x80..0xFF, by the index of the chosen Windows edition.
enum class EncoderScript { Japanese, Korean, Chinese, TraditionalChinese, English, Russian };

// Index 0..5: Japanese, Korean, Chinese, Traditional Chinese, English, Russian; any other index
// reads as Chinese.
EncoderScript scriptOfLanguage(int languageId);

// The picture number 0..11 of the letter after "~", or -1 when the letter names no picture.
int pictureNumberOfCode(std::uint8_t letter);

// One unit of a message text as the encoder meets it.
struct TextUnit {
    enum class Kind {
        kAscii,       // one header byte, the byte itself
        kDoubleByte,  // two header bytes, one cell (a glyph of `entry`, or blank)
        kHalfWidth,   // two header bytes, one cell from the Japanese single-byte file
        kPicture,     // two header bytes, two cells from the picture file
        kFlash,       // two header bytes 0xFF 0x8F
        kFontSet,     // switches the font set to `number`
        kBold,        // turns the bold switch over
        kRotate,      // turns the rotate switch over
        kDropped,     // one header byte left 0, one blank cell
        kNothing,     // a "~" pair that does nothing
    };

    Kind kind = Kind::kNothing;
    std::uint8_t byte = 0;  // kAscii, kHalfWidth: the text byte
    int number = 0;         // kPicture: picture 0..11; kFontSet: set 1..3
    GlyphFontSet::Entry entry = GlyphFontSet::kJapanese;  // kDoubleByte: the file
    int glyph = -1;  // kDoubleByte: glyph index in the file, -1 when the cell stays blank

    int entryBytes() const;
    int cells() const;
};

// Cuts a text into its units, first to last, and hands each to f.
template <class F>
void forEachTextUnit(std::string_view text, int languageId, F&& f);

// ---------------------------------------------------------------------------------------------

namespace detail {

bool isJapaneseLeadByte(std::uint8_t b);
TextUnit codeUnit(std::uint8_t letter);
TextUnit doubleByteUnit(EncoderScript script, std::uint8_t lead, std::uint8_t trail);

}  // namespace detail

template <class F>
void forEachTextUnit(std::string_view text, int languageId, F&& f) {
    const EncoderScript script = scriptOfLanguage(languageId);
    const std::size_t length = text.size();
    std::size_t i = 0;
    while (i < length) {
        auto b = static_cast<std::uint8_t>(text[i]);
        auto b2 = static_cast<std::uint8_t>(i + 1 < length ? text[i + 1] : 0);
        TextUnit unit;
        if (b == '~') {
            unit = detail::codeUnit(b2);
            i += 2;
        } else if (b < 0x80) {
            unit.kind = TextUnit::Kind::kAscii;
            unit.byte = b;
            i += 1;
        } else if (script == EncoderScript::English || script == EncoderScript::Russian) {
            unit.kind = TextUnit::Kind::kDropped;
            i += 1;
        } else if (script == EncoderScript::Japanese && !detail::isJapaneseLeadByte(b)) {
            unit.kind = TextUnit::Kind::kHalfWidth;
            unit.byte = b;
            i += 1;
        } else {
            unit = detail::doubleByteUnit(script, b, b2);
            i += 2;
        }
        f(unit);
    }
}

}  // namespace varnel
