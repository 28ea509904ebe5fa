#include "imageio/picture_file.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace varnel {

namespace {

// White behind partly transparent pixels, exact colours for opaque ones.
std::uint32_t onWhite(QRgb pixel) {
    const int a = qAlpha(pixel);
    auto mix = [a](int c) { return static_cast<std::uint32_t>((c * a + 255 * (255 - a)) / 255); };
    if (a == 255) {
        return static_cast<std::uint32_t>(pixel) & 0xFFFFFF;
    }
    return (mix(qRed(pixel)) << 16) | (mix(qGreen(pixel)) << 8) | mix(qBlue(pixel));
}

}  // namespace

DecodedPicture decodePictureFile(const QString& fileName) {
    DecodedPicture result;
    QImageReader reader(fileName);
    QImage image = reader.read();
    if (image.isNull()) {
        result.error = QStringLiteral("The file \"%1\" cannot be loaded as a picture: %2.")
                           .arg(QFileInfo(fileName).fileName(), reader.errorString())
                           .toStdString();
        return result;
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    result.picture.width = image.width();
    result.picture.height = image.height();
    result.picture.rgb.resize(static_cast<std::size_t>(image.width()) *
                              static_cast<std::size_t>(image.height()));
    std::size_t i = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            result.picture.rgb[i++] = onWhite(line[x]);
        }
    }
    return result;
}

PictureLoadResult loadSlotPictureFile(const QString& fileName) {
    DecodedPicture decoded = decodePictureFile(fileName);
    if (!decoded.error.empty()) {
        PictureLoadResult failed;
        failed.error = decoded.error;
        return failed;
    }
    return slotPictureFromRgb(decoded.picture);
}

QStringList readablePictureSuffixes() {
    QStringList suffixes;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        QString suffix = QString::fromLatin1(format).toLower();
        if (!suffixes.contains(suffix)) {
            suffixes.append(suffix);
        }
    }
    suffixes.sort();
    return suffixes;
}

QString pictureFileDialogFilter() {
    const QStringList suffixes = readablePictureSuffixes();
    QStringList patterns;
    for (const QString& suffix : suffixes) {
        patterns.append(QStringLiteral("*.") + suffix);
    }
    QStringList filters;
    filters.append(QStringLiteral("All pictures (%1)").arg(patterns.join(QLatin1Char(' '))));
    struct Named {
        const char* name;
        const char* patterns;
        const char* suffix;
    };
    const Named named[] = {
        {"Bitmaps", "*.bmp", "bmp"},
        {"PNG pictures", "*.png", "png"},
        {"GIF pictures", "*.gif", "gif"},
        {"JPEG Image File", "*.jpg *.jpeg", "jpg"},
    };
    for (const Named& n : named) {
        if (suffixes.contains(QLatin1String(n.suffix))) {
            filters.append(
                QStringLiteral("%1 (%2)").arg(QLatin1String(n.name), QLatin1String(n.patterns)));
        }
    }
    filters.append(QStringLiteral("All files (*)"));
    return filters.join(QStringLiteral(";;"));
}

}  // namespace varnel
