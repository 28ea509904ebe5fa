#include "code_page_text.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

#include <memory>

namespace launcher {

namespace {

std::u16string latin1(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(byte)));
    }
    return text;
}

// ICU writes U+001A for a single bad byte in some code pages, which shows as nothing; the
// replacement character shows that something is there.
void substituteReplacementCharacter(const void*, UConverterToUnicodeArgs* args, const char*,
                                    int32_t, UConverterCallbackReason reason, UErrorCode* status) {
    if (reason > UCNV_IRREGULAR) {
        return;
    }
    static const UChar kReplacement = 0xFFFD;
    *status = U_ZERO_ERROR;
    ucnv_cbToUWriteUChars(args, &kReplacement, 1, 0, status);
}

}  // namespace

const char* codePageForCharSet(std::uint8_t charSet) {
    switch (charSet) {
        case 128:
            return "windows-932";
        case 129:
            return "windows-949";
        case 134:
            return "windows-936";
        case 136:
            return "windows-950";
        case 204:
            return "windows-1251";
        default:
            return "windows-1252";
    }
}

std::u16string decodeForCharSet(std::string_view bytes, std::uint8_t charSet) {
    if (bytes.empty()) {
        return {};
    }
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, decltype(&ucnv_close)> converter(
        ucnv_open(codePageForCharSet(charSet), &status), &ucnv_close);
    if (U_FAILURE(status)) {
        // Without a converter every byte still shows: Latin-1 keeps the text readable.
        return latin1(bytes);
    }
    ucnv_setToUCallBack(converter.get(), &substituteReplacementCharacter, nullptr, nullptr, nullptr,
                        &status);
    if (U_FAILURE(status)) {
        return latin1(bytes);
    }
    // Room for two UTF-16 units per byte and the terminator ICU adds when it fits.
    std::u16string text(bytes.size() * 2 + 1, u'\0');
    status = U_ZERO_ERROR;
    const int32_t length =
        ucnv_toUChars(converter.get(), text.data(), static_cast<int32_t>(text.size()), bytes.data(),
                      static_cast<int32_t>(bytes.size()), &status);
    if (U_FAILURE(status)) {
        return latin1(bytes);
    }
    text.resize(static_cast<std::size_t>(length));
    return text;
}

}  // namespace launcher
