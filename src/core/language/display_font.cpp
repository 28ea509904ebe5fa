#include "language/display_font.h"

#include <algorithm>

#include "common/program_folder.h"
#include "language/language_id.h"

namespace varnel {

DisplayFont parseDisplayFont(const ByteVector& bytes) {
    DisplayFont font;
    ByteReader reader(bytes);
    std::optional<std::uint8_t> length = reader.u8();
    if (!length) {
        return font;
    }
    std::size_t available = std::min<std::size_t>(*length, reader.remaining());
    std::string name = reader.bytes(available).value_or(std::string());
    font.faceName = name.substr(0, std::min(name.size(), kMaxFaceNameBytes));
    if (available < *length) {
        return font;
    }
    std::optional<std::int32_t> height = reader.i32();
    if (!height) {
        return font;
    }
    font.height = *height;
    font.charSet = reader.u8().value_or(0);
    return font;
}

ByteVector serializeDisplayFont(const DisplayFont& font) {
    std::string name = font.faceName.substr(0, std::min(font.faceName.size(), kMaxFaceNameBytes));
    ByteVector out;
    appendU8(out, static_cast<std::uint8_t>(name.size()));
    appendBytes(out, name);
    appendI32(out, font.height);
    appendU8(out, font.charSet);
    return out;
}

std::optional<DisplayFont> readDisplayFontFile(const std::filesystem::path& programFolder,
                                               int languageId) {
    std::optional<ByteVector> bytes =
        readWholeFile(programFile(programFolder, languageInfo(languageId).displayFontFile));
    if (!bytes) {
        return std::nullopt;
    }
    return parseDisplayFont(*bytes);
}

bool writeDisplayFontFile(const std::filesystem::path& programFolder, int languageId,
                          const DisplayFont& font) {
    return writeFileAtomically(programFile(programFolder, languageInfo(languageId).displayFontFile),
                               serializeDisplayFont(font));
}

}  // namespace varnel
