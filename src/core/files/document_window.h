#pragma once

#include <optional>
#include <string>

namespace varnel {

// What the document commands need from the editor window: the two file dialogs and the
// refreshes after the project or its name changed.  The editor shows real dialogs; tests
// answer from a script.
class DocumentWindow {
  public:
    virtual ~DocumentWindow() = default;

    // The open dialog (filter "*.bge"); nothing when it was cancelled.
    virtual std::optional<std::string> chooseDocumentToOpen() = 0;

    // The save dialog with the current document name filled in; nothing when it was cancelled.
    virtual std::optional<std::string> chooseDocumentToSave(const std::string& proposed) = 0;

    // Brings the window's own copy of the project up to date before it is written.
    virtual void collectProject() {}

    // The project was replaced (New, Open): the texts, check boxes, speed and action pictures,
    // picture slots and their counters follow it.
    virtual void showProject() = 0;

    // The document name changed: the window caption follows it.
    virtual void showDocumentName() = 0;
};

}  // namespace varnel
