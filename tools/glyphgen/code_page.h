#pragma once

#include <optional>
#include <string_view>

struct UConverter;

namespace varnel::glyphgen {

// A Windows code page (or a national character set) opened through ICU, used to learn which
// character a byte sequence stands for.  Always open the Windows tables by their ICU names
// "windows-932", "windows-936", "windows-949", "windows-950": "CP949" and "CP950" open IBM
// tables that differ in thousands of places.
class CodePage {
  public:
    explicit CodePage(const char* icuName);  // throws std::runtime_error when ICU lacks it
    ~CodePage();
    CodePage(const CodePage&) = delete;
    CodePage& operator=(const CodePage&) = delete;

    // The one character that exactly these bytes stand for; nothing when the bytes are no
    // character of the code page, or stand for more or less than one character.
    std::optional<char32_t> decode(std::string_view bytes);

    const char* name() const { return name_; }

  private:
    const char* name_;
    UConverter* converter_ = nullptr;
};

// Private-use characters: user-defined areas that no font draws meaningfully.
constexpr bool isPrivateUse(char32_t c) {
    return (c >= 0xE000 && c <= 0xF8FF) || (c >= 0xF0000 && c <= 0x10FFFF);
}

// Characters that are blank by design, so an empty glyph is the right glyph for them.
constexpr bool isBlankCharacter(char32_t c) {
    return c == 0x0020 || c == 0x00A0 || (c >= 0x2000 && c <= 0x200B) || c == 0x3000 ||
           c == 0x3164 || c == 0xFFA0;
}

// C0 and C1 controls and DEL: mapped by the code pages, but never drawn.
constexpr bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

}  // namespace varnel::glyphgen
