#pragma once

#include <optional>
#include <string>

#include "common/user_prompt.h"

namespace varnel::cli {

// Message boxes become lines on the error stream, "varnel-cli VERB: text", trimmed of the
// padding blanks the texts carry; questions are answered Cancel.
class StderrPrompt : public UserPrompt {
  public:
    explicit StderrPrompt(std::string verb) : verb_(std::move(verb)) {}

    void message(const std::string& text) override;
    bool confirm(const std::string& text) override;

  private:
    std::string verb_;
};

// A language given as jp kr cn tr en ru, or as its number 0..5.
std::optional<int> parseLanguage(const std::string& s);

}  // namespace varnel::cli
