#include "project/insert_code.h"

namespace varnel {

std::optional<std::size_t> insertCode(std::string& text, std::size_t caret, std::string_view code) {
    std::size_t zero = code.find('\0');
    if (zero != std::string_view::npos) {
        code = code.substr(0, zero);
    }
    if (code.empty() || text.size() >= 249) {
        return std::nullopt;
    }
    if (caret > text.size()) {
        caret = text.size();
    }
    text.insert(caret, code);
    return caret + code.size();
}

}  // namespace varnel
