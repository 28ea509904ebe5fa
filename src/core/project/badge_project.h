#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "project/slot_picture.h"

namespace varnel {

constexpr int kSlotCount = 8;
constexpr int kTextSlotCount = 6;
constexpr std::size_t kMaxTypedTextBytes = 250;
constexpr std::size_t kMaxRunSequenceChars = 8;

constexpr std::uint8_t kDefaultSpeed = 4;
constexpr std::uint8_t kDefaultAction = 1;
constexpr std::uint8_t kAllSlotsEnabled = 0xFF;
constexpr const char* kDefaultRunSequence = "12345678";
constexpr const char* kUntitledDocument = "untitle.bge";

// PictureFlags bits.
constexpr std::uint8_t kPictureFlagSlot7 = 0x02;
constexpr std::uint8_t kPictureFlagSlot8 = 0x04;

// The whole editable content of a badge: six texts, two pictures and their settings.
// Slots are numbered 1 to 8; texts hold code-page bytes.
struct BadgeProject {
    std::array<std::string, kTextSlotCount> texts;  // slots 1..6
    std::array<SlotPicture, 2> pictures;            // slots 7, 8
    std::uint8_t pictureFlags = 0;
    std::array<std::uint8_t, kSlotCount> speeds{};   // element i: slot i + 1
    std::array<std::uint8_t, kSlotCount> actions{};  // element i: slot i + 1
    std::uint8_t enableMask = kAllSlotsEnabled;
    std::string runSequence = kDefaultRunSequence;
    std::string documentName = kUntitledDocument;
    bool modified = false;

    BadgeProject() { applyNewDefaults(); }

    void applyNewDefaults();

    // Slot accessors, slot numbers 1..8.
    const std::string& text(int slot) const { return texts.at(static_cast<std::size_t>(slot - 1)); }
    std::string& text(int slot) { return texts.at(static_cast<std::size_t>(slot - 1)); }
    const SlotPicture& picture(int slot) const {
        return pictures.at(static_cast<std::size_t>(slot - 7));
    }
    std::uint8_t& speed(int slot) { return speeds.at(static_cast<std::size_t>(slot - 1)); }
    std::uint8_t speed(int slot) const { return speeds.at(static_cast<std::size_t>(slot - 1)); }
    std::uint8_t& action(int slot) { return actions.at(static_cast<std::size_t>(slot - 1)); }
    std::uint8_t action(int slot) const { return actions.at(static_cast<std::size_t>(slot - 1)); }

    // A picture slot holds a picture when its PictureFlags bit is set.
    bool holdsPicture(int slot) const;
    // Load and Del keep the picture and its flag in step.
    void setPicture(int slot, SlotPicture picture);
    void clearPicture(int slot);
};

std::uint8_t pictureFlagOf(int slot);

}  // namespace varnel
