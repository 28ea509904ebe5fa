#include "core/encoder/glyph_fixture.h"

#include <fstream>
#include <random>
#include <stdexcept>

#include "common/program_folder.h"
#include "encoder/glyph_font_set.h"

namespace varnel::testing {

TempFolder::TempFolder() {
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = std::filesystem::temp_directory_path() /
                         ("varnel-encoder-" + std::to_string(rd()) + std::to_string(attempt));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::uint8_t fixtureByte(int tag, std::size_t offset) {
    std::size_t v = static_cast<std::size_t>(tag) * 37 + offset * 11 + (offset >> 5) * 3 +
                    (offset >> 8) * 5 + (offset >> 16);
    return static_cast<std::uint8_t>(v & 0xFF);
}

std::vector<std::uint8_t> fixtureBytes(int tag, std::size_t offset, std::size_t count) {
    std::vector<std::uint8_t> out(count);
    for (std::size_t i = 0; i < count; ++i) {
        out[i] = fixtureByte(tag, offset + i);
    }
    return out;
}

void writeFixtureFile(const std::filesystem::path& path, int tag, std::size_t size) {
    std::filesystem::create_directories(path.parent_path());
    std::vector<std::uint8_t> bytes = fixtureBytes(tag, 0, size);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(size));
}

namespace {

std::vector<std::string> distinctNames() {
    std::vector<std::string> names;
    for (int set = 1; set <= GlyphFontSet::kSetCount; ++set) {
        for (int e = 0; e < GlyphFontSet::kEntryCount; ++e) {
            std::string name(GlyphFontSet::entryName(set, GlyphFontSet::Entry(e)));
            bool known = false;
            for (const auto& n : names) {
                known = known || n == name;
            }
            if (!known) {
                names.push_back(name);
            }
        }
    }
    return names;
}

}  // namespace

int fixtureTag(const std::string& storedName) {
    auto names = distinctNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == storedName) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

void writeGlyphFixture(const std::filesystem::path& programFolder) {
    for (int set = 1; set <= GlyphFontSet::kSetCount; ++set) {
        for (int e = 0; e < GlyphFontSet::kEntryCount; ++e) {
            std::string name(GlyphFontSet::entryName(set, GlyphFontSet::Entry(e)));
            std::size_t size = 0;
            switch (e) {
                case GlyphFontSet::kPictures:
                    size = 768;
                    break;
                case GlyphFontSet::kJapaneseSingleByte:
                    size = 4096;
                    break;
                case GlyphFontSet::kResidentFont:
                    size = 3072;
                    break;
                default:
                    size = kFixtureDoubleByteRows * 192 * 32;
                    break;
            }
            writeFixtureFile(programFile(programFolder, name), fixtureTag(name), size);
        }
    }
}

}  // namespace varnel::testing
