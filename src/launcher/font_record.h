// The launcher's font file: the face, height and Windows character set its menu is shown with.
#pragma once

#include <cstdint>
#include <istream>
#include <string>

namespace launcher {

// The longest face name kept; longer names are cut to this many bytes.
inline constexpr std::size_t kMaxFaceNameBytes = 31;

// Layout, little-endian: 1 byte name length N, N bytes face name, 4 bytes signed height,
// 1 byte character set.
struct FontRecord {
    std::string faceName;      // 8-bit text in the code page of `charSet`
    std::int32_t height = 0;   // < 0: character height in pixels, > 0: cell height, 0: default
    std::uint8_t charSet = 0;  // Windows GDI character-set identifier
};

// Reads a font record. Fields that the stream ends before keep their defaults (a short face name
// keeps the bytes that are there). A face name longer than kMaxFaceNameBytes is cut; the height
// is still read after all N name bytes.
FontRecord readFontRecord(std::istream& in);

}  // namespace launcher
