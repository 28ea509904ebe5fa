#pragma once

#include <array>
#include <filesystem>
#include <string_view>

namespace varnel {

// The glyph files beside the program: three font sets of seven entries each, stored as
// backslash-separated names relative to the program folder.  Only the double-byte entries
// differ between the sets.
class GlyphFontSet {
  public:
    static constexpr int kSetCount = 3;
    static constexpr int kEntryCount = 7;

    enum Entry : int {
        kPictures = 0,
        kJapaneseSingleByte = 1,
        kJapanese = 2,
        kSimplifiedChinese = 3,
        kTraditionalChinese = 4,
        kKorean = 5,
        kResidentFont = 6,
    };

    // The stored name of an entry of set 1..3.
    static std::string_view entryName(int set, Entry entry);

    explicit GlyphFontSet(std::filesystem::path programFolder);

    const std::filesystem::path& programFolder() const { return programFolder_; }

    // The current set, 1..3; set 1 at start.  Values outside 1..3 are ignored.
    int current() const { return current_; }
    void select(int set);

    // Full file name of an entry of the current set.
    const std::filesystem::path& path(Entry entry) const;

  private:
    std::filesystem::path programFolder_;
    int current_ = 1;
    // The full names, made once: a glyph read does not pay for building its path.
    std::array<std::array<std::filesystem::path, kEntryCount>, kSetCount> paths_;
};

}  // namespace varnel
