#include "files/document_file.h"

#include <algorithm>
#include <system_error>

#include "common/byte_file.h"

namespace varnel {

namespace {

constexpr char kHeader[15] = {' ', 'a', 'a', 'a', 'a', 'a', ' ', 'a',
                              'b', 'c', 'd', ' ', ' ', ' ', '\0'};
constexpr std::size_t kHeaderSize = sizeof(kHeader);

// No document can be longer than this: everything behind it lies past the end mark.
constexpr std::size_t kLargestDocument =
    kHeaderSize + 2 * kSlotCount + (1 + kMaxStoredTextBytes) * (1 + kTextSlotCount) + 1 + 1 +
    2 * (8 + 4 * static_cast<std::size_t>(kMaxStoredPictureWidth) * kMaxStoredPictureHeight) + 3;

void appendCounted(ByteVector& out, const std::string& text) {
    std::size_t n = std::min(text.size(), kMaxStoredTextBytes);
    appendU8(out, static_cast<std::uint8_t>(n));
    out.insert(out.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(n));
}

std::optional<std::string> readCounted(ByteReader& in) {
    auto n = in.u8();
    if (!n) {
        return std::nullopt;
    }
    return in.bytes(*n);
}

void appendPicture(ByteVector& out, const SlotPicture& picture) {
    appendI32(out, picture.width());
    appendI32(out, picture.height());
    for (int x = 0; x < picture.width(); ++x) {
        for (int y = 0; y < picture.height(); ++y) {
            appendI32(out, static_cast<std::int32_t>(picture.at(x, y)));
        }
    }
}

enum class PictureRead { Done, Truncated, OutOfRange };

PictureRead readPicture(ByteReader& in, SlotPicture& picture) {
    auto width = in.i32();
    auto height = in.i32();
    if (!width || !height) {
        return PictureRead::Truncated;
    }
    if (*width < 0 || *height < 0 || *width > kMaxStoredPictureWidth ||
        *height > kMaxStoredPictureHeight) {
        return PictureRead::OutOfRange;
    }
    std::size_t count = static_cast<std::size_t>(*width) * static_cast<std::size_t>(*height);
    if (in.remaining() / 4 < count) {
        in.seek(in.position() + in.remaining());
        return PictureRead::Truncated;
    }
    SlotPicture read(*width, *height);
    for (int x = 0; x < *width; ++x) {
        for (int y = 0; y < *height; ++y) {
            read.set(x, y, static_cast<std::uint32_t>(*in.i32()));
        }
    }
    picture = std::move(read);
    return PictureRead::Done;
}

}  // namespace

ByteVector documentBytes(const BadgeProject& project) {
    ByteVector out(kHeader, kHeader + kHeaderSize);
    out.insert(out.end(), project.speeds.begin(), project.speeds.end());
    out.insert(out.end(), project.actions.begin(), project.actions.end());
    appendCounted(out, project.runSequence);
    appendU8(out, project.enableMask);
    for (const auto& text : project.texts) {
        appendCounted(out, text);
    }
    appendU8(out, project.pictureFlags);
    for (int slot = 7; slot <= 8; ++slot) {
        if (project.holdsPicture(slot)) {
            appendPicture(out, project.picture(slot));
        }
    }
    appendBytes(out, "END");
    return out;
}

bool saveDocFile(const std::filesystem::path& path, const BadgeProject& project) {
    return writeFileAtomically(path, documentBytes(project));
}

DocumentLoad readDocument(const ByteVector& bytes, BadgeProject& project, UserPrompt& prompt) {
    ByteReader in(bytes);
    auto header = in.bytes(kHeaderSize);
    if (!header || (*header)[2] != 'a') {
        prompt.message(kFileReadError);
        return DocumentLoad::NotRead;
    }
    auto truncated = [&prompt] {
        prompt.message(kEndNotFound);
        return DocumentLoad::MissingEnd;
    };

    for (auto* values : {&project.speeds, &project.actions}) {
        for (auto& value : *values) {
            auto b = in.u8();
            if (!b) {
                return truncated();
            }
            value = *b;
        }
    }
    auto run = readCounted(in);
    if (!run) {
        return truncated();
    }
    project.runSequence = *run;
    auto mask = in.u8();
    if (!mask) {
        return truncated();
    }
    project.enableMask = *mask;
    for (auto& text : project.texts) {
        auto t = readCounted(in);
        if (!t) {
            return truncated();
        }
        text = *t;
    }
    auto flags = in.u8();
    if (!flags) {
        return truncated();
    }
    project.pictureFlags = *flags;
    project.pictures = {};

    for (int slot = 7; slot <= 8; ++slot) {
        if (!project.holdsPicture(slot)) {
            continue;
        }
        SlotPicture picture;
        PictureRead result = readPicture(in, picture);
        if (result != PictureRead::Done) {
            // This slot and any later one stay without a picture.
            for (int rest = slot; rest <= 8; ++rest) {
                project.clearPicture(rest);
            }
            if (result == PictureRead::OutOfRange) {
                prompt.message(kFileReadError);
                return DocumentLoad::BadPicture;
            }
            return truncated();
        }
        project.setPicture(slot, std::move(picture));
    }

    auto end = in.u8();
    if (!end || *end != 'E') {
        return truncated();
    }
    return DocumentLoad::Complete;
}

DocumentLoad loadDocFile(const std::filesystem::path& path, BadgeProject& project,
                         UserPrompt& prompt) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        prompt.message(path.string() + kFileNotFoundSuffix);
        return DocumentLoad::NotRead;
    }
    auto bytes = readWholeFile(path, kLargestDocument);
    if (!bytes) {
        prompt.message(kFileReadError);
        return DocumentLoad::NotRead;
    }
    return readDocument(*bytes, project, prompt);
}

}  // namespace varnel
