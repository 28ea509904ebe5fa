#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace varnel {

// One Windows ANSI code page (single- or double-byte), built once from ICU's tables.
// Only mappings that survive bytes -> character -> bytes unchanged count as characters; every
// other byte is "not a character" and is carried through as an escape (U+DC00 + byte).
class CodePageCodec {
  public:
    // The six code pages of the editor: 932, 949, 936, 950, 1252, 1251.
    static bool isSupported(int codePage);
    // The shared codec of a code page; an unsupported number gives the codec of 936.
    static const CodePageCodec& forCodePage(int codePage);
    // The codec of a language's code page (out-of-range languages read as 2).
    static const CodePageCodec& forLanguage(int languageId);

    int codePage() const { return codePage_; }

    std::u16string decodeLossless(std::string_view bytes) const;
    std::optional<std::string> encodeLossless(std::u16string_view text,
                                              char32_t* unconvertible = nullptr) const;
    std::string toUtf8(std::string_view bytes) const;
    std::optional<std::string> fromUtf8(std::string_view utf8,
                                        std::string* unconvertible = nullptr) const;

    // The bytes of one character, or nothing when the code page cannot hold it.
    std::optional<std::string> encodeChar(char32_t c) const;

    static constexpr char16_t kEscapeBase = 0xDC00;
    static constexpr char32_t kNoChar = 0xFFFFFFFF;

    explicit CodePageCodec(int codePage);

  private:
    // Calls f(codePoint, consumedBytes) for each piece; escapes come as kEscapeBase + byte.
    template <typename F>
    void decode(std::string_view bytes, F&& f) const;

    int codePage_;
    std::array<char32_t, 256> single_{};
    std::vector<char32_t> pair_;  // index lead * 256 + trail; empty for single-byte pages
    std::unordered_map<char32_t, std::uint16_t> encode_;  // value < 0x100: one byte
};

}  // namespace varnel
