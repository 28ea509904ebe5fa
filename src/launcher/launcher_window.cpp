#include "launcher_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "code_page_text.h"
#include "install_line_reader.h"

namespace launcher {

namespace {

constexpr int kWindowWidth = 401;
constexpr int kWindowHeight = 280;
constexpr int kHeadlinePixels = 32;
constexpr int kLargestPixelSize = 1000;
const QColor kHeadlineColour(0xFF, 0x00, 0xFF);

void showMessageBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

QPushButton* makeButton(QWidget* parent, const char* name, int top) {
    auto* button = new QPushButton(QString::fromLatin1(name), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(48, top, 289, 25);
    return button;
}

int clampPixels(std::int64_t pixels) {
    return static_cast<int>(std::clamp<std::int64_t>(pixels, 1, kLargestPixelSize));
}

// A positive height is the cell height (ascent + descent); Qt sizes fonts by the character
// height, so scale by the ratio the face itself has.
int characterPixelsForCell(const QFont& font, int cellPixels) {
    QFont probe(font);
    probe.setPixelSize(cellPixels);
    const QFontMetricsF metrics(probe);
    const qreal cell = metrics.ascent() + metrics.descent();
    if (cell <= 0) {
        return cellPixels;
    }
    return clampPixels(std::llround(cellPixels * cellPixels / cell));
}

}  // namespace

LauncherWindow::LauncherWindow(const QString& launcherFolder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint),
      folder_(launcherFolder),
      messageBox_(&showMessageBox) {
    if (!folder_.isEmpty() && !folder_.endsWith(QLatin1Char('/'))) {
        folder_ += QLatin1Char('/');
    }
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    setFixedSize(kWindowWidth, kWindowHeight);

    suiForm1_ = new QWidget(this);
    suiForm1_->setObjectName(QStringLiteral("suiForm1"));
    suiForm1_->setGeometry(1, 0, kWindowWidth - 1, kWindowHeight);

    label1_ = new QLabel(QStringLiteral("Label1"), suiForm1_);
    label1_->setObjectName(QStringLiteral("Label1"));
    QFont headline = label1_->font();
    headline.setPixelSize(kHeadlinePixels);
    label1_->setFont(headline);
    QPalette palette = label1_->palette();
    palette.setColor(QPalette::WindowText, kHeadlineColour);
    label1_->setPalette(palette);
    label1_->move(16, 32);
    label1_->adjustSize();
    label1_->installEventFilter(this);

    button1_ = makeButton(suiForm1_, "Button1", 88);
    button2_ = makeButton(suiForm1_, "Button2", 128);
    button3_ = makeButton(suiForm1_, "Button3", 168);
    connect(button1_, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(button2_, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(button3_, &QPushButton::clicked, this, [this] { Button3Click(); });
}

void LauncherWindow::setMessageBox(MessageBox messageBox) {
    messageBox_ = std::move(messageBox);
}

void LauncherWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!formShown_) {
        formShown_ = true;
        FormShow();
    }
}

bool LauncherWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == label1_ && event->type() == QEvent::MouseButtonDblClick) {
        Label1DblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void LauncherWindow::FormShow() {
    move(0, 0);

    std::ifstream menu(
        QFile::encodeName(folder_ + QStringLiteral("system/Install.dat")).toStdString(),
        std::ios::binary);
    if (!menu) {
        // Closing from inside the show event would leave the native window up; close once the
        // event loop runs again, which ends the launcher.
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return;
    }
    std::vector<std::string> lines = readInstallLines(menu);
    menu.close();
    lines.resize(kInstallEntryCount);

    FontRecord font;
    std::ifstream fontFile(
        QFile::encodeName(folder_ + QStringLiteral("system/Font.ini")).toStdString(),
        std::ios::binary);
    const bool haveFont = static_cast<bool>(fontFile);
    if (haveFont) {
        font = readFontRecord(fontFile);
    }

    auto text = [&font](const std::string& bytes) {
        return QString::fromStdU16String(decodeForCharSet(bytes, font.charSet));
    };
    setWindowTitle(text(lines[0]));
    label1_->setText(text(lines[1]));
    button1_->setText(text(lines[2]));
    button2_->setText(text(lines[3]));
    button3_->setText(text(lines[4]));
    programPath1_ = ProgramPath(text(lines[5]));
    programPath2_ = ProgramPath(text(lines[6]));

    if (haveFont && !font.faceName.empty()) {
        ApplyFont(font);
    }
    label1_->adjustSize();
}

QString LauncherWindow::ProgramPath(const QString& relative) const {
    // Menu files written on Windows separate folders with backslashes.
    QString path = folder_ + relative;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

void LauncherWindow::ApplyFont(const FontRecord& record) {
    QFont font(QString::fromStdU16String(decodeForCharSet(record.faceName, record.charSet)));
    if (record.height < 0) {
        font.setPixelSize(clampPixels(-static_cast<std::int64_t>(record.height)));
    } else if (record.height > 0) {
        font.setPixelSize(characterPixelsForCell(font, clampPixels(record.height)));
    }
    button1_->setFont(font);
    button2_->setFont(font);
    button3_->setFont(font);

    QFont headline(font);
    headline.setPixelSize(kHeadlinePixels);
    label1_->setFont(headline);
}

void LauncherWindow::Button1Click() {
    StartProgram(programPath1_);
}

void LauncherWindow::Button2Click() {
    StartProgram(programPath2_);
}

void LauncherWindow::Button3Click() {
    close();
}

void LauncherWindow::Label1DblClick() {
    messageBox_(this, QStringLiteral("Intallation Software V10.00.01"));
}

void LauncherWindow::StartProgram(const QString& programPath) {
    const QFileInfo program(programPath);
    if (!program.isFile()) {
        messageBox_(this, programPath);
        return;
    }
    const QString folder = program.absolutePath();
    QDir::setCurrent(folder);
    QProcess::startDetached(program.absoluteFilePath(), {}, folder);
}

}  // namespace launcher
