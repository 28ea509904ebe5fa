#include "files/parameter_file.h"

#include <array>
#include <system_error>
#include <utility>

#include "files/document_file.h"

namespace varnel {

namespace {

constexpr std::array<std::uint8_t, 6> kLanguageBytes = {0x08, 0x04, 0x02, 0x01, 0x10, 0x20};
constexpr std::size_t kLanguageOffset = 15;

}  // namespace

std::uint8_t languageByteOf(int languageId) {
    if (languageId < 0 || languageId >= static_cast<int>(kLanguageBytes.size())) {
        return 0;
    }
    return kLanguageBytes[static_cast<std::size_t>(languageId)];
}

std::optional<int> languageIdOfByte(std::uint8_t byte) {
    for (std::size_t i = 0; i < kLanguageBytes.size(); ++i) {
        if (kLanguageBytes[i] == byte) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

ByteVector parameterBytes(int languageId, int portIndex) {
    ByteVector out;
    appendBytes(out, "  badge40      ");
    appendU8(out, languageByteOf(languageId));
    appendI32(out, portIndex);
    appendBytes(out, "END");
    return out;
}

ParameterFile::ParameterFile(std::filesystem::path programFolder)
    : folder_(std::move(programFolder)) {}

std::filesystem::path ParameterFile::path() const {
    return folder_ / kParameterFileName;
}

StoredParameters ParameterFile::read(UserPrompt& prompt) {
    firstRun_ = false;
    StoredParameters found;
    auto bytes = readWholeFile(path());
    if (!bytes) {
        firstRun_ = true;
        return found;
    }
    ByteReader in(*bytes);
    in.seek(kLanguageOffset);
    auto language = in.u8();
    auto port = in.i32();
    if (port) {
        found.portIndex = (*port >= 0 && *port < kPortItemCount) ? *port : 0;
    }
    auto end = in.u8();
    if (!end || *end != 'E') {
        prompt.message(kEndNotFound);
        return found;
    }
    found.languageId = languageIdOfByte(*language);
    return found;
}

bool ParameterFile::save(int languageId, int portIndex) {
    firstRun_ = false;
    return writeFileAtomically(path(), parameterBytes(languageId, portIndex));
}

}  // namespace varnel
