#include "language/language_id.h"

#include <array>

namespace varnel {

namespace {

constexpr std::array<LanguageInfo, kLanguageCount> kLanguages{{
    {0, "Japanese XP", "Japanese", "JAPANESE", "jp", "system16\\_config\\mjp.dat",
     "system16\\_config\\fontjp.dat", 932, 128},
    {1, "Korean XP", "Korean", "KOREAN", "kr", "system16\\_config\\mkr.dat",
     "system16\\_config\\fontkr.dat", 949, 129},
    {2, "Chinese XP", "Chinese", "CHINESE", "cn", "system16\\_config\\mcn.dat",
     "system16\\_config\\fontcn.dat", 936, 134},
    {3, "T-Chinese XP", "Traditional Chinese", "TRADITIONAL CHINESE", "tr",
     "system16\\_config\\mtr.dat", "system16\\_config\\fonttr.dat", 950, 136},
    {4, "English XP", "English", "ENGLISH", "en", "system16\\_config\\men.dat",
     "system16\\_config\\fonten.dat", 1252, 0},
    {5, "Russian XP", "Russian", "RUSSIAN", "ru", "system16\\_config\\mru.dat",
     "system16\\_config\\fontru.dat", 1251, 204},
}};

}  // namespace

bool isValidLanguage(int languageId) {
    return languageId >= 0 && languageId < kLanguageCount;
}

int normalizedLanguage(int languageId) {
    return isValidLanguage(languageId) ? languageId : kFallbackLanguage;
}

const LanguageInfo& languageInfo(int languageId) {
    return kLanguages[static_cast<std::size_t>(normalizedLanguage(languageId))];
}

std::optional<int> languageFromSuffix(std::string_view suffix) {
    for (const LanguageInfo& info : kLanguages) {
        if (info.suffix == suffix) {
            return info.id;
        }
    }
    return std::nullopt;
}

}  // namespace varnel
