#pragma once

#include <cstdint>

#include "common/user_prompt.h"
#include "encoder/device_image.h"
#include "encoder/glyph_buffer.h"
#include "encoder/glyph_file_access.h"
#include "encoder/glyph_font_set.h"

namespace varnel {

// What the message encoders work on: the image, the bitmap cell count, the glyph buffer, the
// current font set, and where glyph read errors go.
struct EncodingContext {
    DeviceImage& image;
    int& cellCount;
    GlyphBuffer& glyphs;
    GlyphFontSet& fonts;
    UserPrompt& prompt;
    GlyphFileAccess& files;

    // Reads a glyph of an entry of the current font set into the glyph buffer.
    void readGlyph(GlyphFontSet::Entry entry, std::int32_t offset, int count);
};

}  // namespace varnel
