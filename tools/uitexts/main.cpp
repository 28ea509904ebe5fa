// varnel-uitexts: writes the program's UI-text and display-font files from their sources.
//
//   varnel-uitexts texts <suffix> <source.txt> <output.dat>
//       UTF-8 lines (LF or CR LF) -> the language's code page, CR LF after every line.
//   varnel-uitexts font <suffix> <display-fonts.txt> <output.dat>
//       The language's row of the font table -> its display-font record.
//
// Fails (exit status 1, nothing written) on a character the code page cannot hold, a line
// longer than 99 bytes, more than 100 lines, or a missing table row.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "common/byte_file.h"
#include "language/code_page.h"
#include "language/display_font.h"
#include "language/language_id.h"
#include "language/ui_text_file.h"

namespace {

using varnel::ByteVector;

std::optional<std::string> readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t lf = text.find('\n', start);
        std::size_t end = lf == std::string::npos ? text.size() : lf;
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

bool writeOutput(const std::string& path, const ByteVector& bytes) {
    std::filesystem::path target(path);
    std::error_code ec;
    std::filesystem::create_directories(target.parent_path(), ec);
    if (!varnel::writeFileAtomically(target, bytes)) {
        std::cerr << "varnel-uitexts: cannot write " << path << "\n";
        return false;
    }
    return true;
}

int writeTexts(int language, const std::string& sourcePath, const std::string& outputPath) {
    std::optional<std::string> source = readText(sourcePath);
    if (!source) {
        std::cerr << "varnel-uitexts: cannot read " << sourcePath << "\n";
        return 1;
    }
    std::vector<std::string> lines = splitLines(*source);
    if (lines.size() > static_cast<std::size_t>(varnel::kUiTextLines)) {
        std::cerr << sourcePath << ": " << lines.size() << " lines, at most "
                  << varnel::kUiTextLines << " fit\n";
        return 1;
    }
    ByteVector out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string offending;
        std::optional<std::string> bytes = varnel::utf8ToCodePage(language, lines[i], &offending);
        if (!bytes) {
            std::cerr << sourcePath << ":" << i + 1 << ": \"" << offending
                      << "\" is not in code page " << varnel::languageInfo(language).codePage
                      << "\n";
            return 1;
        }
        if (bytes->size() > varnel::kUiTextLineBytes) {
            std::cerr << sourcePath << ":" << i + 1 << ": " << bytes->size() << " bytes, at most "
                      << varnel::kUiTextLineBytes << " fit\n";
            return 1;
        }
        varnel::appendBytes(out, *bytes);
        varnel::appendBytes(out, "\r\n");
    }
    return writeOutput(outputPath, out) ? 0 : 1;
}

// Table rows: suffix, height, face name, separated by tabs; '#' starts a comment line.
int writeFont(int language, const std::string& tablePath, const std::string& outputPath) {
    std::optional<std::string> table = readText(tablePath);
    if (!table) {
        std::cerr << "varnel-uitexts: cannot read " << tablePath << "\n";
        return 1;
    }
    const varnel::LanguageInfo& info = varnel::languageInfo(language);
    for (const std::string& line : splitLines(*table)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::size_t tab1 = line.find('\t');
        std::size_t tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string::npos) {
            std::cerr << tablePath << ": malformed row \"" << line << "\"\n";
            return 1;
        }
        if (line.substr(0, tab1) != info.suffix) {
            continue;
        }
        varnel::DisplayFont font;
        try {
            font.height = std::stoi(line.substr(tab1 + 1, tab2 - tab1 - 1));
        } catch (const std::exception&) {
            std::cerr << tablePath << ": bad height in \"" << line << "\"\n";
            return 1;
        }
        std::optional<std::string> face = varnel::utf8ToCodePage(language, line.substr(tab2 + 1));
        if (!face || face->size() > varnel::kMaxFaceNameBytes) {
            std::cerr << tablePath << ": face name unusable in \"" << line << "\"\n";
            return 1;
        }
        font.faceName = *face;
        font.charSet = static_cast<std::uint8_t>(info.windowsCharSet);
        return writeOutput(outputPath, varnel::serializeDisplayFont(font)) ? 0 : 1;
    }
    std::cerr << tablePath << ": no row for " << info.suffix << "\n";
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: varnel-uitexts texts|font <suffix> <source> <output>\n";
        return 2;
    }
    std::string mode = argv[1];
    std::optional<int> language = varnel::languageFromSuffix(argv[2]);
    if (!language) {
        std::cerr << "varnel-uitexts: unknown language suffix " << argv[2] << "\n";
        return 2;
    }
    if (mode == "texts") {
        return writeTexts(*language, argv[3], argv[4]);
    }
    if (mode == "font") {
        return writeFont(*language, argv[3], argv[4]);
    }
    std::cerr << "varnel-uitexts: unknown mode " << mode << "\n";
    return 2;
}
