#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace varnel {

// The script a font must cover to show a character set; the user interface maps it onto its
// toolkit's own writing-system values.
enum class WritingSystem {
    Any,
    Latin,
    Greek,
    Cyrillic,
    Hebrew,
    Arabic,
    Thai,
    Vietnamese,
    Japanese,
    Korean,
    SimplifiedChinese,
    TraditionalChinese,
    Symbol,
};

// A Windows GDI character set (the byte stored in a display-font file) with the ANSI code page
// that reads text in it.
struct CharSetInfo {
    std::uint8_t charSet;
    std::string_view name;  // "SHIFTJIS_CHARSET"
    int codePage;           // 932; 0 where the set has no ANSI code page of its own
    WritingSystem writingSystem;
};

// The entry of a character set, or nothing for a value Windows does not define.
std::optional<CharSetInfo> charSetInfo(std::uint8_t charSet);

// The code page to decode text shown in a font of this character set, when it is one of the
// editor's six code pages; otherwise the code page of the language.
int codePageForCharSet(std::uint8_t charSet, int languageId);

// The character set a language's texts are written for (128, 129, 134, 136, 0, 204).
std::uint8_t charSetOfLanguage(int languageId);

}  // namespace varnel
