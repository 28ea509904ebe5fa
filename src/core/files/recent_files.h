#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "common/byte_file.h"

namespace varnel {

// "History.ini" in the program folder: the four most recent documents, newest first, each as a
// length byte and the path's bytes; an empty entry is a single zero byte.
inline constexpr const char* kRecentFilesName = "History.ini";
constexpr int kRecentEntryCount = 4;

using RecentEntries = std::array<std::string, kRecentEntryCount>;

ByteVector recentFilesBytes(const RecentEntries& entries);

// The menu caption of an entry: its file name without the folder.
std::string recentEntryCaption(const std::string& path);

class RecentFiles {
  public:
    explicit RecentFiles(std::filesystem::path programFolder);

    std::filesystem::path path() const;
    const RecentEntries& entries() const { return entries_; }
    const std::string& entry(int index) const {
        return entries_.at(static_cast<std::size_t>(index));
    }

    // Loads the file; a missing file leaves the list as it is, an entry cut short by the end of
    // the file and the entries after it are empty.  False when there was no file.
    bool read();

    // Brings a saved or opened document to the front, writes the file and asks for a menu
    // refresh.  Nothing happens when it already is the newest entry (paths compare byte for
    // byte) or when it does not fit a length byte.  True when the list changed.
    bool save(const std::string& documentPath);

    // The deferred menu refresh that save() asks for; taking it clears the request.
    bool refreshRequested() const { return refreshRequested_; }
    bool takeRefreshRequest();

  private:
    std::filesystem::path folder_;
    RecentEntries entries_;
    bool refreshRequested_ = false;
};

}  // namespace varnel
