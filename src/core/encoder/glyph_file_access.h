#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace varnel {

// The file system as the glyph reader sees it: one call opens a file, positions it, reads and
// closes it again.  Tests put their own implementation in its place to inject faults.
class GlyphFileAccess {
  public:
    virtual ~GlyphFileAccess() = default;

    // Reads up to dest.size() bytes from the given offset into dest and returns how many
    // arrived (fewer at the end of the file, 0 when the file cannot be read there), or nothing
    // when no file exists at path.
    virtual std::optional<std::size_t> readAt(const std::filesystem::path& path,
                                              std::int64_t offset,
                                              std::span<std::uint8_t> dest) = 0;
};

// The real file system: open, seek, read, close for every call; nothing is cached.
GlyphFileAccess& systemGlyphFiles();

}  // namespace varnel
