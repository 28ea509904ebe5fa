#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "common/user_prompt.h"
#include "encoder/device_image.h"
#include "encoder/glyph_buffer.h"
#include "encoder/glyph_file_access.h"
#include "encoder/glyph_font_set.h"
#include "project/badge_project.h"

namespace varnel {

// The outcome of encoding a project for the badge.
struct EncodedBadge {
    std::string sequence;  // the send sequence, one slot character per message
    int cells = 0;         // bitmap cells used
    std::string refusal;   // empty = encoded; otherwise why the badge cannot take the messages
};

// The encoding subsystem's state for the whole program run: the device image, the bitmap cell
// count, the glyph buffer and the current font set, with the glyph files of one program folder.
// Glyph read errors go to the prompt; encoding goes on after them.
class BadgeEncoder {
  public:
    BadgeEncoder(std::filesystem::path programFolder, UserPrompt& prompt,
                 GlyphFileAccess& files = systemGlyphFiles());

    // Derives the send sequence and rebuilds the image from it.  When a message or the whole
    // set does not fit into the badge, nothing is encoded and the image keeps its last content.
    EncodedBadge encode(const BadgeProject& project, int languageId);

    const DeviceImage& image() const { return image_; }
    int cellCount() const { return cellCount_; }

    // Reads count bytes at offset of a glyph file into the glyph buffer, as the encoder does.
    void readFontGlyph(const std::filesystem::path& path, std::int32_t offset, int count);
    void readFontGlyph(GlyphFontSet::Entry entry, std::int32_t offset, int count);
    const GlyphBuffer& glyphBuffer() const { return glyphs_; }

    const GlyphFontSet& fontSet() const { return fonts_; }
    const std::filesystem::path& programFolder() const { return fonts_.programFolder(); }
    std::filesystem::path glyphFilePath(GlyphFontSet::Entry entry) const {
        return fonts_.path(entry);
    }

    void setPrompt(UserPrompt& prompt) { prompt_ = &prompt; }

  private:
    DeviceImage image_;
    int cellCount_ = 0;
    GlyphBuffer glyphs_;
    GlyphFontSet fonts_;
    UserPrompt* prompt_;
    GlyphFileAccess* files_;
};

}  // namespace varnel
