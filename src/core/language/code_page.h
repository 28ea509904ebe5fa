#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varnel {

// Conversions between the byte strings the badge texts are kept in (the ANSI code page of the
// language's Windows edition) and Unicode.  A language outside 0..5 is read as 2.

// UTF-8 text to code-page bytes.  Nothing (and the offending character as UTF-8 in
// *unconvertible) when the code page cannot hold a character; ill-formed UTF-8 counts as the
// replacement character U+FFFD.
std::optional<std::string> utf8ToCodePage(int languageId, std::string_view utf8,
                                          std::string* unconvertible = nullptr);

// Code-page bytes to UTF-8 for display and the command line; bytes that form no character
// show as U+FFFD.
std::string codePageToUtf8(int languageId, std::string_view bytes);

// Code-page bytes to UTF-16 without loss: a byte that forms no character of the code page
// becomes the lone surrogate U+DC00 + byte, so encodeLossless gives the same bytes back.
std::u16string decodeLossless(int languageId, std::string_view bytes);

// The inverse of decodeLossless: U+DC80..U+DCFF become the byte again.  Nothing (and the
// offending code point in *unconvertible) for a character the code page cannot hold.
std::optional<std::string> encodeLossless(int languageId, std::u16string_view text,
                                          char32_t* unconvertible = nullptr);

}  // namespace varnel
