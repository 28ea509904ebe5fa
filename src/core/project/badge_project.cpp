#include "project/badge_project.h"

namespace varnel {

void BadgeProject::applyNewDefaults() {
    for (auto& t : texts) {
        t.clear();
    }
    pictures = {};
    pictureFlags = 0;
    speeds.fill(kDefaultSpeed);
    actions.fill(kDefaultAction);
    enableMask = kAllSlotsEnabled;
    runSequence = kDefaultRunSequence;
    documentName = kUntitledDocument;
    modified = false;
}

std::uint8_t pictureFlagOf(int slot) {
    return slot == 7 ? kPictureFlagSlot7 : kPictureFlagSlot8;
}

bool BadgeProject::holdsPicture(int slot) const {
    return (pictureFlags & pictureFlagOf(slot)) != 0;
}

void BadgeProject::setPicture(int slot, SlotPicture picture) {
    pictures.at(static_cast<std::size_t>(slot - 7)) = std::move(picture);
    pictureFlags |= pictureFlagOf(slot);
}

void BadgeProject::clearPicture(int slot) {
    pictures.at(static_cast<std::size_t>(slot - 7)) = SlotPicture();
    pictureFlags &= static_cast<std::uint8_t>(~pictureFlagOf(slot));
}

}  // namespace varnel
