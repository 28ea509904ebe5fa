#include "notice.h"

#include <map>
#include <set>
#include <string_view>

#include "font_catalog.h"

namespace varnel::glyphgen {

std::string noticeText() {
    std::string text =
        "Glyph files of Varnel\n"
        "=====================\n"
        "\n"
        "The glyph files in this folder are drawn at build time from fonts that Debian\n"
        "packages; each cell is a 16 x 16 rendering of the font's glyph. The pictures in\n"
        "\"12 PICTURE.bin\" are Varnel's own pixel art. The files and the fonts they come\n"
        "from, in the order they are tried (the first font that has a glyph draws it):\n"
        "\n";
    std::set<std::string_view> used;
    for (const GlyphFileRecipe& file : glyphFiles()) {
        if (file.chain.empty()) {
            continue;
        }
        text += std::string(file.name) + "\n    " + file.role + ":";
        for (const char* key : file.chain) {
            text += std::string(" ") + fontSource(key).design + ";";
            used.insert(key);
        }
        text.back() = '\n';
    }
    text +=
        "\n"
        "Layout of efont12_thin.bin (the badge's resident font): 256 characters in code page\n"
        "1252 order, 12 bytes per character, one byte per pixel row from the top, bit 7 the\n"
        "leftmost pixel, a set bit lit. Glyphs are 6 pixels wide in columns 0 to 5; rows 0 to 9\n"
        "stand on the baseline, rows 10 and 11 hold descenders. Control codes and the unused\n"
        "positions of code page 1252 are blank. 3072 bytes.\n"
        "\n"
        "Source fonts\n"
        "------------\n";
    std::map<std::string_view, std::string_view> shown;  // notice -> font that showed it
    for (const FontSource& source : fontSources()) {
        if (used.count(source.key) == 0) {
            continue;
        }
        text += "\n" + std::string(source.design) + "\n    file: " + source.path +
                "\n    Debian package: " + source.package + "\n    licence: " + source.licence +
                "; see /usr/share/doc/" + source.package + "/copyright\n";
        const auto [first, isNew] = shown.emplace(source.copyright, source.design);
        if (!isNew) {
            text += "    | notice as for " + std::string(first->second) + " above\n";
            continue;
        }
        std::string_view notice = source.copyright;
        while (!notice.empty()) {
            const std::size_t end = notice.find('\n');
            text += "    | " + std::string(notice.substr(0, end)) + "\n";
            notice = end == std::string_view::npos ? std::string_view() : notice.substr(end + 1);
        }
    }
    return text;
}

}  // namespace varnel::glyphgen
