#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace varnel {

using ByteVector = std::vector<std::uint8_t>;

// Whole-file helpers for the program's small binary files.  Reads at most limit bytes; nothing
// when the path is not a readable regular file.
std::optional<ByteVector> readWholeFile(const std::filesystem::path& path,
                                        std::size_t limit = static_cast<std::size_t>(-1));

// Writes through a temporary file in the same folder, flushed and renamed over the target, so
// the target is either the old or the new content.  False when any step failed.
bool writeFileAtomically(const std::filesystem::path& path, const ByteVector& bytes);

// Little-endian appenders and a bounded reader for the fixed byte layouts.
void appendU8(ByteVector& out, std::uint8_t v);
void appendI32(ByteVector& out, std::int32_t v);
void appendBytes(ByteVector& out, const std::string& bytes);

class ByteReader {
  public:
    explicit ByteReader(const ByteVector& bytes) : bytes_(bytes) {}

    bool atEnd() const { return pos_ >= bytes_.size(); }
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }
    void seek(std::size_t pos) { pos_ = pos < bytes_.size() ? pos : bytes_.size(); }

    std::optional<std::uint8_t> u8();
    std::optional<std::int32_t> i32();
    // Exactly n bytes, or nothing (the position then stands at the end).
    std::optional<std::string> bytes(std::size_t n);

  private:
    const ByteVector& bytes_;
    std::size_t pos_ = 0;
};

}  // namespace varnel
