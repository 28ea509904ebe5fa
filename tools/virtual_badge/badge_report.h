#pragma once

#include <string>
#include <vector>

#include "badge_protocol.h"

namespace varnel::badge {

// The report as JSON: {"sessions": [...], "ok": bool}; the last session may be unfinished.
std::string reportJson(const std::vector<Session>& finished, const Session* unfinished);

}  // namespace varnel::badge
