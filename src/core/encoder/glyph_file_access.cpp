#include "encoder/glyph_file_access.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace varnel {

namespace {

class SystemGlyphFiles : public GlyphFileAccess {
  public:
    std::optional<std::size_t> readAt(const std::filesystem::path& path, std::int64_t offset,
                                      std::span<std::uint8_t> dest) override {
        int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            if (errno == ENOENT || errno == ENOTDIR) {
                return std::nullopt;
            }
            return 0;
        }
        std::size_t got = 0;
        bool missing = false;
        if (offset >= 0 && ::lseek(fd, static_cast<off_t>(offset), SEEK_SET) == offset) {
            while (got < dest.size()) {
                ssize_t n = ::read(fd, dest.data() + got, dest.size() - got);
                if (n < 0 && errno == EINTR) {
                    continue;
                }
                if (n < 0 && errno == EISDIR) {
                    missing = true;  // a folder is no font file
                }
                if (n <= 0) {
                    break;
                }
                got += static_cast<std::size_t>(n);
            }
        }
        ::close(fd);
        if (missing) {
            return std::nullopt;
        }
        return got;
    }
};

}  // namespace

GlyphFileAccess& systemGlyphFiles() {
    static SystemGlyphFiles files;
    return files;
}

}  // namespace varnel
