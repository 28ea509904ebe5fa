// Send and "Initial Screen" pressed in the editor window, with the virtual badge pinned as COM 3
// of the window's program folder.

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <memory>

#include "common/recording_prompt.h"
#include "encoder/badge_encoder.h"
#include "link/badge_send.h"
#include "tools/virtual_badge/badge_process.h"
#include "varnel_windows.h"

namespace fs = std::filesystem;
using varnel::testing::BadgeProcess;

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, e);
    }
};

QImage iconImage(const QPushButton* button) {
    return button->icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

class SendWindowTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir folder_;
    fs::path program_;
    fs::path report_;
    fs::path dump_;
    std::unique_ptr<VarnelWindows> windows_;
    varnel::RecordingPrompt prompt_;

    TForm1& form() { return windows_->form1; }

    std::unique_ptr<BadgeProcess> startBadge(std::vector<std::string> extra = {}) {
        fs::remove(program_ / "ports/COM3");
        fs::remove(report_);
        extra.insert(extra.end(), {"--report", report_.string(), "--dump", dump_.string()});
        auto badge = std::make_unique<BadgeProcess>(program_ / "ports/COM3", extra);
        return badge;
    }

    QImage picture(const char* name) {
        QImage image(QString::fromStdString((program_ / name).string()), "BMP");
        return image.convertToFormat(QImage::Format_ARGB32);
    }

    std::vector<std::uint8_t> expectedImage() {
        varnel::RecordingPrompt quiet;
        varnel::BadgeEncoder encoder(program_, quiet);
        encoder.encode(form().project(), form().languageId());
        return {encoder.image().data(), encoder.image().data() + varnel::kBadgeMemorySize};
    }

    QJsonObject onlySession() {
        QJsonArray sessions = varnel::testing::readReport(report_).value("sessions").toArray();
        return sessions.size() == 1 ? sessions.at(0).toObject() : QJsonObject();
    }

  private slots:
    void initTestCase() {
        program_ = folder_.path().toStdString();
        report_ = program_ / "report.json";
        dump_ = program_ / "memory.bin";
        // A parameter file (English, AUTO), so no start is a first start.
        QFile setup(folder_.filePath(QStringLiteral("setup.ini")));
        QVERIFY(setup.open(QIODevice::WriteOnly));
        setup.write(QByteArray("  badge40      \x10\0\0\0\0END", 23));
        setup.close();
        fs::create_directory_symlink(fs::path(VARNEL_PROGRAM_DIR) / "system16",
                                     program_ / "system16");
        // Every number pinned to nothing but COM 3, so the machine's own devices stay out.
        fs::create_directories(program_ / "ports");
        for (int n = 1; n <= 20; ++n) {
            std::ofstream(program_ / "ports" / ("COM" + std::to_string(n)));
        }
    }

    void init() {
        prompt_ = varnel::RecordingPrompt();
        windows_ = std::make_unique<VarnelWindows>(program_, &prompt_);
        form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&form()));
        QVERIFY2(prompt_.messages.empty(),
                 prompt_.messages.empty() ? "" : prompt_.messages[0].c_str());
    }

    void cleanup() {
        form().project().modified = false;
        windows_.reset();
    }

    void sendWritesTheImageOnTheChosenPort() {
        auto badge = startBadge({"--once"});
        QVERIFY(badge->started());
        QTest::keyClicks(form().messageEdit(1), QStringLiteral("Hi ~H~S"));
        QTest::keyClicks(form().messageEdit(4), QStringLiteral("~O"));
        QCOMPARE(form().project().text(1), std::string("Hi ~H~S"));
        form().ComBox->setCurrentIndex(3);
        PaintCounter counter;
        form().ProgressBar1->installEventFilter(&counter);

        QTest::mouseClick(form().Send, Qt::LeftButton);

        form().ProgressBar1->removeEventFilter(&counter);
        QCOMPARE(badge->waitForExit(5000), 0);
        QVERIFY(prompt_.messages.empty());
        QCOMPARE(form().statusPanel(0), QStringLiteral("Send Message:14"));
        QCOMPARE(form().ProgressBar1->maximum(), 69 * (8 + 3));
        QCOMPARE(form().ProgressBar1->value(), 0);
        QCOMPARE(iconImage(form().Send), picture("s6g.dat"));
        QVERIFY2(counter.paints >= 10, "the progress bar is painted while the handler runs");

        const QJsonObject session = onlySession();
        QVERIFY(session.value("ok").toBool());
        QCOMPARE(session.value("probes").toInt(), 0);
        QCOMPARE(session.value("packets").toArray().size(), 8 + 3);
        QCOMPARE(session.value("end").toObject().value("mask").toInt(), 0x03);
        const std::vector<std::uint8_t> expected = expectedImage();
        const std::vector<unsigned char> memory = varnel::testing::readBytes(dump_);
        QCOMPARE(memory.size(), varnel::kBadgeMemorySize);
        QVERIFY(std::equal(memory.begin() + 0x0600, memory.begin() + 0x0800,
                           expected.begin() + 0x0600));
        QVERIFY(std::equal(memory.begin() + 0x0E00, memory.begin() + 0x0EC0,
                           expected.begin() + 0x0E00));
    }

    void autoFindsTheBadgeAndShowsItsPort() {
        auto badge = startBadge({"--once"});
        QVERIFY(badge->started());
        QTest::keyClicks(form().messageEdit(2), QStringLiteral("AUTO"));
        form().ComBox->setCurrentIndex(0);
        QTest::mouseClick(form().Send, Qt::LeftButton);
        QCOMPARE(badge->waitForExit(5000), 0);
        QCOMPARE(form().statusPanel(0), QStringLiteral("Send Message:2"));
        QCOMPARE(form().statusPanel(1), QStringLiteral("COM:3"));
        QCOMPARE(form().statusPanel(2), QString());
        QCOMPARE(onlySession().value("letters").toString(), QStringLiteral("ABCDE"));
    }

    void failedScanShowsTheWarningDialog() {
        auto badge = startBadge({"--silent"});
        QVERIFY(badge->started());
        QTest::keyClicks(form().messageEdit(1), QStringLiteral("x"));
        form().ComBox->setCurrentIndex(0);
        QString shown;
        QTimer::singleShot(200, this, [&shown] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shown = modal->windowTitle();
                modal->close();
            }
        });
        const QImage before = iconImage(form().Send);
        QTest::mouseClick(form().Send, Qt::LeftButton);
        QCOMPARE(shown, QStringLiteral("Warning !"));
        QCOMPARE(form().statusPanel(2), QStringLiteral("Available COM:3,"));
        QCOMPARE(iconImage(form().Send), before);
        QVERIFY(prompt_.messages.empty());
    }

    void chosenPortThatDoesNotOpenTurnsSendRed() {
        QTest::keyClicks(form().messageEdit(1), QStringLiteral("x"));
        form().ComBox->setCurrentIndex(4);
        QTest::mouseClick(form().Send, Qt::LeftButton);
        QCOMPARE(prompt_.messages, std::vector<std::string>{"Can't Open the serial port!"});
        QCOMPARE(iconImage(form().Send), picture("s6r.dat"));

        form().findChild<QPushButton*>(QStringLiteral("suiButton5"))->click();
        QCOMPARE(prompt_.messages.back(), std::string("Serial port can't open!"));
    }

    void cancelAtTheSizeQuestionSendsOnlyTheLeadIn() {
        auto badge = startBadge();
        QVERIFY(badge->started());
        std::string pictures;
        for (int i = 0; i < 100; ++i) {
            pictures += "~H";  // two cells each
        }
        form().project().text(1) = pictures;
        form().project().text(2) = pictures;
        form().ComBox->setCurrentIndex(3);
        prompt_.answers = {false};
        const QImage before = iconImage(form().Send);
        QTest::mouseClick(form().Send, Qt::LeftButton);
        QCOMPARE(prompt_.questions,
                 std::vector<std::string>{" Warning: Maybe too many words in message!\n"
                                          " Are you sure to send the message ? "});
        QCOMPARE(iconImage(form().Send), before);
        badge->stop();
        const QJsonObject session = onlySession();
        QCOMPARE(session.value("leadIns").toInt(), 1);
        QVERIFY(session.value("packets").toArray().isEmpty());
    }

    void initialScreenUploadsTheResidentFont() {
        auto badge = startBadge({"--once"});
        QVERIFY(badge->started());
        form().ComBox->setCurrentIndex(0);
        form().findChild<QPushButton*>(QStringLiteral("suiButton5"))->click();
        QCOMPARE(badge->waitForExit(5000), 0);
        QVERIFY(prompt_.messages.empty());
        QCOMPARE(iconImage(form().Send), picture("s6g.dat"));
        QCOMPARE(form().ProgressBar1->maximum(), 69 * 48);
        const std::vector<unsigned char> font =
            varnel::testing::readBytes(program_ / "system16/_system/efont12_thin.bin");
        const std::vector<unsigned char> memory = varnel::testing::readBytes(dump_);
        QCOMPARE(memory.size(), varnel::kBadgeMemorySize);
        QVERIFY(font.size() >= 3072);
        QVERIFY(std::equal(font.begin(), font.begin() + 3072, memory.begin()));
    }

    void portToolTipsNameTheDevices() {
        auto badge = startBadge();
        QVERIFY(badge->started());
        form().refreshPortHints();
        const QString target =
            QString::fromStdString(fs::read_symlink(program_ / "ports/COM3").string());
        QCOMPARE(form().ComBox->itemData(3, Qt::ToolTipRole).toString(),
                 QStringLiteral("COM 3: %1 (ports/COM3)").arg(target));
        QCOMPARE(form().ComBox->itemData(4, Qt::ToolTipRole).toString(),
                 QStringLiteral("COM 4: switched off by ports/COM4"));
        QCOMPARE(form().ComBox->itemData(0, Qt::ToolTipRole).toString(),
                 QStringLiteral("AUTO: looks for the badge on\nCOM 3: %1").arg(target));
        QCOMPARE(form().ComBox->itemText(3), QStringLiteral("COM 3"));

        // The hints follow the pins and devices as they are when the user opens the list.
        badge->stop();
        fs::create_symlink("/dev/ttyUSB-unplugged", program_ / "ports/COM3");
        QTest::mousePress(form().ComBox, Qt::LeftButton);
        QTest::keyClick(QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                          : static_cast<QWidget*>(form().ComBox),
                        Qt::Key_Escape);
        QCOMPARE(form().ComBox->itemData(3, Qt::ToolTipRole).toString(),
                 QStringLiteral("COM 3: /dev/ttyUSB-unplugged (ports/COM3)"));
        fs::remove(program_ / "ports/COM3");
    }
};

QTEST_MAIN(SendWindowTest)
#include "send_window_test.moc"
