#include "link/link_end_record.h"

namespace varnel {

LinkEndRecord LinkEndRecord::forMessageCount(int n) {
    if (n <= 0) {
        return LinkEndRecord(0x00);
    }
    if (n >= 8) {
        return LinkEndRecord(0xFF);
    }
    return LinkEndRecord(static_cast<std::uint8_t>(0xFFu >> (8 - n)));
}

}  // namespace varnel
