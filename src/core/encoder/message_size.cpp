#include "encoder/message_size.h"

#include "encoder/device_image.h"
#include "encoder/text_units.h"

namespace varnel {

std::string messageTooLongText(int slot) {
    return "Message " + std::to_string(slot) + " is too long for the badge.";
}

MessageSize measureTextMessage(std::string_view text, int languageId) {
    MessageSize size;
    size.lengthByte = static_cast<int>(text.size());
    forEachTextUnit(text, languageId, [&size](const TextUnit& unit) {
        size.entryBytes += unit.entryBytes();
        size.cells += unit.cells();
    });
    return size;
}

int pictureStripCount(const BadgeProject& project, int slot) {
    if (!project.holdsPicture(slot)) {
        return 0;
    }
    // Division toward zero: a picture without columns still gives one strip.
    return (project.picture(slot).width() - 1) / 16 + 1;
}

MessageSize measureImageMessage(const BadgeProject& project, int slot) {
    MessageSize size;
    size.cells = pictureStripCount(project, slot);
    size.entryBytes = 2 * size.cells;
    size.lengthByte = size.cells;
    return size;
}

std::string checkMessagesFit(const BadgeProject& project, std::string_view sequence,
                             int languageId) {
    long cells = 0;
    for (char ch : sequence) {
        const int slot = ch - '0';
        MessageSize size;
        if (slot >= 1 && slot <= kTextSlotCount) {
            size = measureTextMessage(project.text(slot), languageId);
        } else if (slot == 7 || slot == 8) {
            size = measureImageMessage(project, slot);
        } else {
            continue;
        }
        if (size.entryBytes > kMaxEntryBytes || size.lengthByte > 255) {
            return messageTooLongText(slot);
        }
        cells += size.cells;
    }
    if (sequence.size() > static_cast<std::size_t>(DeviceImage::kMaxMessages) ||
        cells > DeviceImage::kCellCapacity) {
        return kDoesNotFitText;
    }
    return {};
}

}  // namespace varnel
