#include "national_charset.h"

#include <string>

namespace varnel::glyphgen {

namespace {

bool isRowCell(std::uint32_t code) {
    const std::uint32_t row = code >> 8;
    const std::uint32_t cell = code & 0xFF;
    return code <= 0xFFFF && row >= 0x21 && row <= 0x7E && cell >= 0x21 && cell <= 0x7E;
}

std::string twoBytes(std::uint32_t value) {
    return {static_cast<char>(value >> 8), static_cast<char>(value & 0xFF)};
}

// Rows 85..94 of the Japanese sets are user-defined in code page 932 and hold IBM kanji in its
// EUC tables, while JIS X 0213 puts other kanji there: only rows 1..84 are trusted.
constexpr std::uint32_t kLastJisRow = 0x74;

}  // namespace

std::uint16_t jisToShiftJis(std::uint16_t jis) {
    const int row = (jis >> 8) - 0x21;     // 0..93
    const int cell = (jis & 0xFF) - 0x21;  // 0..93
    const int lead = row / 2 + (row < 62 ? 0x81 : 0xC1);
    int trail = 0;
    if (row % 2 == 0) {
        trail = cell + 0x40 + (cell >= 63 ? 1 : 0);
    } else {
        trail = cell + 0x9F;
    }
    return static_cast<std::uint16_t>(lead << 8 | trail);
}

NationalDecoder::NationalDecoder(FontCharset charset) : charset_(charset) {
    switch (charset) {
        case FontCharset::Unicode:
        case FontCharset::Latin1:
            break;
        case FontCharset::JisX0201:
            windows_ = std::make_unique<CodePage>("windows-932");
            break;
        case FontCharset::JisX0208:
        case FontCharset::JisX0213Plane1:
            windows_ = std::make_unique<CodePage>("windows-932");
            strict_ = std::make_unique<CodePage>("EUC-JP");
            break;
        case FontCharset::Gb2312:
            windows_ = std::make_unique<CodePage>("windows-936");
            strict_ = std::make_unique<CodePage>("GB2312");
            break;
        case FontCharset::Ksc5601:
            windows_ = std::make_unique<CodePage>("windows-949");
            strict_ = std::make_unique<CodePage>("EUC-KR");
            break;
        case FontCharset::Big5:
            windows_ = std::make_unique<CodePage>("windows-950");
            break;
    }
}

std::optional<char32_t> NationalDecoder::decode(std::uint32_t code) {
    std::optional<char32_t> c;
    switch (charset_) {
        case FontCharset::Unicode:
            c = static_cast<char32_t>(code);
            break;
        case FontCharset::Latin1:
            if (code <= 0xFF) {
                c = static_cast<char32_t>(code);
            }
            break;
        case FontCharset::JisX0201:
            // 0x5C and 0x7E are the yen sign and overline there, not ASCII.
            if (code >= 0x21 && code <= 0x7E && code != 0x5C && code != 0x7E) {
                c = static_cast<char32_t>(code);
            } else if (code >= 0xA1 && code <= 0xDF) {
                c = windows_->decode(std::string(1, static_cast<char>(code)));
            }
            break;
        case FontCharset::JisX0208:
        case FontCharset::JisX0213Plane1:
            if (isRowCell(code) && (code >> 8) <= kLastJisRow &&
                strict_->decode(twoBytes(code | 0x8080))) {
                c = windows_->decode(twoBytes(jisToShiftJis(static_cast<std::uint16_t>(code))));
            }
            break;
        case FontCharset::Gb2312:
        case FontCharset::Ksc5601:
            if (isRowCell(code)) {
                const std::string bytes = twoBytes(code | 0x8080);
                const std::optional<char32_t> strict = strict_->decode(bytes);
                if (strict && !isPrivateUse(*strict)) {
                    c = windows_->decode(bytes);
                }
            }
            break;
        case FontCharset::Big5:
            if (code >= 0xA140 && code <= 0xFEFE) {
                c = windows_->decode(twoBytes(code));
            }
            break;
    }
    if (c && isPrivateUse(*c)) {
        return std::nullopt;
    }
    return c;
}

}  // namespace varnel::glyphgen
