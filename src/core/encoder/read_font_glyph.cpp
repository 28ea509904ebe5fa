#include "encoder/read_font_glyph.h"

#include <algorithm>
#include <array>

namespace varnel {

void ReadFontGlyph(GlyphBuffer& buffer, const std::filesystem::path& path, std::int32_t offset,
                   int count, UserPrompt& prompt, GlyphFileAccess& files) {
    std::size_t wanted = static_cast<std::size_t>(std::clamp(count, 0, int(GlyphBuffer::kSize)));
    // Read into a scratch copy so that only the bytes that really arrived reach the buffer.
    std::array<std::uint8_t, GlyphBuffer::kSize> scratch;
    std::optional<std::size_t> got =
        files.readAt(path, offset, std::span<std::uint8_t>(scratch.data(), wanted));
    if (!got) {
        prompt.message(kFontFileNotFound);
        return;
    }
    std::size_t arrived = std::min(*got, wanted);
    std::copy_n(scratch.begin(), arrived, buffer.data());
    if (arrived < wanted) {
        prompt.message(kEndOfFontFile);
    }
}

}  // namespace varnel
