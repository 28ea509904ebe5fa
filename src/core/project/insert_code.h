#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace varnel {

// Inserts a symbol code into a message text at the caret (a byte offset).  The code is taken
// up to its first zero byte.  Nothing happens when the text already has 249 bytes or more, or
// when the code is empty.  Returns the new caret, just after the code.
std::optional<std::size_t> insertCode(std::string& text, std::size_t caret, std::string_view code);

}  // namespace varnel
