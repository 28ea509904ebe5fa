#include "encoder/badge_encoder.h"

#include "encoder/encoding_context.h"
#include "encoder/encoding_pass.h"
#include "encoder/message_size.h"
#include "encoder/read_font_glyph.h"
#include "project/run_sequence.h"

namespace varnel {

BadgeEncoder::BadgeEncoder(std::filesystem::path programFolder, UserPrompt& prompt,
                           GlyphFileAccess& files)
    : fonts_(std::move(programFolder)), prompt_(&prompt), files_(&files) {}

EncodedBadge BadgeEncoder::encode(const BadgeProject& project, int languageId) {
    EncodedBadge result;
    result.sequence = sendSequence(project);
    result.refusal = checkMessagesFit(project, result.sequence, languageId);
    if (!result.refusal.empty()) {
        return result;
    }
    EncodingContext ctx{image_, cellCount_, glyphs_, fonts_, *prompt_, *files_};
    runEncodingPass(ctx, project, result.sequence, languageId);
    result.cells = cellCount_;
    return result;
}

void BadgeEncoder::readFontGlyph(const std::filesystem::path& path, std::int32_t offset,
                                 int count) {
    ReadFontGlyph(glyphs_, path, offset, count, *prompt_, *files_);
}

void BadgeEncoder::readFontGlyph(GlyphFontSet::Entry entry, std::int32_t offset, int count) {
    readFontGlyph(fonts_.path(entry), offset, count);
}

}  // namespace varnel
