// Reads the entries of the launcher's menu file: runs of printable bytes split at control bytes.
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace launcher {

// The menu file holds seven entries: title, headline, three captions, two program paths.
inline constexpr std::size_t kInstallEntryCount = 7;

// The longest entry; the bytes after it start the next entry.
inline constexpr std::size_t kMaxEntryBytes = 100;

// Reads one entry: skips bytes below 32, then takes bytes of 32 or more until a byte below 32
// (which is consumed), the end of the stream or kMaxEntryBytes bytes. Bytes from 128 on are kept
// as they are. Returns nothing when the stream ends before an entry starts.
std::optional<std::string> readInstallLine(std::istream& in);

// Reads up to `count` entries; the result is shorter when the stream runs out first.
std::vector<std::string> readInstallLines(std::istream& in, std::size_t count = kInstallEntryCount);

}  // namespace launcher
