#pragma once

#include <string_view>

#include "encoder/encoding_context.h"
#include "project/badge_project.h"

namespace varnel {

// Clears the image and the bitmap cell count, then writes header k and the cells of message k
// for every slot character of the send sequence: text slots '1'..'6', picture slots '7', '8'.
// Callers check first with checkMessagesFit(); a sequence is at most eight slots long.
void runEncodingPass(EncodingContext& ctx, const BadgeProject& project, std::string_view sequence,
                     int languageId);

}  // namespace varnel
