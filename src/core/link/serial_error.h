#pragma once

#include <string>

namespace varnel {

// What can go wrong on a serial port, as a small closed set.  Every failure carries the device
// it concerns and one line for the user that says why and what to do.
enum class SerialErrorKind {
    None,
    NoSuchPort,    // nothing stands for the port number, or the device is not there
    NoPermission,  // the device exists but this user may not open it
    Busy,          // the device is in use by another program
    IoError,       // the system rejected an operation on an open port
};

struct SerialError {
    SerialErrorKind kind = SerialErrorKind::None;
    std::string device;       // e.g. "/dev/ttyUSB0", or "COM 3" when no device stands for it
    std::string explanation;  // one line for the user; empty for None

    bool ok() const { return kind == SerialErrorKind::None; }
    explicit operator bool() const { return !ok(); }

    static SerialError none() { return {}; }
    static SerialError make(SerialErrorKind kind, std::string device, std::string explanation) {
        return {kind, std::move(device), std::move(explanation)};
    }
};

// A short name for logs and tests: "None", "NoSuchPort", ...
const char* serialErrorKindName(SerialErrorKind kind);

}  // namespace varnel
