#pragma once

#include <string>

namespace varnel {

// The user's side of an operation: what a desktop program shows in modal boxes.
// The editor shows real boxes, the command-line tool prints, tests record.
class UserPrompt {
  public:
    virtual ~UserPrompt() = default;

    // A box with one text and an OK button.
    virtual void message(const std::string& text) = 0;

    // A box with OK and Cancel; true for OK.
    virtual bool confirm(const std::string& text) = 0;
};

}  // namespace varnel
