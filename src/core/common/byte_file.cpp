#include "common/byte_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

namespace varnel {

std::optional<ByteVector> readWholeFile(const std::filesystem::path& path, std::size_t limit) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    ByteVector bytes;
    char chunk[65536];
    while (bytes.size() < limit && in) {
        const std::size_t want = std::min(sizeof chunk, limit - bytes.size());
        in.read(chunk, static_cast<std::streamsize>(want));
        bytes.insert(bytes.end(), chunk, chunk + in.gcount());
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

bool writeFileAtomically(const std::filesystem::path& given, const ByteVector& bytes) {
    // A name that is a symbolic link stands for the file it points to: replace that file and
    // keep the link.
    std::error_code linkError;
    std::filesystem::path path = given;
    if (std::filesystem::is_symlink(given, linkError)) {
        std::filesystem::path resolved = std::filesystem::weakly_canonical(given, linkError);
        if (!linkError) {
            path = resolved;
        }
    }
    std::filesystem::path folder = path.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    int fd = mkstemp(pattern.data());
    if (fd < 0) {
        return false;
    }
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            ok = false;
        } else {
            done += static_cast<std::size_t>(n);
        }
    }
    if (ok && ::fsync(fd) != 0) {
        ok = false;
    }
    if (::close(fd) != 0) {
        ok = false;
    }
    if (ok) {
        // A file that is replaced keeps its permissions; a new one gets the usual ones rather
        // than mkstemp's 0600.
        struct stat old {};
        if (::stat(path.c_str(), &old) == 0) {
            ::chmod(pattern.c_str(), old.st_mode & 07777);
        } else {
            mode_t mask = ::umask(0);
            ::umask(mask);
            ::chmod(pattern.c_str(), 0666 & ~mask);
        }
        ok = std::rename(pattern.c_str(), path.c_str()) == 0;
    }
    if (!ok) {
        std::remove(pattern.c_str());
    }
    return ok;
}

void appendU8(ByteVector& out, std::uint8_t v) {
    out.push_back(v);
}

void appendI32(ByteVector& out, std::int32_t v) {
    auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
    }
}

void appendBytes(ByteVector& out, const std::string& bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

std::optional<std::uint8_t> ByteReader::u8() {
    if (pos_ >= bytes_.size()) {
        return std::nullopt;
    }
    return bytes_[pos_++];
}

std::optional<std::int32_t> ByteReader::i32() {
    if (remaining() < 4) {
        pos_ = bytes_.size();
        return std::nullopt;
    }
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i) {
        u |= static_cast<std::uint32_t>(bytes_[pos_ + i]) << (8 * i);
    }
    pos_ += 4;
    return static_cast<std::int32_t>(u);
}

std::optional<std::string> ByteReader::bytes(std::size_t n) {
    if (remaining() < n) {
        pos_ = bytes_.size();
        return std::nullopt;
    }
    std::string out(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_),
                    bytes_.begin() + static_cast<std::ptrdiff_t>(pos_ + n));
    pos_ += n;
    return out;
}

}  // namespace varnel
