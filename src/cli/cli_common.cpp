#include "cli_common.h"

#include <iostream>

#include "language/language_id.h"

namespace varnel::cli {

void StderrPrompt::message(const std::string& text) {
    auto first = text.find_first_not_of(' ');
    auto last = text.find_last_not_of(' ');
    std::cerr << "varnel-cli " << verb_ << ": "
              << (first == std::string::npos ? text : text.substr(first, last - first + 1)) << "\n";
}

bool StderrPrompt::confirm(const std::string& text) {
    message(text);
    return false;
}

std::optional<int> parseLanguage(const std::string& s) {
    if (auto id = languageFromSuffix(s)) {
        return id;
    }
    if (s.size() == 1 && s[0] >= '0' && s[0] < '0' + kLanguageCount) {
        return s[0] - '0';
    }
    return std::nullopt;
}

}  // namespace varnel::cli
