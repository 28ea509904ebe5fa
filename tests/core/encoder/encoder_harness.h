#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/recording_prompt.h"
#include "core/encoder/glyph_fixture.h"
#include "encoder/badge_encoder.h"
#include "project/badge_project.h"

namespace varnel::testing {

// The LangBox indexes the encoder reads bytes 0x80 and above by.
constexpr int kJapanese = 0;
constexpr int kKorean = 1;
constexpr int kChinese = 2;
constexpr int kTraditional = 3;
constexpr int kEnglish = 4;
constexpr int kRussian = 5;

// A program folder full of fixture glyph files and an encoder that reads them.
class EncoderHarness : public ::testing::Test {
  protected:
    EncoderHarness() { writeGlyphFixture(folder.path()); }

    std::vector<std::uint8_t> header(int k) const {
        const std::uint8_t* h = encoder.image().data() + DeviceImage::headerOffset(k);
        return std::vector<std::uint8_t>(h, h + DeviceImage::kHeaderSize);
    }
    // The first n bytes of header k.
    std::vector<std::uint8_t> headerStart(int k, std::size_t n) const {
        auto h = header(k);
        h.resize(n);
        return h;
    }
    std::vector<std::uint8_t> cell(int c) const {
        const std::uint8_t* p = encoder.image().data() + DeviceImage::cellOffset(c);
        return std::vector<std::uint8_t>(p, p + DeviceImage::kCellSize);
    }
    static std::vector<std::uint8_t> blankCell() { return std::vector<std::uint8_t>(32, 0); }

    // count bytes at offset of a fixture glyph file, by its stored name.
    static std::vector<std::uint8_t> fileBytes(std::string_view storedName, std::size_t offset,
                                               std::size_t count) {
        return fixtureBytes(fixtureTag(std::string(storedName)), offset, count);
    }
    static std::vector<std::uint8_t> entryBytes(int set, GlyphFontSet::Entry entry,
                                                std::size_t offset, std::size_t count) {
        return fileBytes(GlyphFontSet::entryName(set, entry), offset, count);
    }

    EncodedBadge encodeTexts(std::initializer_list<std::pair<int, std::string>> texts,
                             int languageId) {
        project = BadgeProject();
        for (const auto& [slot, text] : texts) {
            project.text(slot) = text;
        }
        return encoder.encode(project, languageId);
    }

    TempFolder folder;
    RecordingPrompt prompt;
    BadgeEncoder encoder{folder.path(), prompt};
    BadgeProject project;
};

using Bytes = std::vector<std::uint8_t>;

}  // namespace varnel::testing
