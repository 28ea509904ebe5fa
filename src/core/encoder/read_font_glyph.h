#pragma once

#include <cstdint>
#include <filesystem>

#include "common/user_prompt.h"
#include "encoder/glyph_buffer.h"
#include "encoder/glyph_file_access.h"

namespace varnel {

inline constexpr const char* kFontFileNotFound = "Error: Font file not found!";
inline constexpr const char* kEndOfFontFile = "Error: End of font file!";

// Reads count bytes (32 for a cell, 64 for a picture glyph or a block of the resident font) at
// offset of the file at path into the start of the buffer.  A missing file is reported and
// leaves the buffer as it was; a file too short for the glyph is reported and only the bytes
// that arrived replace the start of the buffer.  The caller goes on in either case.
void ReadFontGlyph(GlyphBuffer& buffer, const std::filesystem::path& path, std::int32_t offset,
                   int count, UserPrompt& prompt, GlyphFileAccess& files = systemGlyphFiles());

}  // namespace varnel
