#pragma once

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>

#include "common/byte_file.h"

namespace varnel::testing {

// A fresh folder under the system's temporary folder, removed with its content afterwards.
class TempFolder {
  public:
    TempFolder() {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("varnel-files-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

inline ByteVector bytesOf(const std::string& s) {
    return ByteVector(s.begin(), s.end());
}

inline ByteVector fileBytes(const std::filesystem::path& path) {
    auto bytes = readWholeFile(path);
    return bytes ? *bytes : ByteVector{};
}

inline void writeBytes(const std::filesystem::path& path, const ByteVector& bytes) {
    writeFileAtomically(path, bytes);
}

}  // namespace varnel::testing
