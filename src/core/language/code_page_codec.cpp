#include "language/code_page_codec.h"

#include <unicode/ucnv.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include <climits>
#include <cstring>
#include <memory>
#include <stdexcept>

#include "language/language_id.h"

namespace varnel {

namespace {

struct ConverterCloser {
    void operator()(UConverter* cnv) const { ucnv_close(cnv); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

// ICU's names for the Windows tables; "CP949" and "CP950" would open IBM's variants.
ConverterPtr openWindowsConverter(int codePage) {
    std::string name = "windows-" + std::to_string(codePage);
    UErrorCode err = U_ZERO_ERROR;
    ConverterPtr cnv(ucnv_open(name.c_str(), &err));
    if (U_FAILURE(err) || !cnv) {
        throw std::runtime_error("cannot open the converter " + name);
    }
    ucnv_setToUCallBack(cnv.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
    ucnv_setFromUCallBack(cnv.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
    ucnv_setFallback(cnv.get(), false);
    if (U_FAILURE(err)) {
        throw std::runtime_error("cannot set up the converter " + name);
    }
    return cnv;
}

// The one character that `bytes` stand for, when it maps back to exactly these bytes.
char32_t roundTripChar(UConverter* cnv, const char* bytes, int32_t length) {
    UChar units[8];
    UErrorCode err = U_ZERO_ERROR;
    ucnv_resetToUnicode(cnv);
    int32_t n = ucnv_toUChars(cnv, units, 8, bytes, length, &err);
    if (U_FAILURE(err) || n <= 0 || n > 2) {
        return CodePageCodec::kNoChar;
    }
    int32_t i = 0;
    UChar32 c = 0;
    U16_NEXT(units, i, n, c);
    if (i != n || U_IS_SURROGATE(c)) {
        return CodePageCodec::kNoChar;
    }
    char back[8];
    err = U_ZERO_ERROR;
    ucnv_resetFromUnicode(cnv);
    int32_t m = ucnv_fromUChars(cnv, back, 8, units, n, &err);
    if (U_FAILURE(err) || m != length || std::memcmp(back, bytes, static_cast<size_t>(m)) != 0) {
        return CodePageCodec::kNoChar;
    }
    return static_cast<char32_t>(c);
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

void appendUtf16(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out.push_back(static_cast<char16_t>(c));
    } else {
        out.push_back(static_cast<char16_t>(0xD7C0 + (c >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 | (c & 0x3FF)));
    }
}

void appendCode(std::string& out, std::uint16_t code) {
    if (code >= 0x100) {
        out.push_back(static_cast<char>(code >> 8));
    }
    out.push_back(static_cast<char>(code & 0xFF));
}

}  // namespace

CodePageCodec::CodePageCodec(int codePage) : codePage_(codePage) {
    ConverterPtr cnv = openWindowsConverter(codePage);
    // Windows reads 0x00..0x7F as ASCII in all six code pages; ICU's table for 932 swaps three
    // control codes (0x1A, 0x1C, 0x7F) the IBM way, so the ASCII range is set here.
    for (int b = 0; b < 0x80; ++b) {
        single_[static_cast<size_t>(b)] = static_cast<char32_t>(b);
    }
    for (int b = 0x80; b < 256; ++b) {
        char byte = static_cast<char>(b);
        single_[static_cast<size_t>(b)] = roundTripChar(cnv.get(), &byte, 1);
    }
    if (ucnv_getMaxCharSize(cnv.get()) > 1) {
        pair_.assign(65536, kNoChar);
        for (int lead = 0x80; lead < 256; ++lead) {
            if (single_[static_cast<size_t>(lead)] != kNoChar) {
                continue;
            }
            for (int trail = 0; trail < 256; ++trail) {
                char two[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                pair_[static_cast<size_t>(lead * 256 + trail)] = roundTripChar(cnv.get(), two, 2);
            }
        }
    }
    for (int b = 0; b < 256; ++b) {
        char32_t c = single_[static_cast<size_t>(b)];
        if (c != kNoChar) {
            encode_.emplace(c, static_cast<std::uint16_t>(b));
        }
    }
    for (size_t code = 0; code < pair_.size(); ++code) {
        if (pair_[code] != kNoChar) {
            encode_.emplace(pair_[code], static_cast<std::uint16_t>(code));
        }
    }
}

bool CodePageCodec::isSupported(int codePage) {
    switch (codePage) {
        case 932:
        case 949:
        case 936:
        case 950:
        case 1252:
        case 1251:
            return true;
        default:
            return false;
    }
}

const CodePageCodec& CodePageCodec::forCodePage(int codePage) {
    switch (codePage) {
        case 932: {
            static const CodePageCodec codec(932);
            return codec;
        }
        case 949: {
            static const CodePageCodec codec(949);
            return codec;
        }
        case 950: {
            static const CodePageCodec codec(950);
            return codec;
        }
        case 1252: {
            static const CodePageCodec codec(1252);
            return codec;
        }
        case 1251: {
            static const CodePageCodec codec(1251);
            return codec;
        }
        default: {
            static const CodePageCodec codec(936);
            return codec;
        }
    }
}

const CodePageCodec& CodePageCodec::forLanguage(int languageId) {
    return forCodePage(languageInfo(languageId).codePage);
}

template <typename F>
void CodePageCodec::decode(std::string_view bytes, F&& f) const {
    size_t i = 0;
    const size_t n = bytes.size();
    while (i < n) {
        auto b = static_cast<unsigned char>(bytes[i]);
        char32_t c = single_[b];
        if (c != kNoChar) {
            f(c, false);
            ++i;
            continue;
        }
        if (!pair_.empty() && i + 1 < n) {
            auto trail = static_cast<unsigned char>(bytes[i + 1]);
            c = pair_[static_cast<size_t>(b) * 256 + trail];
            if (c != kNoChar) {
                f(c, false);
                i += 2;
                continue;
            }
        }
        f(static_cast<char32_t>(kEscapeBase + b), true);
        ++i;
    }
}

std::u16string CodePageCodec::decodeLossless(std::string_view bytes) const {
    std::u16string out;
    out.reserve(bytes.size());
    decode(bytes, [&out](char32_t c, bool) { appendUtf16(out, c); });
    return out;
}

std::string CodePageCodec::toUtf8(std::string_view bytes) const {
    std::string out;
    out.reserve(bytes.size() * 2);
    decode(bytes, [&out](char32_t c, bool escape) { appendUtf8(out, escape ? U'\uFFFD' : c); });
    return out;
}

std::optional<std::string> CodePageCodec::encodeChar(char32_t c) const {
    auto it = encode_.find(c);
    if (it == encode_.end()) {
        return std::nullopt;
    }
    std::string out;
    appendCode(out, it->second);
    return out;
}

std::optional<std::string> CodePageCodec::encodeLossless(std::u16string_view text,
                                                         char32_t* unconvertible) const {
    std::string out;
    out.reserve(text.size() * 2);
    size_t i = 0;
    while (i < text.size()) {
        char32_t c = text[i++];
        if (U16_IS_LEAD(c) && i < text.size() && U16_IS_TRAIL(text[i])) {
            c = U16_GET_SUPPLEMENTARY(c, text[i]);
            ++i;
        } else if (c >= 0xDC80 && c <= 0xDCFF) {
            out.push_back(static_cast<char>(c - kEscapeBase));
            continue;
        }
        auto it = U_IS_SURROGATE(c) ? encode_.end() : encode_.find(c);
        if (it == encode_.end()) {
            if (unconvertible) {
                *unconvertible = c;
            }
            return std::nullopt;
        }
        appendCode(out, it->second);
    }
    return out;
}

std::optional<std::string> CodePageCodec::fromUtf8(std::string_view utf8,
                                                   std::string* unconvertible) const {
    if (utf8.size() > static_cast<size_t>(INT32_MAX)) {
        return std::nullopt;
    }
    const auto* s = reinterpret_cast<const uint8_t*>(utf8.data());
    const auto length = static_cast<int32_t>(utf8.size());
    std::string out;
    out.reserve(utf8.size());
    int32_t i = 0;
    while (i < length) {
        UChar32 c = 0;
        U8_NEXT(s, i, length, c);
        auto it = c < 0 ? encode_.end() : encode_.find(static_cast<char32_t>(c));
        if (it == encode_.end()) {
            if (unconvertible) {
                unconvertible->clear();
                appendUtf8(*unconvertible, c < 0 ? U'\uFFFD' : static_cast<char32_t>(c));
            }
            return std::nullopt;
        }
        appendCode(out, it->second);
    }
    return out;
}

}  // namespace varnel
