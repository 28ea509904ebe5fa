#include "encoder/glyph_font_set.h"

#include "common/program_folder.h"

namespace varnel {

namespace {

using SetTable =
    std::array<std::array<std::string_view, GlyphFontSet::kEntryCount>, GlyphFontSet::kSetCount>;

constexpr SetTable kTable = {{
    {"system16\\_system\\12 PICTURE.bin", "system16\\_system\\JAPANESE\\ASCII.bin",
     "system16\\_system\\JAPANESE\\ms1.bin", "system16\\_system\\CHINESE\\CHN16ST.bin",
     "system16\\_system\\TRADITIONAL\\newximingti.bin", "system16\\_system\\KOREAN\\gulrim.bin",
     "system16\\_system\\efont12_thin.bin"},
    {"system16\\_system\\12 PICTURE.bin", "system16\\_system\\JAPANESE\\ASCII.bin",
     "system16\\_system\\JAPANESE\\ms mingchao.bin", "system16\\_system\\CHINESE\\CHN16KT.bin",
     "system16\\_system\\TRADITIONAL\\newximing_w.bin", "system16\\_system\\KOREAN\\dodum.bin",
     "system16\\_system\\efont12_thin.bin"},
    {"system16\\_system\\12 PICTURE.bin", "system16\\_system\\JAPANESE\\ASCII.bin",
     "system16\\_system\\JAPANESE\\MS UI Gothic.bin", "system16\\_system\\CHINESE\\CHN16CY.bin",
     "system16\\_system\\TRADITIONAL\\huakang.bin", "system16\\_system\\KOREAN\\patang.bin",
     "system16\\_system\\efont12_thin.bin"},
}};

}  // namespace

std::string_view GlyphFontSet::entryName(int set, Entry entry) {
    if (set < 1 || set > kSetCount || entry < 0 || entry >= kEntryCount) {
        return {};
    }
    return kTable[static_cast<std::size_t>(set - 1)][static_cast<std::size_t>(entry)];
}

GlyphFontSet::GlyphFontSet(std::filesystem::path programFolder)
    : programFolder_(std::move(programFolder)) {
    for (int set = 1; set <= kSetCount; ++set) {
        for (int e = 0; e < kEntryCount; ++e) {
            paths_[std::size_t(set - 1)][std::size_t(e)] =
                programFile(programFolder_, entryName(set, Entry(e)));
        }
    }
}

void GlyphFontSet::select(int set) {
    if (set >= 1 && set <= kSetCount) {
        current_ = set;
    }
}

const std::filesystem::path& GlyphFontSet::path(Entry entry) const {
    static const std::filesystem::path kNone;
    if (entry < 0 || entry >= kEntryCount) {
        return kNone;
    }
    return paths_[std::size_t(current_ - 1)][std::size_t(entry)];
}

}  // namespace varnel
