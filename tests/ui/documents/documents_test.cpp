// The document commands, the recent-file entries and the parameter file as the user meets them
// in the editor window.

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <memory>

#include "common/recording_prompt.h"
#include "files/document_file.h"
#include "support/find_control.h"
#include "varnel_windows.h"

class DocumentsTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<VarnelWindows> windows_;
    varnel::RecordingPrompt prompt_;
    QStringList openAnswers_;  // empty string = cancel
    QStringList saveAnswers_;
    QStringList proposedNames_;

    TForm1& form() { return windows_->form1; }
    template <typename T>
    T* find(const char* name) {
        return varnel::testing::findControl<T>(&form(), name);
    }
    QAction* action(const char* name) { return find<QAction>(name); }

    QString doc(const QString& name) const {
        return folder_->filePath(QStringLiteral("docs/") + name);
    }
    QString programFile(const char* name) const {
        return folder_->filePath(QString::fromLatin1(name));
    }

    QByteArray fileBytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QByteArray currentDocumentBytes() {
        auto bytes = varnel::documentBytes(form().project());
        return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                          static_cast<qsizetype>(bytes.size()));
    }
    static QByteArray setupIni(char language, char port) {
        return QByteArray("  badge40      ") + language + port + QByteArray(3, '\0') + "END";
    }
    void writeProgramFile(const char* name, const QByteArray& bytes) {
        QFile file(programFile(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    void openWindow() {
        windows_ = std::make_unique<VarnelWindows>(folder_->path().toStdString(), &prompt_);
        auto answer = [](QStringList& answers) -> std::optional<std::string> {
            if (answers.isEmpty()) {
                qWarning("a file dialog nobody expected");
                return std::nullopt;
            }
            const QString a = answers.takeFirst();
            if (a.isEmpty()) {
                return std::nullopt;
            }
            return a.toStdString();
        };
        form().documentOpenDialog = [this, answer] { return answer(openAnswers_); };
        form().documentSaveDialog = [this, answer](const std::string& proposed) {
            proposedNames_.append(QString::fromStdString(proposed));
            return answer(saveAnswers_);
        };
        form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&form()));
        // Only what the document commands show counts below.
        prompt_.messages.clear();
    }
    void closeWindow() {
        form().project().modified = false;
        windows_.reset();
    }

    void type(const char* editName, const QString& text) {
        auto* edit = find<QLineEdit>(editName);
        edit->setFocus();
        QTest::keyClicks(edit, text);
    }
    static QString firstOf(const std::vector<std::string>& boxes) {
        return boxes.empty() ? QStringLiteral("(none)") : QString::fromStdString(boxes.front());
    }
    // Lets at least one 100 ms timer tick pass.
    void tick() { QTest::qWait(130); }

    QStringList visibleRecentCaptions() {
        QStringList captions;
        for (const char* name : {"I01", "I11", "I21", "I31"}) {
            if (action(name)->isVisible()) {
                captions.append(action(name)->text());
            }
        }
        return captions;
    }
    bool captionShows(const QString& documentName) {
        return form().windowTitle().endsWith(QStringLiteral("[") + documentName +
                                             QStringLiteral("]"));
    }

  private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(folder_->path()).mkdir(QStringLiteral("docs")));
        // The built program's data files, so the window starts as it does for the user.
        std::error_code ec;
        std::filesystem::copy(std::filesystem::path(VARNEL_PROGRAM_DIR) / "system16",
                              std::filesystem::path(folder_->path().toStdString()) / "system16",
                              std::filesystem::copy_options::recursive, ec);
        prompt_ = varnel::RecordingPrompt();
        openAnswers_.clear();
        saveAnswers_.clear();
        proposedNames_.clear();
        writeProgramFile("setup.ini", setupIni(0x10, 0));  // English XP, AUTO
        openWindow();
    }
    void cleanup() {
        closeWindow();
        folder_.reset();
    }

    void saveAsOpenAndRecentEntries() {
        QVERIFY(captionShows(QStringLiteral("untitle.bge")));
        QVERIFY(visibleRecentCaptions().isEmpty());

        // Save As writes the document and names the window after it, but is not remembered.
        type("Edit3", QStringLiteral("Hello"));
        form().SpeedButtonClick(2);
        saveAnswers_ = {doc(QStringLiteral("first"))};
        action("SaveAs1")->trigger();
        QCOMPARE(proposedNames_, QStringList{QStringLiteral("untitle.bge")});
        QCOMPARE(fileBytes(doc(QStringLiteral("first.bge"))), currentDocumentBytes());
        QVERIFY(fileBytes(doc(QStringLiteral("first.bge"))).contains("\x05Hello"));
        QVERIFY(captionShows(doc(QStringLiteral("first.bge"))));
        tick();
        QVERIFY(!find<QToolButton>("BtnSave")->isEnabled());
        QVERIFY(visibleRecentCaptions().isEmpty());

        // Save of a named document: no dialog, the list remembers it on the next tick.
        type("Edit4", QStringLiteral("World"));
        tick();
        QVERIFY(find<QToolButton>("BtnSave")->isEnabled());
        find<QToolButton>("BtnSave")->click();
        QCOMPARE(proposedNames_.size(), 1);
        QCOMPARE(fileBytes(doc(QStringLiteral("first.bge"))), currentDocumentBytes());
        QVERIFY(visibleRecentCaptions().isEmpty());  // deferred to the timer
        tick();
        QCOMPARE(visibleRecentCaptions(), QStringList{QStringLiteral("first.bge")});
        QCOMPARE(fileBytes(programFile("History.ini")),
                 char(doc(QStringLiteral("first.bge")).toUtf8().size()) +
                     doc(QStringLiteral("first.bge")).toUtf8() + QByteArray(3, '\0'));

        // New with unsaved changes asks first; Cancel goes on without saving.
        type("Edit3", QStringLiteral("!"));
        prompt_.answers = {false};
        action("New1")->trigger();
        QCOMPARE(prompt_.questions.size(), std::size_t(1));
        QCOMPARE(firstOf(prompt_.questions), QStringLiteral(" Save current file ? "));
        QCOMPARE(find<QLineEdit>("Edit3")->text(), QString());
        QCOMPARE(form().project().speed(2), 4);
        QVERIFY(captionShows(QStringLiteral("untitle.bge")));
        QVERIFY(!form().project().modified);
        QVERIFY(fileBytes(doc(QStringLiteral("first.bge"))).contains("\x05Hello"));
        QVERIFY(!fileBytes(doc(QStringLiteral("first.bge"))).contains("Hello!"));

        // A second document through Save with its dialog.
        type("Edit3", QStringLiteral("Second"));
        saveAnswers_ = {doc(QStringLiteral("second.bge"))};
        action("Save1")->trigger();
        tick();
        QCOMPARE(visibleRecentCaptions(),
                 (QStringList{QStringLiteral("second.bge"), QStringLiteral("first.bge")}));

        // Open brings the first back and to the front of the list.
        openAnswers_ = {doc(QStringLiteral("first.bge"))};
        action("Open1")->trigger();
        QCOMPARE(find<QLineEdit>("Edit3")->text(), QStringLiteral("Hello"));
        QCOMPARE(find<QLineEdit>("Edit4")->text(), QStringLiteral("World"));
        QCOMPARE(form().project().speed(2), 0);
        QVERIFY(captionShows(doc(QStringLiteral("first.bge"))));
        QVERIFY(!form().project().modified);
        tick();
        QCOMPARE(visibleRecentCaptions(),
                 (QStringList{QStringLiteral("first.bge"), QStringLiteral("second.bge")}));

        // A recent entry opens its document without reordering the list.
        action("I11")->trigger();
        QCOMPARE(find<QLineEdit>("Edit3")->text(), QStringLiteral("Second"));
        QVERIFY(captionShows(doc(QStringLiteral("second.bge"))));
        tick();
        QCOMPARE(visibleRecentCaptions(),
                 (QStringList{QStringLiteral("first.bge"), QStringLiteral("second.bge")}));

        // The list comes back at the next start.
        closeWindow();
        openWindow();
        QCOMPARE(visibleRecentCaptions(),
                 (QStringList{QStringLiteral("first.bge"), QStringLiteral("second.bge")}));
        QVERIFY(prompt_.messages.empty());
    }

    void cancelledDialogsWriteNothing() {
        type("Edit3", QStringLiteral("Unsaved"));
        saveAnswers_ = {QString()};
        find<QToolButton>("BtnSave")->click();
        openAnswers_ = {QString()};
        prompt_.answers = {false};
        action("Open1")->trigger();
        saveAnswers_ = {QString()};
        action("SaveAs1")->trigger();
        tick();
        QVERIFY(form().project().modified);
        QVERIFY(find<QToolButton>("BtnSave")->isEnabled());
        QCOMPARE(find<QLineEdit>("Edit3")->text(), QStringLiteral("Unsaved"));
        QCOMPARE(QDir(folder_->filePath(QStringLiteral("docs"))).entryList(QDir::Files),
                 QStringList());
        QVERIFY(!QFile::exists(QStringLiteral("untitle.bge")));
        // A cancelled Open still hands the current name to the recent list.
        QCOMPARE(visibleRecentCaptions(), QStringList{QStringLiteral("untitle.bge")});
    }

    void failedSaveNamesTheFileAndKeepsTheChanges() {
        type("Edit3", QStringLiteral("Unsaved"));
        const QString target = doc(QStringLiteral("missing/x.bge"));
        saveAnswers_ = {target};
        action("Save1")->trigger();
        QCOMPARE(prompt_.messages.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(prompt_.messages[0]),
                 target + QStringLiteral(" File Write Error! "));
        tick();
        QVERIFY(find<QToolButton>("BtnSave")->isEnabled());
        QVERIFY(captionShows(QStringLiteral("untitle.bge")));
    }

    void missingRecentDocument() {
        type("Edit3", QStringLiteral("Gone"));
        saveAnswers_ = {doc(QStringLiteral("gone.bge"))};
        action("Save1")->trigger();
        QVERIFY(QFile::remove(doc(QStringLiteral("gone.bge"))));
        tick();
        action("I01")->trigger();
        QCOMPARE(firstOf(prompt_.messages), QStringLiteral("  File Not Found!  "));
        QCOMPARE(find<QLineEdit>("Edit3")->text(), QStringLiteral("Gone"));
    }

    void exitAsksAndSaves() {
        saveAnswers_ = {doc(QStringLiteral("last"))};
        type("Edit3", QStringLiteral("Bye"));
        prompt_.answers = {true};
        QTimer::singleShot(0, &form(), [this] { action("Exit1")->trigger(); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(firstOf(prompt_.questions), QStringLiteral(" Save file ? "));
        QVERIFY(fileBytes(doc(QStringLiteral("last.bge")))
                    .contains("\x03"
                              "Bye"));

        // Cancel ends without saving.
        type("Edit3", QStringLiteral("!"));
        prompt_.answers = {false};
        QTimer::singleShot(0, &form(), [this] { action("Exit1")->trigger(); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!fileBytes(doc(QStringLiteral("last.bge"))).contains("Bye!"));
    }

    void closeBoxOkSaves() {
        saveAnswers_ = {doc(QStringLiteral("closed"))};
        type("Edit3", QStringLiteral("Closing"));
        prompt_.answers = {true};
        QVERIFY(form().close());
        QCOMPARE(firstOf(prompt_.questions), QStringLiteral(" Save file ? "));
        QVERIFY(fileBytes(doc(QStringLiteral("closed.bge"))).contains("Closing"));

        // Wanted saved but the dialog was cancelled: the window stays.
        form().show();
        type("Edit3", QStringLiteral("!"));
        prompt_.answers = {true};
        form().project().documentName = "untitle.bge";
        saveAnswers_ = {QString()};
        QVERIFY(!form().close());
        QVERIFY(form().isVisible());
    }

    void parameterFile() {
        // The stored choice is shown at start: English XP and AUTO.
        QCOMPARE(find<QComboBox>("LangBox")->currentIndex(), 4);
        QCOMPARE(find<QComboBox>("ComBox")->currentIndex(), 0);

        auto* com = find<QComboBox>("ComBox");
        com->setCurrentIndex(3);
        emit com->activated(3);
        QCOMPARE(fileBytes(programFile("setup.ini")), setupIni(0x10, 3));

        closeWindow();
        writeProgramFile("setup.ini", setupIni(0x20, 3));
        openWindow();
        QCOMPARE(find<QComboBox>("ComBox")->currentText(), QStringLiteral("COM 3"));
        QCOMPARE(find<QComboBox>("LangBox")->currentIndex(), 5);
    }

    void firstStartWritesTheParameterFile() {
        closeWindow();
        QVERIFY(QFile::remove(programFile("setup.ini")));
        // The language selector comes up modally at the first start; close it as the user would.
        QTimer::singleShot(300, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
            }
        });
        openWindow();
        QVERIFY(!form().firstRun());
        const QByteArray written = fileBytes(programFile("setup.ini"));
        QCOMPARE(written.size(), 23);
        const int language = find<QComboBox>("LangBox")->currentIndex();
        const char bits[] = {0x08, 0x04, 0x02, 0x01, 0x10, 0x20};
        QCOMPARE(written, setupIni(bits[language], 0));
    }
};

QTEST_MAIN(DocumentsTest)
#include "documents_test.moc"
