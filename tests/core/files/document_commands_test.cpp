#include "files/document_commands.h"

#include <gtest/gtest.h>

#include <deque>

#include "common/recording_prompt.h"
#include "core/files/temp_folder.h"
#include "files/document_file.h"

namespace varnel {
namespace {

using testing::fileBytes;
using testing::TempFolder;
using testing::writeBytes;

// Answers the dialogs from a script and counts the refreshes.
class ScriptedWindow : public DocumentWindow {
  public:
    std::optional<std::string> chooseDocumentToOpen() override {
        ++openDialogs;
        return next();
    }
    std::optional<std::string> chooseDocumentToSave(const std::string& proposed) override {
        proposedNames.push_back(proposed);
        return next();
    }
    // Filling the controls counts as an edit in the editor window; the commands clear the flag
    // afterwards.
    void showProject() override {
        ++projectShown;
        if (project != nullptr) {
            project->modified = true;
        }
    }
    void showDocumentName() override { ++nameShown; }

    BadgeProject* project = nullptr;
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> proposedNames;
    int openDialogs = 0;
    int projectShown = 0;
    int nameShown = 0;

  private:
    std::optional<std::string> next() {
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected dialog";
            return std::nullopt;
        }
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

class DocumentCommandsTest : public ::testing::Test {
  protected:
    DocumentCommandsTest() : recent(dir.path()), commands(project, recent, window, prompt) {
        window.project = &project;
    }

    std::string doc(const std::string& name) const { return (dir / name).string(); }

    // A document on disk whose slot 1 reads `text`.
    std::string storedDocument(const std::string& name, const std::string& text) {
        BadgeProject p;
        p.text(1) = text;
        p.speed(3) = 0;
        saveDocFile(doc(name), p);
        return doc(name);
    }

    void edit(const std::string& text) {
        project.text(1) = text;
        project.modified = true;
    }

    TempFolder dir;
    BadgeProject project;
    RecentFiles recent;
    ScriptedWindow window;
    RecordingPrompt prompt;
    DocumentCommands commands;
};

TEST_F(DocumentCommandsTest, SaveOfANewProjectAsksForAName) {
    edit("hello");
    window.answers = {doc("greeting")};
    EXPECT_TRUE(commands.save());
    EXPECT_EQ(window.proposedNames, std::vector<std::string>{"untitle.bge"});
    EXPECT_EQ(project.documentName, doc("greeting.bge"));
    EXPECT_FALSE(project.modified);
    EXPECT_EQ(fileBytes(doc("greeting.bge")), documentBytes(project));
    EXPECT_EQ(recent.entry(0), doc("greeting.bge"));
    EXPECT_EQ(window.nameShown, 1);

    // Now it has a name: no dialog, the same file.
    edit("again");
    EXPECT_TRUE(commands.save());
    EXPECT_EQ(window.proposedNames.size(), 1u);
    EXPECT_EQ(fileBytes(doc("greeting.bge")), documentBytes(project));
}

TEST_F(DocumentCommandsTest, ExtensionIsAddedOnlyWhenMissing) {
    EXPECT_EQ(DocumentCommands::withDocumentExtension("/a/b"), "/a/b.bge");
    EXPECT_EQ(DocumentCommands::withDocumentExtension("/a/b.txt"), "/a/b.txt");
    EXPECT_EQ(DocumentCommands::withDocumentExtension("/a.d/b"), "/a.d/b.bge");
}

TEST_F(DocumentCommandsTest, CancelledSaveWritesNothingAndKeepsTheFlag) {
    edit("unsaved");
    window.answers = {std::nullopt};
    EXPECT_FALSE(commands.save());
    EXPECT_TRUE(project.modified);
    EXPECT_EQ(project.documentName, "untitle.bge");
    EXPECT_FALSE(std::filesystem::exists("untitle.bge"));
    EXPECT_EQ(recent.entry(0), "");
}

TEST_F(DocumentCommandsTest, FailedSaveNamesTheFileAndKeepsTheFlag) {
    std::string target = doc("no-such-folder/x.bge");
    edit("unsaved");
    window.answers = {target};
    EXPECT_FALSE(commands.save());
    EXPECT_EQ(prompt.messages, std::vector<std::string>{target + " File Write Error! "});
    EXPECT_TRUE(project.modified);
    EXPECT_EQ(project.documentName, "untitle.bge");
    EXPECT_EQ(recent.entry(0), "");

    // The same through Save As of a named document.
    project.documentName = target;
    prompt.messages.clear();
    EXPECT_FALSE(commands.save());
    EXPECT_EQ(prompt.messages.size(), 1u);
    EXPECT_TRUE(project.modified);
}

TEST_F(DocumentCommandsTest, SaveAs) {
    std::string first = storedDocument("first.bge", "one");
    project.documentName = first;
    edit("changed");

    window.answers = {std::nullopt};
    EXPECT_FALSE(commands.saveAs());
    EXPECT_TRUE(project.modified);
    EXPECT_EQ(window.proposedNames.back(), first);

    window.answers = {doc("second")};
    EXPECT_TRUE(commands.saveAs());
    EXPECT_FALSE(project.modified);
    EXPECT_EQ(project.documentName, doc("second.bge"));
    EXPECT_EQ(fileBytes(doc("second.bge")), documentBytes(project));
    EXPECT_EQ(recent.entry(0), "");  // Save As leaves the list alone

    // Cancel while nothing is modified leaves the flag clear.
    window.answers = {std::nullopt};
    EXPECT_FALSE(commands.saveAs());
    EXPECT_FALSE(project.modified);
}

TEST_F(DocumentCommandsTest, OpenLoadsNamesAndRemembers) {
    std::string path = storedDocument("stored.bge", "from disk");
    window.answers = {path};
    commands.open();
    EXPECT_EQ(project.text(1), "from disk");
    EXPECT_EQ(project.speed(3), 0);
    EXPECT_EQ(project.documentName, path);
    EXPECT_FALSE(project.modified);
    EXPECT_EQ(recent.entry(0), path);
    EXPECT_EQ(window.projectShown, 1);
    EXPECT_EQ(window.nameShown, 1);
    EXPECT_TRUE(prompt.questions.empty());
}

TEST_F(DocumentCommandsTest, CancelledOpenKeepsTheProjectAndHandsTheNameToTheList) {
    edit("mine");
    prompt.answers = {false};  // do not save first
    window.answers = {std::nullopt};
    commands.open();
    EXPECT_EQ(prompt.questions, std::vector<std::string>{" Save current file ? "});
    EXPECT_TRUE(project.modified);
    EXPECT_EQ(project.text(1), "mine");
    EXPECT_EQ(recent.entry(0), "untitle.bge");
}

TEST_F(DocumentCommandsTest, OpenOfANonDocumentKeepsNameAndFlag) {
    writeBytes(doc("junk.bge"), testing::bytesOf("not a badge document"));
    edit("mine");
    prompt.answers = {false};
    window.answers = {doc("junk.bge")};
    commands.open();
    EXPECT_EQ(prompt.messages, std::vector<std::string>{" File Read Error! "});
    EXPECT_EQ(project.text(1), "mine");
    EXPECT_EQ(project.documentName, "untitle.bge");
    EXPECT_TRUE(project.modified);
    EXPECT_EQ(recent.entry(0), "");
}

TEST_F(DocumentCommandsTest, OpenOfACutDocumentTakesWhatIsThere) {
    ByteVector bytes = fileBytes(storedDocument("cut.bge", "partial"));
    bytes.resize(bytes.size() - 3);
    writeBytes(doc("cut.bge"), bytes);
    window.answers = {doc("cut.bge")};
    commands.open();
    EXPECT_EQ(prompt.messages, std::vector<std::string>{" End of File not found! "});
    EXPECT_EQ(project.text(1), "partial");
    EXPECT_EQ(project.documentName, doc("cut.bge"));
    EXPECT_FALSE(project.modified);
}

TEST_F(DocumentCommandsTest, UnsavedChangesQuestionBeforeNewAndOpen) {
    // OK saves first (here through the dialog), then New goes on.
    edit("keep me");
    prompt.answers = {true};
    window.answers = {doc("kept")};
    commands.newDocument();
    EXPECT_EQ(prompt.questions, std::vector<std::string>{" Save current file ? "});
    BadgeProject saved;
    RecordingPrompt quiet;
    loadDocFile(doc("kept.bge"), saved, quiet);
    EXPECT_EQ(saved.text(1), "keep me");
    EXPECT_EQ(project.text(1), "");
    EXPECT_EQ(project.documentName, "untitle.bge");
    EXPECT_FALSE(project.modified);

    // OK, but the save dialog is cancelled: New stops and the work stays.
    edit("still mine");
    prompt.answers = {true};
    window.answers = {std::nullopt};
    commands.newDocument();
    EXPECT_EQ(project.text(1), "still mine");
    EXPECT_TRUE(project.modified);

    // Cancel goes on without saving.
    prompt.answers = {false};
    commands.newDocument();
    EXPECT_EQ(project.text(1), "");
    EXPECT_FALSE(project.modified);

    // Nothing modified: no question.
    prompt.questions.clear();
    commands.newDocument();
    EXPECT_TRUE(prompt.questions.empty());
}

TEST_F(DocumentCommandsTest, OpenGivenDocument) {
    std::string a = storedDocument("a.bge", "A");
    std::string b = storedDocument("b.bge", "B");
    recent.save(a);
    recent.save(b);

    commands.openGiven(a);
    EXPECT_EQ(project.text(1), "A");
    EXPECT_EQ(project.documentName, a);
    EXPECT_FALSE(project.modified);
    EXPECT_EQ(recent.entry(0), b);  // the list keeps its order

    edit("changed");
    prompt.answers = {false};
    commands.openGiven(doc("gone.bge"));
    EXPECT_EQ(prompt.questions, std::vector<std::string>{" Save current file ? "});
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"  File Not Found!  "});
    EXPECT_EQ(project.text(1), "changed");
    EXPECT_EQ(project.documentName, a);
    EXPECT_TRUE(project.modified);

    // OK saves to the current name before opening the other one.
    prompt.answers = {true};
    commands.openGiven(b);
    EXPECT_EQ(project.text(1), "B");
    BadgeProject saved;
    loadDocFile(a, saved, prompt);
    EXPECT_EQ(saved.text(1), "changed");
}

TEST_F(DocumentCommandsTest, Exit) {
    EXPECT_TRUE(commands.exit());  // nothing modified: no question
    EXPECT_TRUE(prompt.questions.empty());

    edit("unsaved");
    prompt.answers = {false};
    EXPECT_TRUE(commands.exit());  // Cancel ends without saving
    EXPECT_EQ(prompt.questions, std::vector<std::string>{" Save file ? "});
    EXPECT_EQ(recent.entry(0), "");

    prompt.answers = {true};
    window.answers = {std::nullopt};
    EXPECT_FALSE(commands.exit());  // wanted saved, but not written: stay

    prompt.answers = {true};
    window.answers = {doc("last")};
    EXPECT_TRUE(commands.exit());
    EXPECT_TRUE(std::filesystem::exists(doc("last.bge")));
    EXPECT_FALSE(project.modified);
}

}  // namespace
}  // namespace varnel
