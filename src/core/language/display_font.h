#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "common/byte_file.h"

namespace varnel {

// The font the editor shows a language's texts in.  The face name is 8-bit text of at most
// 31 bytes; the height follows the Windows convention (negative: character height in pixels,
// positive: cell height); the character set is a Windows GDI character-set value.
struct DisplayFont {
    std::string faceName;
    std::int32_t height = 0;
    std::uint8_t charSet = 0;

    bool operator==(const DisplayFont&) const = default;
};

constexpr std::size_t kMaxFaceNameBytes = 31;

// Record layout: length N (one byte), N bytes of face name, height (4 bytes, little-endian),
// character set (one byte); 6 + N bytes.  The reader keeps only the first 31 bytes of a longer
// name but still reads the fields behind all N bytes; a record cut short keeps what it holds
// (missing numbers read as 0).  Bytes after the record are ignored.
DisplayFont parseDisplayFont(const ByteVector& bytes);

// Exactly the record; a face name above 31 bytes is cut to 31.
ByteVector serializeDisplayFont(const DisplayFont& font);

// The display-font file of a language in the program folder; nothing when it is missing.
std::optional<DisplayFont> readDisplayFontFile(const std::filesystem::path& programFolder,
                                               int languageId);
// Replaces the language's display-font file; false when it could not be written.
bool writeDisplayFontFile(const std::filesystem::path& programFolder, int languageId,
                          const DisplayFont& font);

}  // namespace varnel
