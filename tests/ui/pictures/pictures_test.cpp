// Loading, showing and deleting the pictures of slots 7 and 8 in the editor window, and starting
// the image editor.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <memory>

#include "common/bmp_writer.h"
#include "common/recording_prompt.h"
#include "project/run_sequence.h"
#include "support/find_control.h"
#include "varnel_windows.h"

class PicturesTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<VarnelWindows> windows_;
    varnel::RecordingPrompt prompt_;
    QStringList openAnswers_;  // empty string = cancel

    TForm1& form() { return windows_->form1; }
    template <typename T>
    T* find(const char* name) {
        return varnel::testing::findControl<T>(&form(), name);
    }
    QString label(const char* name) { return find<QLabel>(name)->text(); }

    // A bitmap file: lit where lit(x, y), white elsewhere, black as the lit colour.
    QString writeBmp(const QString& name, int width, int height,
                     const std::function<bool(int, int)>& lit) {
        std::vector<std::uint32_t> rgb(static_cast<std::size_t>(width * height));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                rgb[static_cast<std::size_t>(y * width + x)] = lit(x, y) ? 0x000000 : 0xFFFFFF;
            }
        }
        const QString path = folder_->filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            qFatal("cannot write %s", qPrintable(path));
        }
        const varnel::ByteVector bytes = varnel::writeBmp24(width, height, rgb);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        return path;
    }
    static bool diagonal(int x, int y) { return x % 16 == y; }

    void load(const char* button, const QString& file) {
        openAnswers_.append(file);
        find<QPushButton>(button)->click();
        QVERIFY(openAnswers_.isEmpty());
    }

    // What the panel shows: the picture control rendered as the user sees it.
    QImage shown(const char* imageName) { return find<QLabel>(imageName)->grab().toImage(); }

  private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        std::error_code ec;
        std::filesystem::copy(std::filesystem::path(VARNEL_PROGRAM_DIR) / "system16",
                              std::filesystem::path(folder_->path().toStdString()) / "system16",
                              std::filesystem::copy_options::recursive, ec);
        QFile setup(folder_->filePath(QStringLiteral("setup.ini")));
        QVERIFY(setup.open(QIODevice::WriteOnly));
        setup.write(QByteArray("  badge40      ") + char(0x10) + char(0) + QByteArray(3, '\0') +
                    "END");
        setup.close();
        prompt_ = varnel::RecordingPrompt();
        openAnswers_.clear();
        windows_ = std::make_unique<VarnelWindows>(folder_->path().toStdString(), &prompt_);
        form().pictureOpenDialog = [this]() -> std::optional<std::string> {
            if (openAnswers_.isEmpty()) {
                qWarning("an open dialog nobody expected");
                return std::nullopt;
            }
            const QString a = openAnswers_.takeFirst();
            return a.isEmpty() ? std::nullopt : std::optional<std::string>(a.toStdString());
        };
        form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&form()));
        prompt_.messages.clear();
    }
    void cleanup() {
        form().project().modified = false;
        windows_.reset();
        folder_.reset();
    }

    void loadShowsThePictureAndItsWidth() {
        QCOMPARE(label("Label19"), QStringLiteral("0"));
        load("Button2", writeBmp(QStringLiteral("forty.bmp"), 40, 16, diagonal));
        const varnel::BadgeProject& p = form().project();
        QVERIFY(p.modified);
        QCOMPARE(int(p.pictureFlags), int(varnel::kPictureFlagSlot7));
        QCOMPARE(p.picture(7).width(), 40);
        QCOMPARE(p.picture(7).height(), 16);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 40; ++x) {
                QCOMPARE(p.picture(7).at(x, y),
                         diagonal(x, y) ? varnel::SlotPicture::kLit : varnel::SlotPicture::kOff);
            }
        }
        QCOMPARE(label("Label19"), QStringLiteral("40"));
        QCOMPARE(label("Label20"), QStringLiteral("0"));
        QCOMPARE(find<QLabel>("Image3")->size(), QSize(40, 16));

        // The panel shows red where the badge lights up and white elsewhere, not greyed.
        const QImage image = shown("Image3");
        const qreal scale = image.width() / 40.0;
        auto pixel = [&](int x, int y) {
            return image.pixelColor(int((x + 0.5) * scale), int((y + 0.5) * scale));
        };
        QCOMPARE(pixel(3, 3), QColor(255, 0, 0));
        QCOMPARE(pixel(35, 3), QColor(255, 0, 0));
        QCOMPARE(pixel(4, 3), QColor(255, 255, 255));
        QCOMPARE(pixel(0, 15), QColor(255, 255, 255));

        // The slot goes to the badge.
        QCOMPARE(varnel::sendSequence(p), std::string("7"));
        QVERIFY(prompt_.messages.empty());
    }

    void loadIntoSlot8AndDeleteIt() {
        load("Button3",
             writeBmp(QStringLiteral("tall.bmp"), 20, 30, [](int, int y) { return y >= 15; }));
        varnel::BadgeProject& p = form().project();
        QCOMPARE(int(p.pictureFlags), int(varnel::kPictureFlagSlot8));
        QCOMPARE(label("Label20"), QStringLiteral("20"));
        for (int y = 0; y < 16; ++y) {
            QCOMPARE(p.picture(8).isLit(4, y), y == 15);
        }

        p.modified = false;
        find<QPushButton>("suiButton2")->click();
        QVERIFY(p.modified);
        QCOMPARE(int(p.pictureFlags), 0);
        QCOMPARE(p.picture(8).width(), 0);
        QCOMPARE(label("Label20"), QStringLiteral("0"));
        QCOMPARE(find<QLabel>("Image4")->width(), 0);

        // "Del" of slot 7 works on slot 7 only.
        load("Button3", writeBmp(QStringLiteral("small.bmp"), 3, 16, diagonal));
        load("Button2", writeBmp(QStringLiteral("small.bmp"), 3, 16, diagonal));
        find<QPushButton>("suiButton3")->click();
        QCOMPARE(int(p.pictureFlags), int(varnel::kPictureFlagSlot8));
        QCOMPARE(label("Label19"), QStringLiteral("0"));
        QCOMPARE(label("Label20"), QStringLiteral("3"));
    }

    void cancelChangesNothing() {
        openAnswers_.append(QString());
        find<QPushButton>("Button2")->click();
        QVERIFY(!form().project().modified);
        QCOMPARE(int(form().project().pictureFlags), 0);
        QVERIFY(prompt_.messages.empty());
    }

    void unloadableFileKeepsTheSlot() {
        load("Button2", writeBmp(QStringLiteral("first.bmp"), 24, 16, diagonal));
        const varnel::SlotPicture before = form().project().picture(7);

        QFile junk(folder_->filePath(QStringLiteral("junk.png")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("no picture in here");
        junk.close();
        load("Button2", junk.fileName());
        QCOMPARE(prompt_.messages.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(prompt_.messages[0]).contains(QStringLiteral("junk.png")));
        QVERIFY(form().project().picture(7) == before);
        QCOMPARE(int(form().project().pictureFlags), int(varnel::kPictureFlagSlot7));
        QCOMPARE(label("Label19"), QStringLiteral("24"));

        // Too wide for the badge: a message, and the slot stays as it was.
        load("Button2", writeBmp(QStringLiteral("wide.bmp"), 2001, 16, diagonal));
        QCOMPARE(prompt_.messages.size(), std::size_t(2));
        QVERIFY(QString::fromStdString(prompt_.messages[1]).contains(QStringLiteral("2000")));
        QVERIFY(form().project().picture(7) == before);
        QCOMPARE(label("Label19"), QStringLiteral("24"));
    }

    void imageEditorStartsTheFirstOneFound() {
        const QString marker = folder_->filePath(QStringLiteral("editor-ran"));
        const QString script = folder_->filePath(QStringLiteral("fake-editor"));
        QFile f(script);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(("#!/bin/sh\ntouch '" + marker + "'\n").toUtf8());
        f.close();
        QVERIFY(f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

        form().imageEditorPrograms = {QStringLiteral("varnel-no-such-editor"), script};
        find<QPushButton>("suiButton1")->click();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 5000);
        QFile::remove(marker);
        form().ToolButton2Click();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 5000);

        // None found: nothing happens and nothing is reported.
        form().imageEditorPrograms = {QStringLiteral("varnel-no-such-editor")};
        find<QPushButton>("suiButton1")->click();
        QVERIFY(prompt_.messages.empty());
        QVERIFY(!form().project().modified);
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
