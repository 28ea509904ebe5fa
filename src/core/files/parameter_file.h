#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "common/byte_file.h"
#include "common/user_prompt.h"

namespace varnel {

// "setup.ini" in the program folder: a 15-byte header, the chosen Windows edition as one bit,
// the port item index (signed 32-bit) and "END"; 23 bytes.
inline constexpr const char* kParameterFileName = "setup.ini";
constexpr int kPortItemCount = 11;  // "AUTO", "COM 1" .. "COM 10"

// The language byte of a LangBox item index; 0 when no item (or an unknown one) is chosen.
std::uint8_t languageByteOf(int languageId);
// The LangBox item index of a language byte; nothing for any byte outside the table.
std::optional<int> languageIdOfByte(std::uint8_t byte);

ByteVector parameterBytes(int languageId, int portIndex);

// What a read found; a value is absent when the file did not give it.
struct StoredParameters {
    std::optional<int> portIndex;   // always 0..10
    std::optional<int> languageId;  // 0..5
};

class ParameterFile {
  public:
    explicit ParameterFile(std::filesystem::path programFolder);

    std::filesystem::path path() const;

    // Reads the file.  A missing or unreadable file sets the first-run flag and gives nothing;
    // a file without its end mark gives the port only and shows " End of File not found! ".
    StoredParameters read(UserPrompt& prompt);

    // Writes the file and clears the first-run flag.  False when it could not be written.
    bool save(int languageId, int portIndex);

    bool firstRun() const { return firstRun_; }

  private:
    std::filesystem::path folder_;
    bool firstRun_ = false;
};

}  // namespace varnel
