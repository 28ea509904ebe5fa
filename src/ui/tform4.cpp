#include "tform4.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>

#include "language/char_map.h"
#include "language/code_page.h"

namespace {

constexpr int kMapPixels = 257;

// What a cell shows: its bytes read in the code page, without control characters and without
// the private-use characters of the user-defined areas (fonts draw unrelated glyphs there);
// bytes that form no character appear as the replacement character.
QString cellText(int languageId, unsigned int code) {
    const std::string bytes = varnel::charCodeBytes(static_cast<std::uint16_t>(code));
    QString text = QString::fromStdString(varnel::codePageToUtf8(languageId, bytes));
    text.removeIf([](QChar c) {
        return c.category() == QChar::Other_Control || c.category() == QChar::Other_PrivateUse;
    });
    return text;
}

}  // namespace

TForm4::TForm4(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Windows Char Set"));
    setFixedSize(301, 371);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(16, 31, 257, 258);

    image1_ = new QLabel(panel);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(0, 0, kMapPixels, kMapPixels);
    image1_->setCursor(Qt::PointingHandCursor);
    image1_->installEventFilter(this);

    scrollBar1_ = new QScrollBar(Qt::Horizontal, this);
    scrollBar1_->setObjectName(QStringLiteral("ScrollBar1"));
    scrollBar1_->setGeometry(16, 304, 129, 17);
    scrollBar1_->setRange(varnel::kCharMapFirstPage, varnel::kCharMapLastPage);
    scrollBar1_->setValue(0);
    scrollBar1_->setSingleStep(1);
    scrollBar1_->setPageStep(2);
    connect(scrollBar1_, &QScrollBar::valueChanged, this, [this] { suitempScrollBar1Change(); });

    auto* label = new QLabel(QStringLiteral("Address:"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setGeometry(168, 305, 54, 17);

    edit1_ = new QLineEdit(this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setGeometry(224, 302, 49, 22);
    edit1_->setReadOnly(true);
    edit1_->setFocusPolicy(Qt::NoFocus);
}

void TForm4::setLanguage(int languageId) {
    if (languageId != languageId_) {
        languageId_ = languageId;
        if (isVisible()) {
            DrawCharMap();
        }
    }
}

void TForm4::DrawCharMap() {
    const int page = scrollBar1_->value();
    QPixmap map(kMapPixels, kMapPixels);
    map.fill(Qt::white);
    QPainter painter(&map);
    painter.setPen(QColor(255, 0, 0));
    for (int i = 0; i <= 16; ++i) {
        const int at = i * varnel::kCharMapCellPixels;
        painter.drawLine(at, 0, at, kMapPixels - 1);
        painter.drawLine(0, at, kMapPixels - 1, at);
    }
    painter.setPen(Qt::blue);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    for (int row = 0; row < varnel::kCharMapCells; ++row) {
        for (int column = 0; column < varnel::kCharMapCells; ++column) {
            const QString text = cellText(languageId_, varnel::charMapCellCode(page, row, column));
            if (text.isEmpty()) {
                continue;
            }
            const QRect cell(16 * column + 1, 16 * row + 1, 15, 15);
            painter.setClipRect(cell);
            painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop, text);
        }
    }
    painter.end();
    image1_->setPixmap(map);
    edit1_->setText(QString::fromStdString(varnel::charMapAddressText(page)));
}

void TForm4::suitempScrollBar1Change() {
    DrawCharMap();
}

void TForm4::Image1MouseDown(Qt::MouseButton, int x, int y) {
    pickedCode_ = varnel::charMapCodeAt(scrollBar1_->value(), x, y);
    accept();
}

void TForm4::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    DrawCharMap();
}

bool TForm4::eventFilter(QObject* watched, QEvent* e) {
    if (watched == image1_ && e->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(e);
        const QPoint at = mouse->position().toPoint();
        Image1MouseDown(mouse->button(), at.x(), at.y());
        return true;
    }
    return QDialog::eventFilter(watched, e);
}
