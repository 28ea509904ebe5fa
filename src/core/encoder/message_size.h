#pragma once

#include <string>
#include <string_view>

#include "project/badge_project.h"

namespace varnel {

// What one message needs: header entry bytes (after byte 3) and bitmap cells.
struct MessageSize {
    int entryBytes = 0;
    int cells = 0;
    int lengthByte = 0;  // the value byte 3 of the header must hold
};

// The most entry bytes a header takes: bytes 4 to 254, the end mark at byte 255 at the latest.
constexpr int kMaxEntryBytes = 251;
// The widest picture whose strips fit into one header.
constexpr int kMaxPictureColumns = 2000;

inline constexpr const char* kDoesNotFitText = "The messages do not fit into the badge memory.";
std::string messageTooLongText(int slot);

// Measured without reading any glyph.
MessageSize measureTextMessage(std::string_view text, int languageId);
MessageSize measureImageMessage(const BadgeProject& project, int slot);

// The number of 16-column strips of a picture slot: none when the slot holds no picture,
// otherwise (W - 1) div 16 + 1 (so one for a picture without columns).
int pictureStripCount(const BadgeProject& project, int slot);

// Empty when every message of the send sequence fits into its header and all of them fit into
// the image together; otherwise the text that tells the user why the badge cannot take them.
std::string checkMessagesFit(const BadgeProject& project, std::string_view sequence,
                             int languageId);

}  // namespace varnel
