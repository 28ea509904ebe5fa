#pragma once

#include <optional>
#include <vector>

#include "link/link_result.h"
#include "link/link_user.h"
#include "link/serial_port.h"

namespace varnel {

// The port choice of the main window's ComBox: items 1 to 10 ("COM 1" to "COM 10") name that
// port; item 0 ("AUTO") and no selection mean the automatic scan (nothing).
std::optional<int> portFromComBoxIndex(int index);

// The message for a chosen port that did not open: the fixed text, and for a device that exists
// but may not be opened a second line that says why and what to do.
std::string cannotOpenMessage(const char* text, const SerialError& error);

enum class ScanKind {
    Send,    // ports 20 down to 1, the list of ports shown, letters 'A' to 'E' after the answer
    Upload,  // ports 1 up to 8, nothing shown, nothing after the answer
};

struct ScanOutcome {
    std::optional<int> port;           // the badge's port, left open
    std::vector<PortRefusal> refused;  // ports that exist but could not be opened
    SerialError writeError;            // a write after the badge answered was rejected
};

// Looks for the badge: opens each port, sets the line and the read time-outs, writes 'T' and
// takes the badge to be there when 'T' comes back within the time-out.
ScanOutcome scanForBadge(ScanKind kind, SerialPorts& ports, LinkUser& user);

}  // namespace varnel
