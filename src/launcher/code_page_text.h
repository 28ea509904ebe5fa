// Turns the launcher's 8-bit texts into Unicode through the code page of a Windows character set.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace launcher {

// The code page behind a Windows GDI character set: 128 Shift-JIS, 129 Korean, 134 Simplified
// Chinese, 136 Traditional Chinese, 204 Cyrillic; every other set reads as Western (1252).
const char* codePageForCharSet(std::uint8_t charSet);

// Decodes `bytes` in the code page of `charSet`; bytes that form no character become U+FFFD.
std::u16string decodeForCharSet(std::string_view bytes, std::uint8_t charSet);

}  // namespace launcher
