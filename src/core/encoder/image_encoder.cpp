#include <algorithm>

#include "encoder/message_encoders.h"
#include "encoder/message_size.h"
#include "project/slot_rules.h"

namespace varnel {

void EncodeImageMessage(EncodingContext& ctx, const BadgeProject& project, char ch, int k) {
    const int slot = ch - '0';
    if (slot < 7 || slot > 8 || k < 0 || k >= DeviceImage::kMaxMessages) {
        return;
    }
    std::uint8_t* header = ctx.image.header(k);
    const SlotPicture& picture = project.picture(slot);
    const int strips = pictureStripCount(project, slot);
    header[0] = speedHeaderByte(project.speed(slot));
    header[1] = static_cast<std::uint8_t>(k + 0x31);
    header[2] = actionHeaderByte(project.action(slot));
    header[3] = static_cast<std::uint8_t>(strips);
    header[4] = 0;
    // Entries end at byte 254 at the latest, the end mark at 255.
    const int fitting = std::min(strips, int(DeviceImage::kHeaderSize - 5) / 2);
    header[4 + 2 * fitting] = 0;
    for (int i = 0; i < strips; ++i) {
        const int c = ctx.cellCount;
        if (i < fitting) {
            header[4 + 2 * i] = static_cast<std::uint8_t>(0x80 + c / 256);
            header[5 + 2 * i] = static_cast<std::uint8_t>(c % 256);
        }
        if (c >= 0 && c < DeviceImage::kCellCapacity) {
            std::uint8_t* cell = ctx.image.cell(c);
            for (int y = 0; y < 16; ++y) {
                for (int half = 0; half < 2; ++half) {
                    std::uint8_t bits = 0;
                    for (int bit = 0; bit < 8; ++bit) {
                        if (picture.isLit(16 * i + 8 * half + bit, y)) {
                            bits |= static_cast<std::uint8_t>(0x80 >> bit);
                        }
                    }
                    cell[2 * y + half] = bits;
                }
            }
        }
        ctx.cellCount += 1;
    }
}

}  // namespace varnel
