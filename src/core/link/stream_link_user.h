#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "link/link_user.h"

namespace varnel {

// Shows a transfer as text: every message, status text and the warning as lines, the progress
// as a bar redrawn in place on a terminal or as a line every tenth elsewhere.  Questions go to
// the given answerer.
class StreamLinkUser : public LinkUser {
  public:
    using Answerer = std::function<bool(const std::string& question)>;

    StreamLinkUser(std::ostream& out, std::string prefix, bool terminal, Answerer answer)
        : out_(out), prefix_(std::move(prefix)), terminal_(terminal), answer_(std::move(answer)) {}

    void message(const std::string& text) override;
    bool confirm(const std::string& text) override;
    void setStatusPanel(int panel, const std::string& text) override;
    void setProgressMaximum(int maximum) override;
    void setProgressPosition(int position) override;
    void showNoBadgeWarning() override;
    void setSendPicture(SendPicture picture) override;
    void repaint() override {}

    // The lines of a text as the user reads them (a carriage return also ends a line).
    void lines(const std::string& text);

  private:
    void endBar();

    std::ostream& out_;
    std::string prefix_;
    bool terminal_;
    Answerer answer_;
    int maximum_ = 0;
    int shown_ = -1;  // the last drawn step (percent on a terminal, tenths elsewhere)
    bool barOpen_ = false;
};

}  // namespace varnel
