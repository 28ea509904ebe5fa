// The editor in its six languages: UI texts, display fonts, the Language Selector, the
// character map, and message texts kept as code-page bytes.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontDialog>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <memory>

#include "common/recording_prompt.h"
#include "language/code_page.h"
#include "language/language_id.h"
#include "support/find_control.h"
#include "varnel_windows.h"

namespace {

// The language byte of the parameter file for each language.
constexpr char kLanguageBytes[] = {0x08, 0x04, 0x02, 0x01, 0x10, 0x20};

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values) {
        out.append(static_cast<char>(v));
    }
    return out;
}

std::string str(const QByteArray& b) {
    return b.toStdString();
}

}  // namespace

class LanguageWindowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<VarnelWindows> windows_;
    varnel::RecordingPrompt prompt_;

    TForm1& form() { return windows_->form1; }

    template <typename T>
    T* find(const char* name, QObject* in = nullptr) {
        return varnel::testing::findControl<T>(in != nullptr ? in : form().centralWidget(), name);
    }
    QMenu* menu(const char* name) { return find<QMenu>(name, form().MenuEnglish); }
    QAction* item(const char* name) { return find<QAction>(name, form().MenuEnglish); }
    QLineEdit* edit(const char* name) { return find<QLineEdit>(name); }

    QString configPath(const QString& file) const {
        return folder_->filePath(QStringLiteral("system16/_config/") + file);
    }
    void writeFile(const QString& path, const QByteArray& content) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }
    void writeSetup(int language) {
        writeFile(folder_->filePath(QStringLiteral("setup.ini")),
                  QByteArray("  badge40      ", 15) + QByteArray(1, kLanguageBytes[language]) +
                      QByteArray(4, '\0') + QByteArray("END"));
    }
    // The program folder as the build lays it out: the six UI-text and display-font files.
    void freshFolder() {
        windows_.reset();
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(folder_->path()).mkpath(QStringLiteral("system16/_config")));
        const QDir built(QStringLiteral(VARNEL_PROGRAM_DIR "/system16/_config"));
        for (const QString& name : built.entryList(QDir::Files)) {
            QVERIFY(QFile::copy(built.filePath(name), configPath(name)));
        }
    }
    void start() {
        prompt_ = varnel::RecordingPrompt();
        windows_ = std::make_unique<VarnelWindows>(folder_->path().toStdString(), &prompt_);
        form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&form()));
    }
    void startIn(int language) {
        writeSetup(language);
        start();
    }
    // A user's pick in the "Windows Version" box.
    void pickLanguage(int language) {
        form().LangBox->setCurrentIndex(language);
        emit form().LangBox->activated(language);
    }
    void type(QLineEdit* target, const QString& text) {
        QApplication::setActiveWindow(&form());
        target->setFocus();
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(target, &commit);
    }
    // Runs `act` once the next modal dialog has opened.
    void whenModal(std::function<void(QWidget*)> act) {
        QTimer::singleShot(0, this, [this, act] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr) {
                whenModal(act);
                return;
            }
            act(modal);
        });
    }
    std::string slotBytes(int slot) { return form().project().text(slot); }

  private slots:
    void init() { freshFolder(); }
    void cleanup() {
        if (windows_) {
            form().project().modified = false;
        }
        windows_.reset();
        folder_.reset();
    }

    void startUpShowsTheLanguagesCaptionsInItsFont() {
        startIn(varnel::kJapanese);
        QCOMPARE(form().windowTitle(), QStringLiteral("LED バッジ [untitle.bge]"));
        QCOMPARE(menu("File1")->title(), QStringLiteral("ファイル(&F)"));
        QCOMPARE(item("Twinkle2")->text(), QStringLiteral("きらめき"));
        QCOMPARE(find<QLabel>("MSG1")->text(), QStringLiteral("メッセージ"));
        QCOMPARE(find<QPushButton>("Send")->text(), QStringLiteral("送信"));
        QCOMPARE(find<QToolButton>("ToolFont0", form().ToolBar1)->toolTip(),
                 QStringLiteral("フォント 1"));
        QCOMPARE(edit("suiEdit1")->text(), QStringLiteral("Noto Sans CJK JP"));
        QCOMPARE(edit("suiEdit2")->text(), QStringLiteral("-13"));
        QCOMPARE(edit("suiEdit3")->text(), QStringLiteral("128"));
        QVERIFY(prompt_.messages.empty());
    }

    void everyAppliedLineReachesItsTarget() {
        QByteArray file;
        for (int i = 0; i < 60; ++i) {
            file += "L" + QByteArray::number(i) + "\r\n";
        }
        writeFile(configPath(QStringLiteral("men.dat")), file);
        startIn(varnel::kEnglish);
        auto L = [](int i) { return QStringLiteral("L%1").arg(i); };
        QCOMPARE(form().windowTitle(), L(0) + QStringLiteral("[untitle.bge]"));
        const std::pair<int, const char*> menus[] = {{2, "File1"},   {3, "Edit1"}, {4, "Edit2"},
                                                     {5, "Action1"}, {6, "Font1"}, {7, "Help1"}};
        for (const auto& [line, name] : menus) {
            QCOMPARE(menu(name)->title(), L(line));
        }
        const std::pair<int, const char*> items[] = {
            {9, "New1"},      {10, "Open1"},   {11, "Save1"},  {12, "SaveAs1"}, {14, "Send1"},
            {16, "Exit1"},    {18, "Star1"},   {23, "Plane1"}, {26, "Circle1"}, {27, "UserDefine1"},
            {29, "Full1"},    {31, "Faster1"}, {35, "Slow2"},  {37, "Hold2"},   {38, "Rotate1"},
            {42, "Twinkle2"}, {44, "Normal3"}, {45, "Bold1"},  {46, "Font31"},  {48, "About1"}};
        for (const auto& [line, name] : items) {
            QCOMPARE(item(name)->text(), L(line));
        }
        QCOMPARE(find<QToolButton>("ToolFont0", form().ToolBar1)->toolTip(), L(44));
        QCOMPARE(find<QToolButton>("ToolFont2", form().ToolBar1)->toolTip(), L(46));
        QCOMPARE(find<QLabel>("MSG1")->text(), L(50));
        QCOMPARE(find<QGroupBox>("GroupBox2")->title(), L(51));
        QCOMPARE(find<QCheckBox>("CheckBox1")->text(), L(52));
        QCOMPARE(find<QLabel>("Label8")->text(), L(53));
        QCOMPARE(find<QLabel>("Label1")->text(), L(54));
        QCOMPARE(find<QPushButton>("Send")->text(), L(55));
        QCOMPARE(find<QPushButton>("Button2")->text(), L(56));
        QCOMPARE(find<QPushButton>("Button3")->text(), L(57));
        QCOMPARE(find<QLabel>("Label12")->text(), L(58));
        // The dividers keep their dashes whatever lines 13 and 15 hold.
        QCOMPARE(item("N1")->text(), QStringLiteral("----------"));
        QCOMPARE(item("N2")->text(), QStringLiteral("----------"));
        // Controls outside the table keep theirs.
        QCOMPARE(find<QPushButton>("suiButton1")->text(), QStringLiteral("Image Editor"));
    }

    void shortFileGivesTitleAndEmptyCaptions() {
        writeFile(configPath(QStringLiteral("men.dat")), QByteArray("Badge\r\n\r\n"));
        startIn(varnel::kEnglish);
        QCOMPARE(form().windowTitle(), QStringLiteral("Badge[untitle.bge]"));
        QCOMPARE(menu("File1")->title(), QString());
        QCOMPARE(find<QLabel>("Label12")->text(), QString());
    }

    void modeOneChangesOnlyTheTitle() {
        startIn(varnel::kEnglish);
        writeFile(configPath(QStringLiteral("men.dat")),
                  QByteArray("Other \r\n\r\nOther file menu\r\n"));
        form().ReplacePanel(1);
        QCOMPARE(form().windowTitle(), QStringLiteral("Other [untitle.bge]"));
        QCOMPARE(menu("File1")->title(), QStringLiteral("&File"));
        QCOMPARE(find<QLabel>("MSG1")->text(), QStringLiteral("Messages"));
        form().ReplacePanel(0);
        QCOMPARE(menu("File1")->title(), QStringLiteral("Other file menu"));
    }

    void missingUiTextFileIsNamedAndTheWindowGoesOnInEnglish() {
        QVERIFY(QFile::remove(configPath(QStringLiteral("mkr.dat"))));
        startIn(varnel::kEnglish);
        pickLanguage(varnel::kKorean);
        QCOMPARE(prompt_.messages, std::vector<std::string>{"system16\\_config\\mkr.dat"});
        QVERIFY(form().isVisible());
        QCOMPARE(form().windowTitle(), QStringLiteral("Badge[untitle.bge]"));
        QCOMPARE(menu("File1")->title(), QStringLiteral("&File"));
        QCOMPARE(find<QLabel>("MSG1")->text(), QStringLiteral("MSG1"));
        // The language was stored before the texts were looked for.
        QFile setup(folder_->filePath(QStringLiteral("setup.ini")));
        QVERIFY(setup.open(QIODevice::ReadOnly));
        QCOMPARE(setup.readAll().at(15), char(0x04));
    }

    void displayFontGoesToExactlyTheListedControls() {
        startIn(varnel::kKorean);
        const char* takers[] = {"Edit3",   "Edit8",   "MSG1",    "GroupBox2",  "CheckBox1",
                                "Label8",  "Label1",  "Send",    "suiButton1", "Button2",
                                "Button3", "Label12", "suiEdit1"};
        for (const char* name : takers) {
            QWidget* w = find<QWidget>(name);
            QCOMPARE(w->font().family(), QStringLiteral("Noto Sans CJK KR"));
            QCOMPARE(w->font().pixelSize(), 13);
        }
        const char* others[] = {"EditRunSeq", "LangBox", "suiEdit2",
                                "suiEdit3",   "ComBox",  "Label21"};
        for (const char* name : others) {
            QWidget* w = form().centralWidget()->findChild<QWidget*>(QString::fromLatin1(name));
            if (w != nullptr) {
                QVERIFY2(w->font().family() != QStringLiteral("Noto Sans CJK KR"), name);
            }
        }
        QVERIFY(form().MenuEnglish->font().family() != QStringLiteral("Noto Sans CJK KR"));
    }

    void emptyFaceNameAppliesOnlyAfterALanguageChange() {
        // No face, 20 pixels high, Shift-JIS / Hangul.
        writeFile(configPath(QStringLiteral("fontjp.dat")),
                  bytes({0, 0xEC, 0xFF, 0xFF, 0xFF, 128}));
        writeFile(configPath(QStringLiteral("fontkr.dat")),
                  bytes({0, 0xEC, 0xFF, 0xFF, 0xFF, 129}));
        startIn(varnel::kJapanese);
        QCOMPARE(edit("suiEdit1")->text(), QString());
        QCOMPARE(edit("suiEdit2")->text(), QStringLiteral("-20"));
        QCOMPARE(edit("suiEdit3")->text(), QStringLiteral("128"));
        QVERIFY(edit("Edit3")->font().pixelSize() != 20);
        pickLanguage(varnel::kKorean);
        QCOMPARE(edit("suiEdit3")->text(), QStringLiteral("129"));
        QCOMPARE(edit("Edit3")->font().pixelSize(), 20);
        QCOMPARE(edit("Edit3")->font().family(), QFont().family());
    }

    void typedTextIsStoredInTheCodePage() {
        startIn(varnel::kJapanese);
        type(edit("Edit3"), QStringLiteral("日本"));
        QCOMPARE(slotBytes(1), str(bytes({0x93, 0xFA, 0x96, 0x7B})));
        QCOMPARE(edit("Edit3")->text(), QStringLiteral("日本"));
        QTRY_COMPARE(find<QLabel>("Label13")->text(), QStringLiteral("4"));

        // A Hangul syllable has no place in code page 932: refused, not replaced.
        type(edit("Edit3"), QStringLiteral("한"));
        QCOMPARE(slotBytes(1), str(bytes({0x93, 0xFA, 0x96, 0x7B})));
        QCOMPARE(edit("Edit3")->text(), QStringLiteral("日本"));
        QVERIFY(form().statusPanel(0).contains(QStringLiteral("한")));
    }

    void byteLimitCountsBytes() {
        startIn(varnel::kChinese);
        type(edit("Edit4"), QString(125, QChar(0x4E2D)));  // 中: two bytes each
        QCOMPARE(slotBytes(2).size(), 250u);
        type(edit("Edit4"), QStringLiteral("a"));
        QCOMPARE(slotBytes(2).size(), 250u);
        QCOMPARE(edit("Edit4")->text().size(), 125);
    }

    void changingTheLanguageKeepsEveryTextsBytes() {
        startIn(varnel::kJapanese);
        type(edit("Edit3"), QStringLiteral("日本"));
        type(edit("Edit5"), QStringLiteral("ｶﾅ"));
        const std::string first = slotBytes(1);
        const std::string third = slotBytes(3);
        form().project().modified = false;
        pickLanguage(varnel::kRussian);
        QCOMPARE(slotBytes(1), first);
        QCOMPARE(slotBytes(3), third);
        QCOMPARE(edit("Edit3")->text(),
                 QString::fromStdU16String(varnel::decodeLossless(varnel::kRussian, first)));
        QVERIFY(!form().project().modified);
        pickLanguage(varnel::kJapanese);
        QCOMPARE(edit("Edit3")->text(), QStringLiteral("日本"));
        QCOMPARE(edit("Edit5")->text(), QStringLiteral("ｶﾅ"));
    }

    void languageSelectorAtAFirstStart() {
        QVERIFY(!QFile::exists(folder_->filePath(QStringLiteral("setup.ini"))));
        QString titleWhilePicking;
        QString nameAfterPick;
        whenModal([&](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Language Selector"));
            QCOMPARE(dialog->size(), QSize(581, 347));
            QCOMPARE(find<QLineEdit>("Edit1", dialog)->text(), QStringLiteral("ENGLISH"));
            QCOMPARE(form().LangBox->currentIndex(), int(varnel::kEnglish));
            QVERIFY(find<QRadioButton>("suiRadioButton6", dialog)->isChecked());
            QCOMPARE(find<QRadioButton>("suiRadioButton3", dialog)->pos(), QPoint(256, 120));
            QTest::mouseClick(find<QRadioButton>("suiRadioButton3", dialog), Qt::LeftButton, {},
                              QPoint(6, 6));
            nameAfterPick = find<QLineEdit>("Edit1", dialog)->text();
            titleWhilePicking = form().windowTitle();
            QTest::mouseClick(find<QPushButton>("suiButton1", dialog), Qt::LeftButton);
        });
        start();
        QCOMPARE(nameAfterPick, QStringLiteral("JAPANESE"));
        QCOMPARE(titleWhilePicking, QStringLiteral("Badge[38400]"));  // nothing applied yet
        QCOMPARE(form().LangBox->currentIndex(), int(varnel::kJapanese));
        QCOMPARE(form().windowTitle(), QStringLiteral("LED バッジ [untitle.bge]"));
        QFile setup(folder_->filePath(QStringLiteral("setup.ini")));
        QVERIFY(setup.open(QIODevice::ReadOnly));
        QCOMPARE(setup.readAll().at(15), char(0x08));
    }

    void characterMapPicksACellAndInsertsItsBytes() {
        startIn(varnel::kChinese);
        QApplication::setActiveWindow(&form());
        edit("Edit3")->setFocus();
        auto& map = windows_->form4;
        QString address;
        whenModal([&](QWidget* dialog) {
            QCOMPARE(dialog, static_cast<QWidget*>(&map));
            QCOMPARE(dialog->size(), QSize(301, 371));
            address = find<QLineEdit>("Edit1", dialog)->text();
            QTest::mouseClick(find<QLabel>("Image1", dialog), Qt::LeftButton, {}, QPoint(1, 1));
        });
        form().ToolButton7Click();
        QCOMPARE(address, QStringLiteral("A100"));
        QCOMPARE(form().pickedCharacterCode(), 0xA101u);
        QCOMPARE(slotBytes(1), str(bytes({0xA1, 0x01})));

        // Typing beside the picked pair leaves its bytes alone.
        type(edit("Edit3"), QStringLiteral("中"));
        QCOMPARE(slotBytes(1), str(bytes({0xA1, 0x01, 0xD6, 0xD0})));

        // Next page, a click on the grid line of column 1.
        whenModal([&](QWidget* dialog) {
            find<QScrollBar>("ScrollBar1", dialog)->setValue(1);
            address = find<QLineEdit>("Edit1", dialog)->text();
            QTest::mouseClick(find<QLabel>("Image1", dialog), Qt::RightButton, {}, QPoint(16, 17));
        });
        edit("Edit4")->setFocus();
        form().ToolButton7Click();
        QCOMPARE(address, QStringLiteral("A200"));
        QCOMPARE(form().pickedCharacterCode(), 0xA211u);
        QCOMPARE(slotBytes(2), str(bytes({0xA2, 0x11})));

        // Closed without a click: the last pick goes in again.
        whenModal([](QWidget* dialog) { dialog->close(); });
        edit("Edit5")->setFocus();
        form().ToolButton7Click();
        QCOMPARE(slotBytes(3), str(bytes({0xA2, 0x11})));
        // The map stays on the page the user left it at.
        QCOMPARE(find<QScrollBar>("ScrollBar1", &map)->value(), 1);
    }

    void pickedPairSurvivesSavingAndReopening() {
        startIn(varnel::kChinese);
        QApplication::setActiveWindow(&form());
        edit("Edit3")->setFocus();
        type(edit("Edit3"), QStringLiteral("中"));
        whenModal([&](QWidget* dialog) {
            QTest::mouseClick(find<QLabel>("Image1", dialog), Qt::LeftButton, {}, QPoint(1, 1));
        });
        form().ToolButton7Click();
        type(edit("Edit3"), QStringLiteral("文"));
        const std::string typed = str(bytes({0xD6, 0xD0, 0xA1, 0x01, 0xCE, 0xC4}));
        QCOMPARE(slotBytes(1), typed);

        const std::string path = folder_->filePath(QStringLiteral("picked.bge")).toStdString();
        form().documentSaveDialog = [path](const std::string&) { return path; };
        form().documentOpenDialog = [path] { return std::optional<std::string>(path); };
        form().SaveAs1Click();
        form().BtnNewClick();
        QCOMPARE(slotBytes(1), std::string());
        form().BtnOpenClick();
        QCOMPARE(slotBytes(1), typed);
        QCOMPARE(edit("Edit3")->text(),
                 QString::fromStdU16String(varnel::decodeLossless(varnel::kChinese, typed)));
        // Showing it again and leaving it untouched changes nothing.
        QCOMPARE(form().bytesForText(edit("Edit3")->text()), typed);
    }

    void characterMapBeforeAnyPickInsertsNothing() {
        startIn(varnel::kChinese);
        QApplication::setActiveWindow(&form());
        edit("Edit3")->setFocus();
        whenModal([](QWidget* dialog) { dialog->close(); });
        form().ToolButton7Click();
        QCOMPARE(slotBytes(1), std::string());
    }

    void displayFontButtonStoresFaceHeightAndCharacterSet() {
        startIn(varnel::kRussian);
        QFont chosen(QStringLiteral("DejaVu Sans"));
        chosen.setPixelSize(15);
        chosen.setBold(true);
        QString initialFamily;
        whenModal([&](QWidget* dialog) {
            auto* fonts = qobject_cast<QFontDialog*>(dialog);
            QVERIFY(fonts != nullptr);
            initialFamily = fonts->currentFont().family();
            fonts->setCurrentFont(chosen);
            fonts->accept();
        });
        find<QPushButton>("suiButton4")->click();
        QVERIFY(initialFamily != QString());
        QVERIFY(edit("Edit3")->font().bold());
        QVERIFY(!edit("suiEdit2")->font().bold());
        QCOMPARE(edit("suiEdit1")->text(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(edit("suiEdit3")->text(), QStringLiteral("204"));
        QFile file(configPath(QStringLiteral("fontru.dat")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray record = file.readAll();
        QCOMPARE(record.size(), 6 + 11);
        QCOMPARE(record.mid(0, 12), QByteArray("\x0B"
                                               "DejaVu Sans"));
        QCOMPARE(record.at(16), char(204));
        const int height = edit("suiEdit2")->text().toInt();
        QVERIFY(height < 0);

        // The next time the dialog starts with that choice; cancelling changes nothing.
        whenModal([&](QWidget* dialog) {
            initialFamily = qobject_cast<QFontDialog*>(dialog)->currentFont().family();
            qobject_cast<QFontDialog*>(dialog)->reject();
        });
        find<QPushButton>("suiButton4")->click();
        QCOMPARE(initialFamily, QStringLiteral("DejaVu Sans"));
        QVERIFY(file.seek(0));
        QCOMPARE(file.readAll(), record);

        // A restart brings back face, height and character set, not the style.
        windows_.reset();
        startIn(varnel::kRussian);
        QCOMPARE(edit("Edit3")->font().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(edit("Edit3")->font().pixelSize(), -height);
        QVERIFY(!edit("Edit3")->font().bold());
    }
};

QTEST_MAIN(LanguageWindowTest)
#include "language_window_test.moc"
