#include "language/ui_text_file.h"

#include <algorithm>

#include "common/byte_file.h"
#include "common/program_folder.h"
#include "language/language_id.h"

namespace varnel {

namespace {

std::string finishLine(std::string_view raw) {
    std::string_view line = raw.substr(0, raw.find('\0'));
    return std::string(line.substr(0, std::min(line.size(), kUiTextLineBytes)));
}

}  // namespace

UiTexts parseUiTexts(std::string_view bytes) {
    UiTexts lines;
    std::size_t index = 0;
    std::size_t start = 0;
    std::size_t pos = 0;
    while (index < lines.size()) {
        std::size_t lf = bytes.find('\n', pos);
        if (lf == std::string_view::npos) {
            lines[index] = finishLine(bytes.substr(start));
            break;
        }
        if (lf > start && bytes[lf - 1] == '\r') {
            lines[index++] = finishLine(bytes.substr(start, lf - 1 - start));
            start = lf + 1;
        }
        pos = lf + 1;
    }
    return lines;
}

bool isAppliedUiTextLine(int line) {
    if (line < 0 || line > kLastAppliedUiTextLine) {
        return false;
    }
    switch (line) {
        case 1:
        case 8:
        case 13:
        case 15:
        case 17:
        case 30:
        case 36:
        case 43:
        case 47:
        case 49:
            return false;
        default:
            return true;
    }
}

std::optional<UiTexts> readUiTextFile(const std::filesystem::path& programFolder, int languageId) {
    std::optional<ByteVector> bytes =
        readWholeFile(programFile(programFolder, languageInfo(languageId).uiTextFile));
    if (!bytes) {
        return std::nullopt;
    }
    return parseUiTexts(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

}  // namespace varnel
