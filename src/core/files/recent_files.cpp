#include "files/recent_files.h"

#include <utility>

namespace varnel {

namespace {

constexpr std::size_t kMaxPathBytes = 255;

}  // namespace

ByteVector recentFilesBytes(const RecentEntries& entries) {
    ByteVector out;
    for (const auto& entry : entries) {
        appendU8(out, static_cast<std::uint8_t>(entry.size()));
        appendBytes(out, entry);
    }
    return out;
}

std::string recentEntryCaption(const std::string& path) {
    auto cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

RecentFiles::RecentFiles(std::filesystem::path programFolder) : folder_(std::move(programFolder)) {}

std::filesystem::path RecentFiles::path() const {
    return folder_ / kRecentFilesName;
}

bool RecentFiles::read() {
    auto bytes = readWholeFile(path());
    if (!bytes) {
        return false;
    }
    ByteReader in(*bytes);
    bool cut = false;
    for (auto& entry : entries_) {
        entry.clear();
        if (cut) {
            continue;
        }
        auto length = in.u8();
        auto text = length ? in.bytes(*length) : std::nullopt;
        if (!text) {
            cut = true;
            continue;
        }
        entry = *text;
    }
    return true;
}

bool RecentFiles::save(const std::string& documentPath) {
    if (documentPath.empty() || documentPath.size() > kMaxPathBytes ||
        documentPath == entries_[0]) {
        return false;
    }
    if (documentPath == entries_[1]) {
        std::swap(entries_[0], entries_[1]);
    } else if (documentPath == entries_[2]) {
        entries_[2] = entries_[1];
        entries_[1] = entries_[0];
        entries_[0] = documentPath;
    } else {
        entries_[3] = entries_[2];
        entries_[2] = entries_[1];
        entries_[1] = entries_[0];
        entries_[0] = documentPath;
    }
    writeFileAtomically(path(), recentFilesBytes(entries_));
    refreshRequested_ = true;
    return true;
}

bool RecentFiles::takeRefreshRequest() {
    return std::exchange(refreshRequested_, false);
}

}  // namespace varnel
