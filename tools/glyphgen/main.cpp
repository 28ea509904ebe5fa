// varnel-glyphgen: draws the glyph files that lie beside the program from installed fonts.
//
//   varnel-glyphgen --program-dir DIR [--depfile FILE] NAME...
//   varnel-glyphgen --program-dir DIR --all [--list-fallbacks]
//
// NAME is a file's path under the program folder, e.g. "system16/_system/JAPANESE/ms1.bin".
// --list-fallbacks also lists the characters that the first font of a chain did not draw.
// Each file is written whole through a temporary file.  Prints one summary line per file and
// exits with 1 when a font is missing or a character of a code page has no glyph in any font of
// its chain; 2 on a usage error.

#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "font_catalog.h"
#include "glyph_files.h"

namespace fs = std::filesystem;
using namespace varnel::glyphgen;

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: varnel-glyphgen --program-dir DIR [--depfile FILE] NAME...\n"
                 "       varnel-glyphgen --program-dir DIR --all [--list-fallbacks]\n"
                 "names:\n");
    for (const GlyphFileRecipe& file : glyphFiles()) {
        std::fprintf(stderr, "  %s\n", file.name);
    }
    return 2;
}

bool writeWhole(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    fs::path temporary = path;
    temporary += ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            return false;
        }
    }
    fs::rename(temporary, path, error);
    return !error;
}

// Make syntax for a dependency file: blanks and '#' escaped, '$' doubled.
std::string escapeForMake(const std::string& path) {
    std::string out;
    for (char c : path) {
        if (c == ' ' || c == '#') {
            out += '\\';
        } else if (c == '$') {
            out += '$';
        }
        out += c;
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    fs::path programDir;
    fs::path depfile;
    std::vector<const GlyphFileRecipe*> wanted;
    bool listFallbacks = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--program-dir" && i + 1 < argc) {
            programDir = argv[++i];
        } else if (arg == "--depfile" && i + 1 < argc) {
            depfile = argv[++i];
        } else if (arg == "--list-fallbacks") {
            listFallbacks = true;
        } else if (arg == "--all") {
            for (const GlyphFileRecipe& file : glyphFiles()) {
                wanted.push_back(&file);
            }
        } else if (const GlyphFileRecipe* file = findGlyphFile(arg)) {
            wanted.push_back(file);
        } else {
            std::fprintf(stderr, "varnel-glyphgen: unknown argument %s\n", arg.c_str());
            return usage();
        }
    }
    if (programDir.empty() || wanted.empty()) {
        return usage();
    }

    const auto start = std::chrono::steady_clock::now();
    std::string targets;
    std::string inputs;
    for (const GlyphFileRecipe* recipe : wanted) {
        const fs::path target = programDir / recipe->name;
        GeneratedFile file;
        try {
            file = generateFile(*recipe, listFallbacks);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "varnel-glyphgen: %s: %s\n", recipe->name, e.what());
            return 1;
        }
        std::printf("%s\n", file.summary.c_str());
        if (!file.missing.empty()) {
            std::fprintf(stderr, "varnel-glyphgen: %s: %zu characters have no glyph:", recipe->name,
                         file.missing.size());
            for (std::size_t i = 0; i < file.missing.size() && i < 40; ++i) {
                std::fprintf(stderr, " %s", file.missing[i].c_str());
            }
            std::fprintf(stderr, "\n");
            return 1;
        }
        if (!writeWhole(target, file.bytes)) {
            std::fprintf(stderr, "varnel-glyphgen: cannot write %s\n", target.c_str());
            return 1;
        }
        targets += " " + escapeForMake(target.string());
        for (const std::string& input : file.inputs) {
            inputs += " \\\n  " + escapeForMake(input);
        }
    }
    if (wanted.size() > 1) {
        std::printf(
            "%zu files in %.2f s\n", wanted.size(),
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    if (!depfile.empty()) {
        std::ofstream out(depfile, std::ios::trunc);
        out << targets.substr(1) << ":" << inputs << "\n";
        if (!out.flush()) {
            std::fprintf(stderr, "varnel-glyphgen: cannot write %s\n", depfile.c_str());
            return 1;
        }
    }
    return 0;
}
