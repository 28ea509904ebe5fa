// The editor window as a user drives it: controls found by their names.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "common/recording_prompt.h"
#include "support/find_control.h"
#include "varnel_windows.h"

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir folder_;
    std::unique_ptr<VarnelWindows> windows_;
    varnel::RecordingPrompt prompt_;

    TForm1& form() { return windows_->form1; }
    template <typename T>
    T* find(const char* name) {
        return varnel::testing::findControl<T>(&form(), name);
    }
    QAction* action(const char* name) { return find<QAction>(name); }
    QLineEdit* edit(const char* name) { return find<QLineEdit>(name); }

    void focus(QWidget* w) {
        QApplication::setActiveWindow(&form());
        w->setFocus();
        QVERIFY(w->hasFocus());
    }
    // Lets at least one 100 ms timer tick pass.
    void tick() { QTest::qWait(130); }

  private slots:
    void initTestCase() {
        // A parameter file (English, AUTO), so no start is a first start.
        QFile setup(folder_.filePath(QStringLiteral("setup.ini")));
        QVERIFY(setup.open(QIODevice::WriteOnly));
        setup.write(QByteArray("  badge40      \x10\0\0\0\0END", 23));
    }

    void init() {
        prompt_ = varnel::RecordingPrompt();
        windows_ = std::make_unique<VarnelWindows>(folder_.path().toStdString(), &prompt_);
        form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&form()));
    }
    void cleanup() {
        form().project().modified = false;
        windows_.reset();
    }

    void startsCompactWithSaveButtonDisabledAndSaveItemEnabled() {
        QCOMPARE(form().size(), QSize(620, 465));
        tick();
        QVERIFY(!find<QToolButton>("BtnSave")->isEnabled());
        QVERIFY(action("Save1")->isEnabled());
        QVERIFY(edit("Edit3")->hasFocus());
        QCOMPARE(find<QLabel>("Label19")->text(), QStringLiteral("0"));
        QCOMPARE(find<QLabel>("Label20")->text(), QStringLiteral("0"));
        QCOMPARE(edit("EditRunSeq")->text(), QStringLiteral("12345678"));
        // The Speed legend shows the digit pictures written at this very start.
        QVERIFY(!action("Faster1")->icon().isNull());
        QVERIFY(!action("Faster1")->isEnabled());
    }

    void storedPicturesAreWrittenOnceAndNeverOverwritten() {
        for (const char* name :
             {"s1.dat", "s2.dat", "s3.dat", "s4.dat", "s5.dat", "s6r.dat", "s6g.dat"}) {
            QFile file(folder_.filePath(QString::fromLatin1(name)));
            QVERIFY2(file.open(QIODevice::ReadOnly), name);
            const QByteArray bytes = file.readAll();
            QCOMPARE(bytes.size(), 822);
            QVERIFY(bytes.startsWith("BM"));
            QCOMPARE(bytes.at(28), char(24));  // bits per pixel
        }
        {
            QFile edited(folder_.filePath(QStringLiteral("s3.dat")));
            QVERIFY(edited.open(QIODevice::WriteOnly | QIODevice::Truncate));
            edited.write("edited");
        }
        windows_.reset();
        init();
        QFile again(folder_.filePath(QStringLiteral("s3.dat")));
        QVERIFY(again.open(QIODevice::ReadOnly));
        QCOMPARE(again.readAll(), QByteArray("edited"));
    }

    void heightToggleSwitchesBetweenCompactAndExpanded() {
        auto* toggle = find<QToolButton>("suiImagePanel1");
        auto* band = find<QComboBox>("LangBox");
        QVERIFY(!band->isVisible());
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(form().size(), QSize(620, 565));
        QVERIFY(band->isVisible());
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(form().size(), QSize(620, 465));
        QVERIFY(!band->isVisible());
        // From the keyboard too.
        focus(toggle);
        QTest::keyClick(toggle, Qt::Key_Space);
        QCOMPARE(form().size(), QSize(620, 565));
    }

    void saveButtonFollowsModifiedFlagButNotTheEnableBoxes() {
        tick();
        QTest::mouseClick(find<QCheckBox>("suiCheckBox3"), Qt::LeftButton);
        tick();
        QVERIFY(!find<QToolButton>("BtnSave")->isEnabled());
        QCOMPARE(form().project().enableMask, 0xFB);

        find<QToolButton>("SpeedButton1")->click();
        tick();
        QVERIFY(find<QToolButton>("BtnSave")->isEnabled());
        QCOMPARE(form().project().speed(1), 0);
    }

    void speedOutsideTheTableKeepsItsPictureUntilTheNextClick() {
        auto* button = find<QToolButton>("SpeedButton3");
        const QImage before = button->icon().pixmap(16, 16).toImage();
        form().project().speed(3) = 7;
        form().UpdateSpeedGlyphs();
        QCOMPARE(button->icon().pixmap(16, 16).toImage(), before);
        button->click();
        QCOMPARE(form().project().speed(3), 0);
        QVERIFY(button->icon().pixmap(16, 16).toImage() != before);
        // The action picture of value 4 comes from a5.dat: nothing breaks when the file is
        // missing from this test folder; the cycle still runs.
        auto* actionButton = find<QToolButton>("SpeedButton16");
        for (int i = 0; i < 4; ++i) {
            actionButton->click();
        }
        QCOMPARE(form().project().action(8), 0);
    }

    void codesGoInAtTheCaret() {
        QLineEdit* e = edit("Edit5");
        focus(e);
        QTest::keyClicks(e, "AB");
        e->setCursorPosition(0);
        find<QToolButton>("PicStar")->click();
        QCOMPARE(e->text(), QStringLiteral("~+AB"));
        QCOMPARE(e->cursorPosition(), 2);
        QCOMPARE(form().project().text(3), std::string("~+AB"));

        // In front of a selection, which stays.
        e->setSelection(2, 2);
        action("Heart1")->trigger();
        QCOMPARE(e->text(), QStringLiteral("~+~HAB"));
        QCOMPARE(e->cursorPosition(), 4);
    }

    void fontMenuItemInsertsWhatItsToolButtonInserts() {
        QLineEdit* e = edit("Edit4");
        focus(e);
        action("Bold1")->trigger();
        QCOMPARE(form().project().text(2), std::string("~2"));
        find<QToolButton>("ToolFont1")->click();
        QCOMPARE(form().project().text(2), std::string("~2~2"));
        action("UserDefine1")->trigger();
        action("Question1")->trigger();
        QCOMPARE(form().project().text(2), std::string("~2~2~M~Q"));
    }

    void codesStopAt249Bytes() {
        QLineEdit* e = edit("Edit3");
        focus(e);
        e->setText(QString(248, QLatin1Char('x')));
        form().project().text(1) = std::string(248, 'x');
        e->setCursorPosition(248);
        find<QToolButton>("BtnHeart")->click();
        QCOMPARE(form().project().text(1).size(), std::size_t(250));
        e->setText(QString(249, QLatin1Char('x')));
        form().project().text(1) = std::string(249, 'x');
        find<QToolButton>("BtnHeart")->click();
        QCOMPARE(form().project().text(1), std::string(249, 'x'));
    }

    void nothingGoesInWhileTheRunSequenceHasTheFocus() {
        focus(edit("EditRunSeq"));
        find<QToolButton>("PicStar")->click();
        action("Full1")->trigger();
        action("Normal3")->trigger();
        for (int slot = 1; slot <= 6; ++slot) {
            QVERIFY(form().project().text(slot).empty());
        }
        QCOMPARE(edit("EditRunSeq")->text(), QStringLiteral("12345678"));
    }

    void runSequenceIsCleanedWhenTheFieldIsLeft() {
        QLineEdit* run = edit("EditRunSeq");
        struct Case {
            const char* typed;
            const char* cleaned;
        };
        for (Case c : {Case{"", "12345678"}, Case{"9a3", "13"}, Case{"11", "1"},
                       Case{"87654321", "87654321"}}) {
            focus(run);
            run->selectAll();
            QTest::keyClick(run, Qt::Key_Backspace);
            QTest::keyClicks(run, c.typed);
            focus(edit("Edit3"));
            QCOMPARE(run->text(), QString::fromLatin1(c.cleaned));
        }
    }

    void dashItemsDoNothing() {
        form().project().text(1) = "abc";
        form().showWholeProject();
        form().project().modified = false;
        const QString title = form().windowTitle();
        for (const char* name : {"N1", "N2", "N3"}) {
            QAction* item = action(name);
            QCOMPARE(item->text(), QStringLiteral("----------"));
            item->trigger();
        }
        QCOMPARE(form().project().text(1), std::string("abc"));
        QVERIFY(!form().project().modified);
        QCOMPARE(form().windowTitle(), title);
        QVERIFY(form().isVisible());
    }

    void aLongerTextFromADocumentShowsWholeAndMayOnlyShrink() {
        form().project().text(1) = std::string(254, 'x') + "y";
        form().showWholeProject();
        QLineEdit* e = edit("Edit3");
        QCOMPARE(e->text().size(), 255);
        QVERIFY(e->text().endsWith(QLatin1Char('y')));
        focus(e);
        e->end(false);
        QTest::keyClick(e, Qt::Key_Backspace);
        QCOMPARE(form().project().text(1), std::string(254, 'x'));
        QTest::keyClicks(e, "z");
        QCOMPARE(form().project().text(1), std::string(254, 'x'));
        e->selectAll();
        QTest::keyClicks(e, "short");
        QCOMPARE(form().project().text(1), std::string("short"));
    }

    void enterAndSpacePressTheFocusedButton() {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            form().project().modified = false;
            auto* del = find<QPushButton>("suiButton3");
            focus(del);
            QTest::keyClick(del, key);
            QVERIFY2(form().project().modified, "the Del button did not react");
        }
    }

    void countersShowByteLengths() {
        QLineEdit* e = edit("Edit8");
        focus(e);
        QTest::keyClicks(e, "hello");
        tick();
        QCOMPARE(find<QLabel>("Label18")->text(), QStringLiteral("5"));
    }

    void closingWithUnsavedChangesAsksFirst() {
        form().project().modified = false;
        QVERIFY(form().close());
        QVERIFY(prompt_.questions.empty());

        form().show();
        form().project().modified = true;
        prompt_.answers = {false};
        QVERIFY(form().close());
        QCOMPARE(prompt_.questions, std::vector<std::string>{" Save file ? "});
    }

    void statusBarFirstPanelShowsTheHintUnderThePointer() {
        auto* heart = find<QToolButton>("BtnHeart");
        QStatusTipEvent tip(heart->statusTip());
        QApplication::sendEvent(heart, &tip);
        QCOMPARE(form().statusPanel(0), QStringLiteral("~H   Heart"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
