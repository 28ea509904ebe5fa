#pragma once

#include <string>

namespace varnel::glyphgen {

// The text shipped beside the glyph files: which installed font each file is drawn from, its
// Debian package and licence, the notices the licences ask to keep, and the layout of the
// resident font file.
std::string noticeText();

}  // namespace varnel::glyphgen
