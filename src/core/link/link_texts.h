#pragma once

namespace varnel::link_texts {

// The texts a transfer shows, exactly as the program has always shown them.
inline constexpr const char* kSendMessage = "Send Message:";
inline constexpr const char* kEmpty = "Empty";
inline constexpr const char* kAvailableCom = "Available COM:";
inline constexpr const char* kCom = "COM:";
inline constexpr const char* kSizeQuestion =
    " Warning: Maybe too many words in message!\r Are you sure to send the message ? ";
inline constexpr const char* kSendCannotOpen = "Can't Open the serial port!";
inline constexpr const char* kUploadCannotOpen = "Serial port can't open!";
inline constexpr const char* kCannotWrite = "Can't write to the serial port!";

}  // namespace varnel::link_texts
