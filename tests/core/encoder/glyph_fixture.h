#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace varnel::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// The content of a fixture glyph file: every byte depends on the file's tag and its offset, so a
// copied glyph tells which file and which place it came from.
std::uint8_t fixtureByte(int tag, std::size_t offset);
std::vector<std::uint8_t> fixtureBytes(int tag, std::size_t offset, std::size_t count);

// Writes a file of size bytes of fixture content; creates the folders on the way.
void writeFixtureFile(const std::filesystem::path& path, int tag, std::size_t size);

// The fifteen distinct glyph file names of all sets, and the tag of each in a glyph fixture.
int fixtureTag(const std::string& storedName);

// Fills a program folder with every glyph file of every set.  Double-byte files hold 48 rows of
// lead bytes (0x81 to 0xB0); the others have their full size.
void writeGlyphFixture(const std::filesystem::path& programFolder);

constexpr std::size_t kFixtureDoubleByteRows = 48;

}  // namespace varnel::testing
