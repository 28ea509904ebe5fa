#include "language/char_set.h"

#include <array>

#include "language/code_page_codec.h"
#include "language/language_id.h"

namespace varnel {

namespace {

constexpr std::array<CharSetInfo, 19> kCharSets{{
    {0, "ANSI_CHARSET", 1252, WritingSystem::Latin},
    {1, "DEFAULT_CHARSET", 0, WritingSystem::Any},
    {2, "SYMBOL_CHARSET", 0, WritingSystem::Symbol},
    {77, "MAC_CHARSET", 0, WritingSystem::Latin},
    {128, "SHIFTJIS_CHARSET", 932, WritingSystem::Japanese},
    {129, "HANGUL_CHARSET", 949, WritingSystem::Korean},
    {130, "JOHAB_CHARSET", 1361, WritingSystem::Korean},
    {134, "GB2312_CHARSET", 936, WritingSystem::SimplifiedChinese},
    {136, "CHINESEBIG5_CHARSET", 950, WritingSystem::TraditionalChinese},
    {161, "GREEK_CHARSET", 1253, WritingSystem::Greek},
    {162, "TURKISH_CHARSET", 1254, WritingSystem::Latin},
    {163, "VIETNAMESE_CHARSET", 1258, WritingSystem::Vietnamese},
    {177, "HEBREW_CHARSET", 1255, WritingSystem::Hebrew},
    {178, "ARABIC_CHARSET", 1256, WritingSystem::Arabic},
    {186, "BALTIC_CHARSET", 1257, WritingSystem::Latin},
    {204, "RUSSIAN_CHARSET", 1251, WritingSystem::Cyrillic},
    {222, "THAI_CHARSET", 874, WritingSystem::Thai},
    {238, "EASTEUROPE_CHARSET", 1250, WritingSystem::Latin},
    {255, "OEM_CHARSET", 0, WritingSystem::Any},
}};

}  // namespace

std::optional<CharSetInfo> charSetInfo(std::uint8_t charSet) {
    for (const CharSetInfo& info : kCharSets) {
        if (info.charSet == charSet) {
            return info;
        }
    }
    return std::nullopt;
}

int codePageForCharSet(std::uint8_t charSet, int languageId) {
    std::optional<CharSetInfo> info = charSetInfo(charSet);
    if (info && CodePageCodec::isSupported(info->codePage)) {
        return info->codePage;
    }
    return languageInfo(languageId).codePage;
}

std::uint8_t charSetOfLanguage(int languageId) {
    return static_cast<std::uint8_t>(languageInfo(languageId).windowsCharSet);
}

}  // namespace varnel
