#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace varnel {

// The captions of one language: 100 lines of at most 99 bytes in the language's code page.
constexpr int kUiTextLines = 100;
constexpr std::size_t kUiTextLineBytes = 99;
// Lines 0..58 go to the main window, except the ones that only hold headings.
constexpr int kLastAppliedUiTextLine = 58;

using UiTexts = std::array<std::string, kUiTextLines>;

// Splits the file's bytes into lines.  A line ends only at CR LF; a lone CR or LF is a byte of
// the line.  A line is cut at its first zero byte and after 99 bytes; lines after the 100th are
// dropped; lines the file lacks stay empty.  The last line needs no CR LF.
UiTexts parseUiTexts(std::string_view bytes);

// Whether line `line` is shown by the main window (0..58 except 1, 8, 13, 15, 17, 30, 36, 43,
// 47, 49).
bool isAppliedUiTextLine(int line);

// Reads the UI-text file of a language from the program folder; nothing when it is missing
// or cannot be read.
std::optional<UiTexts> readUiTextFile(const std::filesystem::path& programFolder, int languageId);

}  // namespace varnel
