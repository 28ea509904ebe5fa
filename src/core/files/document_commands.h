#pragma once

#include <string>

#include "common/user_prompt.h"
#include "files/document_window.h"
#include "files/recent_files.h"
#include "project/badge_project.h"

namespace varnel {

inline constexpr const char* kSaveCurrentQuestion = " Save current file ? ";
inline constexpr const char* kSaveOnExitQuestion = " Save file ? ";
inline constexpr const char* kRecentNotFound = "  File Not Found!  ";
inline constexpr const char* kFileWriteErrorSuffix = " File Write Error! ";

// New, Open, opening a recent document, Save, Save As and Exit: which questions they ask, how
// they change the document name and the modified flag, and what they hand to the recent-files
// list.  The window only wires its buttons and menu items to these.
class DocumentCommands {
  public:
    DocumentCommands(BadgeProject& project, RecentFiles& recent, DocumentWindow& window,
                     UserPrompt& prompt);

    void newDocument();
    void open();
    // Opens a given document (the recent-file entries); the list is not reordered.
    void openGiven(const std::string& path);
    // True when the document was written.
    bool save();
    bool saveAs();
    // Asks about unsaved changes; true when the program may end now.  It stays only when the
    // user chose to save and the document was not written.
    bool exit();

    // The file name a confirmed save dialog gives: ".bge" appended when it has no extension.
    static std::string withDocumentExtension(const std::string& chosen);

  private:
    // Asks whether to save unsaved changes first; false when the command should stop because
    // the user wanted them saved and they were not.
    bool settleUnsavedChanges(const char* question);
    bool writeTo(const std::string& path);
    void afterLoad(const std::string& path);

    BadgeProject& project_;
    RecentFiles& recent_;
    DocumentWindow& window_;
    UserPrompt& prompt_;
};

}  // namespace varnel
