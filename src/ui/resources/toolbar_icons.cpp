#include "resources/toolbar_icons.h"

#include <QApplication>
#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace varnel::ui {

namespace {

struct Drawing {
    QString text;
    QColor colour;
    bool bold = false;
    int rotate = 0;
    int pixelSize = 14;
};

const QHash<QString, Drawing>& drawings() {
    static const QHash<QString, Drawing> table = {
        {QStringLiteral("PicStar"), {QStringLiteral("\u2605"), QColor(0xD0, 0x90, 0x00)}},
        {QStringLiteral("BtnHeart"), {QStringLiteral("\u2665"), QColor(0xD0, 0x20, 0x30)}},
        {QStringLiteral("BtnLeft"), {QStringLiteral("\u2190"), QColor(0x20, 0x40, 0x90), true}},
        {QStringLiteral("BtnRight"), {QStringLiteral("\u2192"), QColor(0x20, 0x40, 0x90), true}},
        {QStringLiteral("BtnPhone"), {QStringLiteral("\u260E"), QColor(0x30, 0x30, 0x30)}},
        {QStringLiteral("BtnPhone0"), {QStringLiteral("\u2706"), QColor(0x30, 0x30, 0x30)}},
        {QStringLiteral("BtnSmile"), {QStringLiteral("\u263A"), QColor(0xC0, 0x80, 0x00)}},
        {QStringLiteral("BtnCircleSolid"), {QStringLiteral("\u25CF"), QColor(0xC0, 0x20, 0x20)}},
        {QStringLiteral("BtnCircle"), {QStringLiteral("\u262F"), QColor(0x20, 0x20, 0x20)}},
        {QStringLiteral("ToolButton5"), {QStringLiteral("\u266A"), QColor(0x60, 0x20, 0x90)}},
        {QStringLiteral("ToolButton4"), {QStringLiteral("?"), QColor(0x20, 0x60, 0x20), true}},
        {QStringLiteral("BtnNull"), {QStringLiteral("\u25A0"), QColor(0xC0, 0x20, 0x20)}},
        {QStringLiteral("ToolFont0"), {QStringLiteral("1"), QColor(0x20, 0x40, 0x90), true, 0, 13}},
        {QStringLiteral("ToolFont1"), {QStringLiteral("2"), QColor(0x20, 0x40, 0x90), true, 0, 13}},
        {QStringLiteral("ToolFont2"), {QStringLiteral("3"), QColor(0x20, 0x40, 0x90), true, 0, 13}},
        {QStringLiteral("ToolButton6"), {QStringLiteral("f"), QColor(0xE0, 0x40, 0x00), true}},
        {QStringLiteral("ToolButton9"), {QStringLiteral("B"), QColor(0x10, 0x10, 0x10), true}},
        {QStringLiteral("ToolButton10"), {QStringLiteral("R"), QColor(0x10, 0x10, 0x10), true, 90}},
        {QStringLiteral("ToolButton7"), {QStringLiteral("\u5B57"), QColor(0x10, 0x30, 0x70)}},
        {QStringLiteral("ToolButton2"), {QStringLiteral("\u270E"), QColor(0x50, 0x30, 0x10)}},
    };
    return table;
}

QIcon drawnIcon(const Drawing& d, bool fontMark) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (fontMark) {
        // The font-set buttons: a small "F" beside the set's number.
        QFont small(QStringLiteral("DejaVu Sans"));
        small.setPixelSize(9);
        p.setFont(small);
        p.setPen(QColor(0x70, 0x70, 0x70));
        p.drawText(QRect(0, 0, 8, 10), Qt::AlignCenter, QStringLiteral("F"));
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(d.pixelSize);
    font.setBold(d.bold);
    p.setFont(font);
    p.setPen(d.colour);
    if (d.rotate != 0) {
        p.translate(8, 8);
        p.rotate(-d.rotate);
        p.translate(-8, -8);
    }
    p.drawText(fontMark ? QRect(5, 2, 11, 14) : QRect(0, 0, 16, 16), Qt::AlignCenter, d.text);
    return QIcon(pixmap);
}

}  // namespace

QIcon toolBarIcon(const QString& buttonName) {
    QStyle* style = QApplication::style();
    if (buttonName == QLatin1String("BtnNew")) {
        return style->standardIcon(QStyle::SP_FileIcon);
    }
    if (buttonName == QLatin1String("BtnOpen")) {
        return style->standardIcon(QStyle::SP_DirOpenIcon);
    }
    if (buttonName == QLatin1String("BtnSave")) {
        return style->standardIcon(QStyle::SP_DialogSaveButton);
    }
    auto it = drawings().find(buttonName);
    if (it == drawings().end()) {
        return QIcon();
    }
    return drawnIcon(*it, buttonName.startsWith(QLatin1String("ToolFont")));
}

}  // namespace varnel::ui
