#pragma once

#include <string>
#include <string_view>

#include "project/badge_project.h"

namespace varnel {

// Cleans the run sequence as the field does when it is left: empty becomes "12345678";
// otherwise every character outside '1'..'8' counts as '1', and repeats are dropped.
std::string cleanRunSequence(std::string_view typed);

// The slots a Send includes, in play order: the run sequence (cleaned first, so whatever the
// field holds only '1'..'8' appear, each once), keeping the text slots that are not empty and
// the picture slots that hold a picture with columns, each only when switched on.
std::string sendSequence(const BadgeProject& project);

}  // namespace varnel
