#pragma once

#include <optional>
#include <string_view>

namespace varnel {

// The six Windows editions the editor works in.  A language is a plain int 0..5, the item
// index of the "Windows Version" combo box; every value outside that range is read as the
// simplified-Chinese edition (2), the way the text encoder treats an unknown edition.
constexpr int kLanguageCount = 6;
constexpr int kFallbackLanguage = 2;

enum LanguageIndex : int {
    kJapanese = 0,
    kKorean = 1,
    kChinese = 2,
    kTraditionalChinese = 3,
    kEnglish = 4,
    kRussian = 5,
};

struct LanguageInfo {
    int id;
    std::string_view langBoxItem;      // "Japanese XP"
    std::string_view selectorButton;   // "Japanese"
    std::string_view selectorName;     // "JAPANESE"
    std::string_view suffix;           // "jp"
    std::string_view uiTextFile;       // "system16\\_config\\mjp.dat"
    std::string_view displayFontFile;  // "system16\\_config\\fontjp.dat"
    int codePage;                      // 932
    int windowsCharSet;                // 128
};

// Clamps an out-of-range id to kFallbackLanguage.
int normalizedLanguage(int languageId);
bool isValidLanguage(int languageId);

// The row of the table for a language (out-of-range ids give the fallback row).
const LanguageInfo& languageInfo(int languageId);

// "jp", "kr", "cn", "tr", "en", "ru" -> 0..5.
std::optional<int> languageFromSuffix(std::string_view suffix);

}  // namespace varnel
