#pragma once

#include <deque>
#include <string>
#include <vector>

#include "common/user_prompt.h"

namespace varnel {

// Records every box that would be shown; confirmations are answered from a queue (OK when empty
// unless told otherwise).  Used by tests and by batch tools.
class RecordingPrompt : public UserPrompt {
  public:
    void message(const std::string& text) override { messages.push_back(text); }
    bool confirm(const std::string& text) override {
        questions.push_back(text);
        if (answers.empty()) {
            return defaultAnswer;
        }
        bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<bool> answers;
    bool defaultAnswer = true;
};

}  // namespace varnel
