#include "imageio/picture_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace varnel {
namespace {

struct Rgb {
    int r, g, b;
};

// Pictures are written as plain PPM text and turned into other formats by ImageMagick, so the
// decoder is checked against files that an independent tool made.
class ImageioPictureFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("convert")).isEmpty()) {
            GTEST_SKIP() << "ImageMagick convert is not installed";
        }
        ASSERT_TRUE(dir.isValid());
    }

    QString writePpm(const QString& name, int width, int height,
                     const std::function<Rgb(int, int)>& colourAt) {
        QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        QByteArray text =
            "P3\n" + QByteArray::number(width) + " " + QByteArray::number(height) + "\n255\n";
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                Rgb c = colourAt(x, y);
                text += QByteArray::number(c.r) + " " + QByteArray::number(c.g) + " " +
                        QByteArray::number(c.b) + "\n";
            }
        }
        f.write(text);
        return path;
    }

    // Runs convert with the given arguments; returns the output file.
    QString convert(const QStringList& args) {
        QProcess p;
        p.start(QStringLiteral("convert"), args);
        EXPECT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return args.last().section(QLatin1Char(':'), -1);
    }

    QTemporaryDir dir;
};

// Eight colour stripes of 4 columns each: black, 128/0/0, 254/0/0, 255/0/0, 127/0/0, green,
// 128/0/1, white.
const Rgb kStripes[8] = {{0, 0, 0},   {128, 0, 0}, {254, 0, 0}, {255, 0, 0},
                         {127, 0, 0}, {0, 255, 0}, {128, 0, 1}, {255, 255, 255}};
const bool kStripeLit[8] = {true, true, true, false, false, false, false, false};

TEST_F(ImageioPictureFileTest, LosslessFormatsFollowTheColourRule) {
    QString ppm =
        writePpm(QStringLiteral("stripes.ppm"), 32, 16, [](int x, int) { return kStripes[x / 4]; });
    for (const char* target : {"BMP3:", "PNG24:"}) {
        const QString format = QString::fromLatin1(target);
        const QString out = dir.filePath(QStringLiteral("stripes.") + format.chopped(1).toLower());
        convert({ppm, format + out});
        PictureLoadResult r = loadSlotPictureFile(out);
        ASSERT_EQ(r.error, "") << target;
        ASSERT_EQ(r.picture.width(), 32) << target;
        ASSERT_EQ(r.picture.height(), 16) << target;
        for (int x = 0; x < 32; ++x) {
            for (int y = 0; y < 16; ++y) {
                EXPECT_EQ(r.picture.at(x, y),
                          kStripeLit[x / 4] ? SlotPicture::kLit : SlotPicture::kOff)
                    << target << " x " << x << " y " << y;
            }
        }
    }
}

TEST_F(ImageioPictureFileTest, GifWithAFewDistinctColours) {
    // GIF writers merge near colours into one palette entry, so only distinct ones are used.
    const Rgb blocks[5] = {{0, 0, 0}, {192, 0, 0}, {255, 0, 0}, {0, 255, 0}, {255, 255, 255}};
    QString ppm =
        writePpm(QStringLiteral("few.ppm"), 40, 16, [&](int x, int) { return blocks[x / 8]; });
    QString gif = dir.filePath(QStringLiteral("few.gif"));
    convert({ppm, gif});
    PictureLoadResult r = loadSlotPictureFile(gif);
    ASSERT_EQ(r.error, "");
    ASSERT_EQ(r.picture.width(), 40);
    for (int x = 0; x < 40; ++x) {
        EXPECT_EQ(r.picture.isLit(x, 9), x < 16) << x;
    }
}

TEST_F(ImageioPictureFileTest, JpegWithColoursFarFromTheThresholds) {
    // 16-pixel blocks of black, white, green and blue.
    const Rgb blocks[4] = {{0, 0, 0}, {255, 255, 255}, {0, 255, 0}, {0, 0, 255}};
    QString ppm =
        writePpm(QStringLiteral("blocks.ppm"), 64, 16, [&](int x, int) { return blocks[x / 16]; });
    QString jpg = convert({ppm, QStringLiteral("-quality"), QStringLiteral("100"),
                           QStringLiteral("-sampling-factor"), QStringLiteral("1x1"),
                           dir.filePath(QStringLiteral("blocks.jpg"))});
    PictureLoadResult r = loadSlotPictureFile(jpg);
    ASSERT_EQ(r.error, "");
    ASSERT_EQ(r.picture.width(), 64);
    for (int x = 0; x < 64; ++x) {
        for (int y = 0; y < 16; ++y) {
            EXPECT_EQ(r.picture.isLit(x, y), x < 16) << x << "," << y;
        }
    }
}

TEST_F(ImageioPictureFileTest, OnlyTheTop16RowsReachTheSlot) {
    // 30 rows: black at row 15 and from row 16 on; the rows below 15 must not show.
    QString tall = writePpm(QStringLiteral("tall.ppm"), 20, 30, [](int, int y) {
        return y >= 15 ? Rgb{0, 0, 0} : Rgb{255, 255, 255};
    });
    QString png = convert({tall, dir.filePath(QStringLiteral("tall.png"))});
    PictureLoadResult r = loadSlotPictureFile(png);
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.picture.width(), 20);
    EXPECT_EQ(r.picture.height(), 16);
    for (int y = 0; y < 16; ++y) {
        EXPECT_EQ(r.picture.isLit(7, y), y == 15) << y;
    }

    // 10 rows, all black: rows 10 to 15 are off.
    QString low = writePpm(QStringLiteral("low.ppm"), 20, 10, [](int, int) {
        return Rgb{0, 0, 0};
    });
    QString bmp = convert({low, dir.filePath(QStringLiteral("low.bmp"))});
    r = loadSlotPictureFile(bmp);
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.picture.height(), 16);
    for (int y = 0; y < 16; ++y) {
        EXPECT_EQ(r.picture.isLit(19, y), y < 10) << y;
    }
}

TEST_F(ImageioPictureFileTest, TransparentPartsAreOff) {
    QString png =
        convert({QStringLiteral("-size"), QStringLiteral("8x16"), QStringLiteral("xc:none"),
                 QStringLiteral("-fill"), QStringLiteral("black"), QStringLiteral("-draw"),
                 QStringLiteral("rectangle 0,0 3,15"),
                 QStringLiteral("PNG32:") + dir.filePath(QStringLiteral("alpha.png"))});
    PictureLoadResult r = loadSlotPictureFile(png);
    ASSERT_EQ(r.error, "");
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(r.picture.isLit(x, 5), x < 4) << x;
    }
}

TEST_F(ImageioPictureFileTest, RefusesWhatCannotGoIntoASlot) {
    QString wide = convert({QStringLiteral("-size"), QStringLiteral("2001x16"),
                            QStringLiteral("xc:black"), dir.filePath(QStringLiteral("wide.png"))});
    PictureLoadResult r = loadSlotPictureFile(wide);
    EXPECT_NE(r.error, "");
    EXPECT_NE(r.error.find("2001"), std::string::npos) << r.error;

    QFile notAPicture(dir.filePath(QStringLiteral("notes.png")));
    ASSERT_TRUE(notAPicture.open(QIODevice::WriteOnly));
    notAPicture.write("these are words, not pixels");
    notAPicture.close();
    r = loadSlotPictureFile(notAPicture.fileName());
    EXPECT_NE(r.error, "");
    EXPECT_NE(r.error.find("notes.png"), std::string::npos) << r.error;
    EXPECT_NE(loadSlotPictureFile(dir.filePath(QStringLiteral("missing.bmp"))).error, "");
}

TEST(ImageioFormats, OffersTheCommonFormats) {
    QStringList suffixes = readablePictureSuffixes();
    for (const char* s : {"bmp", "png", "gif", "jpg", "jpeg"}) {
        EXPECT_TRUE(suffixes.contains(QLatin1String(s))) << s;
    }
    QString filter = pictureFileDialogFilter();
    EXPECT_TRUE(filter.startsWith(QStringLiteral("All pictures (")));
    EXPECT_TRUE(filter.contains(QStringLiteral("*.jpg")));
    EXPECT_TRUE(filter.contains(QStringLiteral("JPEG Image File (*.jpg *.jpeg)")));
    EXPECT_TRUE(filter.endsWith(QStringLiteral("All files (*)")));
}

}  // namespace
}  // namespace varnel
