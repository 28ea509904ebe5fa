#include "language/code_page.h"

#include "language/code_page_codec.h"

namespace varnel {

std::optional<std::string> utf8ToCodePage(int languageId, std::string_view utf8,
                                          std::string* unconvertible) {
    return CodePageCodec::forLanguage(languageId).fromUtf8(utf8, unconvertible);
}

std::string codePageToUtf8(int languageId, std::string_view bytes) {
    return CodePageCodec::forLanguage(languageId).toUtf8(bytes);
}

std::u16string decodeLossless(int languageId, std::string_view bytes) {
    return CodePageCodec::forLanguage(languageId).decodeLossless(bytes);
}

std::optional<std::string> encodeLossless(int languageId, std::u16string_view text,
                                          char32_t* unconvertible) {
    return CodePageCodec::forLanguage(languageId).encodeLossless(text, unconvertible);
}

}  // namespace varnel
