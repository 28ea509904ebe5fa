#pragma once

#include <vector>

#include "link/serial_error.h"

namespace varnel {

enum class LinkOutcome {
    Completed,      // every byte was handed to the port and the port closed
    PortNotOpened,  // the chosen port could not be opened
    NoBadgeFound,   // the automatic scan found no badge
    Cancelled,      // the user declined the size question
    WriteFailed,    // the system rejected a write; the transfer ended there
};

// A port that exists but was skipped by the scan because it could not be opened.
struct PortRefusal {
    int port = 0;
    SerialError error;
};

struct LinkResult {
    LinkOutcome outcome = LinkOutcome::Completed;
    int port = 0;                      // the port used, 0 when none was opened
    SerialError error;                 // why the port could not be opened or written
    std::vector<PortRefusal> refused;  // ports the scan could not open (no permission, busy, ...)
};

}  // namespace varnel
