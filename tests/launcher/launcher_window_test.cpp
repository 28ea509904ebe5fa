#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "launcher_window.h"

using launcher::LauncherWindow;

namespace {

QByteArray fontRecord(const QByteArray& face, qint32 height, quint8 charSet) {
    QByteArray bytes(1, static_cast<char>(face.size()));
    bytes += face;
    const auto h = static_cast<quint32>(height);
    for (int shift = 0; shift < 32; shift += 8) {
        bytes += static_cast<char>((h >> shift) & 0xFF);
    }
    bytes += static_cast<char>(charSet);
    return bytes;
}

}  // namespace

class LauncherWindowTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir folder_;
    QString startDirectory_;
    QStringList messages_;

    QString folderPath() const { return folder_.path() + QLatin1Char('/'); }

    void write(const QString& relative, const QByteArray& bytes) {
        const QString path = folderPath() + relative;
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    std::unique_ptr<LauncherWindow> shownWindow() {
        auto window = std::make_unique<LauncherWindow>(folder_.path());
        window->setMessageBox([this](QWidget*, const QString& text) { messages_ << text; });
        window->move(120, 90);
        window->show();
        return window;
    }

    template <typename T>
    static T* child(LauncherWindow& window, const char* name) {
        T* widget = window.findChild<T*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            qFatal("missing control %s", name);
        }
        return widget;
    }

  private slots:
    void init() {
        QVERIFY(folder_.isValid());
        QDir(folder_.path()).removeRecursively();
        QVERIFY(QDir().mkpath(folder_.path()));
        startDirectory_ = QDir::currentPath();
        messages_.clear();
    }

    void cleanup() { QDir::setCurrent(startDirectory_); }

    void designBeforeTheMenuIsRead() {
        LauncherWindow window(folder_.path());
        QCOMPARE(window.objectName(), QStringLiteral("Form1"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Form1"));
        QCOMPARE(window.size(), QSize(401, 280));
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window.findChild<QWidget*>(QStringLiteral("suiForm1")) != nullptr);

        auto* label = child<QLabel>(window, "Label1");
        QCOMPARE(label->text(), QStringLiteral("Label1"));
        QCOMPARE(label->pos(), QPoint(16, 32));
        QCOMPARE(label->font().pixelSize(), 32);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0xFF, 0x00, 0xFF));
        QVERIFY(!label->autoFillBackground());

        const struct {
            const char* name;
            int top;
        } buttons[] = {{"Button1", 88}, {"Button2", 128}, {"Button3", 168}};
        for (const auto& b : buttons) {
            auto* button = child<QPushButton>(window, b.name);
            QCOMPARE(button->text(), QString::fromLatin1(b.name));
            QCOMPARE(button->geometry(), QRect(48, b.top, 289, 25));
        }
        QVERIFY(window.programPath1().isEmpty());
        QVERIFY(window.programPath2().isEmpty());
    }

    void showReadsTheMenuIntoTitleCaptionsAndPrograms() {
        write("system/Install.dat",
              "\r\nVarnel\r\n\r\nLED Badge Software\r\nStart\tVarnel\r\nClose\r\nbin\\varnel\r\n"
              "varnel-badge\r\nignored\r\n");
        const auto window = shownWindow();
        QCOMPARE(window->pos(), QPoint(0, 0));
        QCOMPARE(window->windowTitle(), QStringLiteral("Varnel"));
        QCOMPARE(child<QLabel>(*window, "Label1")->text(), QStringLiteral("LED Badge Software"));
        QCOMPARE(child<QPushButton>(*window, "Button1")->text(), QStringLiteral("Start"));
        QCOMPARE(child<QPushButton>(*window, "Button2")->text(), QStringLiteral("Varnel"));
        QCOMPARE(child<QPushButton>(*window, "Button3")->text(), QStringLiteral("Close"));
        QCOMPARE(window->programPath1(), folderPath() + QStringLiteral("bin/varnel"));
        QCOMPARE(window->programPath2(), folderPath() + QStringLiteral("varnel-badge"));
        // Without Font.ini the design fonts stay.
        QCOMPARE(child<QLabel>(*window, "Label1")->font().pixelSize(), 32);
        QCOMPARE(child<QPushButton>(*window, "Button1")->font(), QApplication::font());
    }

    void missingLinesLeaveTheirTargetsEmpty() {
        write("system/Install.dat", "Title\n\nHeadline\n");
        const auto window = shownWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("Title"));
        QCOMPARE(child<QLabel>(*window, "Label1")->text(), QStringLiteral("Headline"));
        for (const char* name : {"Button1", "Button2", "Button3"}) {
            QCOMPARE(child<QPushButton>(*window, name)->text(), QString());
        }
        // The program path is the bare folder, which is no file.
        QCOMPARE(window->programPath1(), folderPath());
        QTest::mouseClick(child<QPushButton>(*window, "Button1"), Qt::LeftButton);
        QCOMPARE(messages_, QStringList{folderPath()});
    }

    void japaneseFontAndShiftJisTexts() {
        // "日本語", "見出し", "開始", "閉じる" in Shift-JIS.
        write("system/Install.dat",
              "\x93\xfa\x96\x7b\x8c\xea\n\x8c\xa9\x8f\x6f\x82\xb5\n\x8a\x4a\x8e\x6e\n"
              "\x95\x5c\n\x95\xc2\x82\xb6\x82\xe9\na\nb\n");
        write("system/Font.ini", fontRecord("Noto Sans CJK JP", -16, 128));
        const auto window = shownWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("日本語"));
        QCOMPARE(child<QLabel>(*window, "Label1")->text(), QStringLiteral("見出し"));
        QCOMPARE(child<QPushButton>(*window, "Button1")->text(), QStringLiteral("開始"));
        QCOMPARE(child<QPushButton>(*window, "Button2")->text(), QStringLiteral("表"));
        QCOMPARE(child<QPushButton>(*window, "Button3")->text(), QStringLiteral("閉じる"));

        for (const char* name : {"Button1", "Button2", "Button3"}) {
            const QFont font = child<QPushButton>(*window, name)->font();
            QCOMPARE(font.family(), QStringLiteral("Noto Sans CJK JP"));
            QCOMPARE(font.pixelSize(), 16);
        }
        // The headline takes the face but keeps its own height and colour.
        auto* label = child<QLabel>(*window, "Label1");
        QCOMPARE(label->font().family(), QStringLiteral("Noto Sans CJK JP"));
        QCOMPARE(label->font().pixelSize(), 32);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0xFF, 0x00, 0xFF));
        QVERIFY(label->width() > 3 * 24);  // sized to its text
    }

    void positiveHeightIsTheCellHeight() {
        write("system/Install.dat", "T\nH\nB1\nB2\nB3\na\nb\n");
        write("system/Font.ini", fontRecord("DejaVu Sans", 30, 0));
        const auto window = shownWindow();
        const QFontMetricsF metrics(child<QPushButton>(*window, "Button1")->font());
        QVERIFY2(qAbs(metrics.ascent() + metrics.descent() - 30) <= 1.5,
                 qPrintable(QString::number(metrics.ascent() + metrics.descent())));
        QCOMPARE(child<QLabel>(*window, "Label1")->font().pixelSize(), 32);
    }

    void emptyFaceChangesNoFont() {
        write("system/Install.dat", "T\n\xcf\xf0\xe8\xe2\xe5\xf2\nB1\nB2\nB3\na\nb\n");
        write("system/Font.ini", fontRecord("", -40, 204));
        const auto window = shownWindow();
        QCOMPARE(child<QPushButton>(*window, "Button1")->font(), QApplication::font());
        QCOMPARE(child<QLabel>(*window, "Label1")->font().pixelSize(), 32);
        // The texts still read in the record's code page.
        QCOMPARE(child<QLabel>(*window, "Label1")->text(), QStringLiteral("Привет"));
    }

    void programStartsInItsOwnFolder_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("slash") << QByteArray("tools/record-cwd.sh");
        QTest::newRow("backslash") << QByteArray("tools\\record-cwd.sh");
        QTest::newRow("leading separator") << QByteArray("/tools/record-cwd.sh");
    }

    void programStartsInItsOwnFolder() {
        QFETCH(QByteArray, line);
        const QString record = folderPath() + QStringLiteral("cwd.txt");
        write("tools/record-cwd.sh", "#!/bin/sh\npwd > \"" + QFile::encodeName(record) +
                                         ".part\" && mv \"" + QFile::encodeName(record) +
                                         ".part\" \"" + QFile::encodeName(record) + "\"\n");
        QFile::setPermissions(folderPath() + QStringLiteral("tools/record-cwd.sh"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        write("system/Install.dat", "T\nH\nB1\nB2\nB3\n" + line + "\nnone\n");

        const auto window = shownWindow();
        QTest::mouseClick(child<QPushButton>(*window, "Button1"), Qt::LeftButton);
        QVERIFY(messages_.isEmpty());
        const QString tools = QFileInfo(folderPath() + QStringLiteral("tools")).canonicalFilePath();
        QCOMPARE(QFileInfo(QDir::currentPath()).canonicalFilePath(), tools);

        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
        QFile recorded(record);
        QVERIFY(recorded.open(QIODevice::ReadOnly));
        QCOMPARE(
            QFileInfo(QString::fromLocal8Bit(recorded.readAll().trimmed())).canonicalFilePath(),
            tools);
        QVERIFY(window->isVisible());  // the launcher stays open
    }

    void programThatIsNoFileShowsItsFullPath() {
        QVERIFY(QDir().mkpath(folderPath() + QStringLiteral("tools")));
        write("system/Install.dat", "T\nH\nB1\nB2\nB3\ntools\nmissing-program\n");
        const auto window = shownWindow();
        QTest::mouseClick(child<QPushButton>(*window, "Button1"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(*window, "Button2"), Qt::LeftButton);
        QCOMPARE(messages_, (QStringList{folderPath() + QStringLiteral("tools"),
                                         folderPath() + QStringLiteral("missing-program")}));
        QCOMPARE(QDir::currentPath(), startDirectory_);
    }

    void headlineDoubleClickShowsTheVersion() {
        write("system/Install.dat", "T\nH\n");
        const auto window = shownWindow();
        QTest::mouseDClick(child<QLabel>(*window, "Label1"), Qt::LeftButton);
        QCOMPARE(messages_, QStringList{QStringLiteral("Intallation Software V10.00.01")});
    }

    void button3Closes() {
        write("system/Install.dat", "T\nH\n");
        const auto window = shownWindow();
        QTest::mouseClick(child<QPushButton>(*window, "Button3"), Qt::LeftButton);
        QVERIFY(!window->isVisible());
    }

    void missingMenuClosesTheWindow() {
        write("system/Font.ini", fontRecord("Noto Sans CJK JP", -16, 128));
        const auto window = shownWindow();
        QTRY_VERIFY(!window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Form1"));
        QCOMPARE(child<QPushButton>(*window, "Button1")->font(), QApplication::font());
    }

    void missingMenuEndsTheProgram() {
        const QString copy = folderPath() + QStringLiteral("Install");
        QVERIFY(QFile::copy(QStringLiteral(INSTALL_EXECUTABLE), copy));
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(copy, {});
        QVERIFY(process.waitForStarted());
        const bool ended = process.waitForFinished(20000);
        if (!ended) {
            process.kill();
            process.waitForFinished();
        }
        QVERIFY(ended);
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
    }
};

QTEST_MAIN(LauncherWindowTest)
#include "launcher_window_test.moc"
