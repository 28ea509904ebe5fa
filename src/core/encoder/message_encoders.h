#pragma once

#include "encoder/encoding_context.h"
#include "project/badge_project.h"

namespace varnel {

// Writes message header k (0..7) for the text of slot ch ('1'..'6') and the cells its
// characters need, from the bitmap cell count on, which it advances.  Bytes 0x80..0xFF are read
// by the Windows edition languageId.  The font set starts at set 1, bold and rotate off.
// Entries that would pass the header and cells past the image are not written; the encoding
// pass refuses such messages before it starts.
void EncodeTextMessage(EncodingContext& ctx, const BadgeProject& project, char ch, int k,
                       int languageId);

// Writes message header k for the picture of slot ch ('7' or '8'): one cell per 16-column
// strip, a bit lit exactly where the picture is pure red.
void EncodeImageMessage(EncodingContext& ctx, const BadgeProject& project, char ch, int k);

}  // namespace varnel
