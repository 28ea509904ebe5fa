#include "code_page.h"

#include <unicode/ucnv.h>
#include <unicode/utf16.h>

#include <stdexcept>
#include <string>

namespace varnel::glyphgen {

CodePage::CodePage(const char* icuName) : name_(icuName) {
    UErrorCode error = U_ZERO_ERROR;
    converter_ = ucnv_open(icuName, &error);
    if (U_FAILURE(error) || converter_ == nullptr) {
        throw std::runtime_error(std::string("ICU has no converter ") + icuName);
    }
    ucnv_setToUCallBack(converter_, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
    if (U_FAILURE(error)) {
        ucnv_close(converter_);
        throw std::runtime_error(std::string("cannot set up converter ") + icuName);
    }
}

CodePage::~CodePage() {
    ucnv_close(converter_);
}

std::optional<char32_t> CodePage::decode(std::string_view bytes) {
    UErrorCode error = U_ZERO_ERROR;
    ucnv_resetToUnicode(converter_);
    UChar units[8];
    const int32_t length = ucnv_toUChars(converter_, units, 8, bytes.data(),
                                         static_cast<int32_t>(bytes.size()), &error);
    if (U_FAILURE(error) || length <= 0) {
        return std::nullopt;
    }
    int32_t at = 0;
    UChar32 c = 0;
    U16_NEXT(units, at, length, c);
    if (at != length || c < 0) {
        return std::nullopt;
    }
    return static_cast<char32_t>(c);
}

}  // namespace varnel::glyphgen
