#include "encoder/text_units.h"

namespace varnel {

EncoderScript scriptOfLanguage(int languageId) {
    switch (languageId) {
        case 0:
            return EncoderScript::Japanese;
        case 1:
            return EncoderScript::Korean;
        case 3:
            return EncoderScript::TraditionalChinese;
        case 4:
            return EncoderScript::English;
        case 5:
            return EncoderScript::Russian;
        default:
            return EncoderScript::Chinese;
    }
}

int pictureNumberOfCode(std::uint8_t letter) {
    constexpr std::string_view kLetters = "+H><SxOoPQMn";
    std::size_t at = kLetters.find(static_cast<char>(letter));
    return letter != 0 && at != std::string_view::npos ? static_cast<int>(at) : -1;
}

int TextUnit::entryBytes() const {
    switch (kind) {
        case Kind::kAscii:
        case Kind::kDropped:
            return 1;
        case Kind::kDoubleByte:
        case Kind::kHalfWidth:
        case Kind::kPicture:
        case Kind::kFlash:
            return 2;
        default:
            return 0;
    }
}

int TextUnit::cells() const {
    switch (kind) {
        case Kind::kDoubleByte:
        case Kind::kHalfWidth:
        case Kind::kDropped:
            return 1;
        case Kind::kPicture:
            return 2;
        default:
            return 0;
    }
}

namespace detail {

bool isJapaneseLeadByte(std::uint8_t b) {
    return (b >= 0x81 && b <= 0x84) || (b >= 0x87 && b <= 0x9F) || (b >= 0xE0 && b <= 0xEA);
}

TextUnit codeUnit(std::uint8_t letter) {
    TextUnit unit;
    int picture = pictureNumberOfCode(letter);
    if (picture >= 0) {
        unit.kind = TextUnit::Kind::kPicture;
        unit.number = picture;
    } else if (letter >= '1' && letter <= '3') {
        unit.kind = TextUnit::Kind::kFontSet;
        unit.number = letter - '0';
    } else if (letter == 'B') {
        unit.kind = TextUnit::Kind::kBold;
    } else if (letter == 'R') {
        unit.kind = TextUnit::Kind::kRotate;
    } else if (letter == 'f') {
        unit.kind = TextUnit::Kind::kFlash;
    } else {
        // "~0", "~4".."~9", and a "~" before any other byte or at the end: nothing at all.
        unit.kind = TextUnit::Kind::kNothing;
    }
    return unit;
}

TextUnit doubleByteUnit(EncoderScript script, std::uint8_t lead, std::uint8_t trail) {
    TextUnit unit;
    unit.kind = TextUnit::Kind::kDoubleByte;
    bool drawn = true;
    switch (script) {
        case EncoderScript::Japanese:
            unit.entry = GlyphFontSet::kJapanese;
            break;
        case EncoderScript::Korean:
            unit.entry = GlyphFontSet::kKorean;
            drawn = lead >= 0xA1;
            break;
        case EncoderScript::TraditionalChinese:
            unit.entry = GlyphFontSet::kTraditionalChinese;
            drawn = lead >= 0xA1;
            break;
        default:
            unit.entry = GlyphFontSet::kSimplifiedChinese;
            break;
    }
    // A pair outside the glyph grid of the file (a lead byte below 0x81 or a second byte below
    // 0x40) keeps its place in the message but its cell stays blank.
    if (lead < 0x81 || trail < 0x40) {
        drawn = false;
    }
    if (drawn) {
        unit.glyph = (lead - 0x81) * 192 + (trail - 0x40);
    }
    return unit;
}

}  // namespace detail

}  // namespace varnel
