#include "project/run_sequence.h"

#include "project/slot_rules.h"

namespace varnel {

std::string cleanRunSequence(std::string_view typed) {
    if (typed.empty()) {
        return kDefaultRunSequence;
    }
    std::string result;
    for (char c : typed) {
        if (c < '1' || c > '8') {
            c = '1';
        }
        if (result.find(c) == std::string::npos) {
            result.push_back(c);
        }
    }
    return result;
}

std::string sendSequence(const BadgeProject& project) {
    std::string result;
    for (char c : cleanRunSequence(project.runSequence)) {
        int slot = c - '0';
        if (!isSlotEnabled(project.enableMask, slot)) {
            continue;
        }
        bool hasContent = slot <= kTextSlotCount
                              ? !project.text(slot).empty()
                              : project.holdsPicture(slot) && project.picture(slot).hasColumns();
        if (hasContent) {
            result.push_back(c);
        }
    }
    return result;
}

}  // namespace varnel
