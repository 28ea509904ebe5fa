#include "encoder/encoding_context.h"

#include "encoder/read_font_glyph.h"

namespace varnel {

void EncodingContext::readGlyph(GlyphFontSet::Entry entry, std::int32_t offset, int count) {
    ReadFontGlyph(glyphs, fonts.path(entry), offset, count, prompt, files);
}

}  // namespace varnel
