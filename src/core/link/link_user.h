#pragma once

#include <string>

#include "common/user_prompt.h"

namespace varnel {

enum class SendPicture { Red, Green };

// What a transfer shows the user besides message boxes: the main window's status panels, its
// progress bar, the Send button's picture and the "Warning !" dialog.  The editor shows them in
// the window, the command-line tool on the terminal, tests record them.
class LinkUser : public UserPrompt {
  public:
    // Panel 0 is the wide first one; the scan also writes panels 1 and 2.
    virtual void setStatusPanel(int panel, const std::string& text) = 0;
    virtual void setProgressMaximum(int maximum) = 0;
    virtual void setProgressPosition(int position) = 0;
    // The "Warning !" dialog: no badge was found by the automatic scan.  Modal.
    virtual void showNoBadgeWarning() = 0;
    virtual void setSendPicture(SendPicture picture) = 0;
    // Brings the window up to date at once (after the size question was answered).
    virtual void repaint() = 0;
};

}  // namespace varnel
