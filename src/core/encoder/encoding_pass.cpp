#include "encoder/encoding_pass.h"

#include <algorithm>

#include "encoder/message_encoders.h"

namespace varnel {

void runEncodingPass(EncodingContext& ctx, const BadgeProject& project, std::string_view sequence,
                     int languageId) {
    ctx.image.clear();
    ctx.cellCount = 0;
    const int n = static_cast<int>(
        std::min(sequence.size(), static_cast<std::size_t>(DeviceImage::kMaxMessages)));
    for (int k = 0; k < n; ++k) {
        const char ch = sequence[static_cast<std::size_t>(k)];
        if (ch <= '6') {
            EncodeTextMessage(ctx, project, ch, k, languageId);
        } else {
            EncodeImageMessage(ctx, project, ch, k);
        }
    }
}

}  // namespace varnel
