// Pictures of slots 7 and 8 and the external image editor.

#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QProcess>
#include <QStandardPaths>

#include "imageio/picture_file.h"
#include "tform1.h"

namespace {

// The slot picture as the panel shows it: W x 16 in the picture's own colours.
QImage panelImage(const varnel::SlotPicture& picture) {
    QImage image(picture.width(), 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const std::uint32_t bgr = picture.at(x, y);  // 0x00BBGGRR
            line[x] = qRgb(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
        }
    }
    return image;
}

}  // namespace

void TForm1::suitempButton2Click() {
    loadSlotPicture(7);
}
void TForm1::suitempButton3Click() {
    loadSlotPicture(8);
}
void TForm1::suiButton3Click() {
    deleteSlotPicture(7);
}
void TForm1::suiButton2Click() {
    deleteSlotPicture(8);
}

void TForm1::loadSlotPicture(int slot) {
    std::optional<std::string> file;
    if (pictureOpenDialog) {
        file = pictureOpenDialog();
    } else {
        const QString chosen = QFileDialog::getOpenFileName(this, QString(), QString(),
                                                            varnel::pictureFileDialogFilter());
        if (!chosen.isEmpty()) {
            file = chosen.toStdString();
        }
    }
    if (!file) {
        return;
    }
    project_.modified = true;
    varnel::PictureLoadResult loaded = varnel::loadSlotPictureFile(QString::fromStdString(*file));
    if (!loaded.error.empty()) {
        prompt_->message(loaded.error);
        return;
    }
    project_.setPicture(slot, std::move(loaded.picture));
    showSlotPicture(slot);
}

void TForm1::deleteSlotPicture(int slot) {
    project_.modified = true;
    project_.clearPicture(slot);
    showSlotPicture(slot);
}

void TForm1::suiButton1Click() {
    for (const QString& program : imageEditorPrograms) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty() && QProcess::startDetached(path, {})) {
            return;
        }
    }
    // No editor: nothing is reported.
}

void TForm1::ToolButton2Click() {
    suiButton1Click();
}

void TForm1::showSlotPicture(int slot) {
    const varnel::SlotPicture& picture = project_.picture(slot);
    const bool holds = project_.holdsPicture(slot);
    QLabel* image = pictureImage(slot);
    // The panel around the picture is disabled, and a disabled label would grey a pixmap; the
    // picture is therefore the label's background, the same in every state.
    QPalette palette = image->palette();
    if (holds && picture.width() > 0) {
        palette.setBrush(QPalette::All, QPalette::Window,
                         QBrush(QPixmap::fromImage(panelImage(picture))));
        image->resize(picture.width(), 16);
    } else {
        palette.setBrush(QPalette::All, QPalette::Window, QBrush(Qt::white));
        image->resize(0, 16);
    }
    image->clear();
    image->setAutoFillBackground(true);
    image->setPalette(palette);
    counterLabel(slot)->setText(QString::number(holds ? picture.width() : 0));
}
