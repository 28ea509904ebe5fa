#include "resources/stored_pictures.h"

#include <QPainter>
#include <QPolygon>

namespace varnel::ui {

QPixmap expandTogglePixmap(bool expanded) {
    QPixmap pixmap(17, 17);
    pixmap.fill(QColor(0xE8, 0xEC, 0xF0));
    QPainter p(&pixmap);
    p.setPen(QColor(0x70, 0x80, 0x90));
    p.drawRect(0, 0, 16, 16);
    p.setBrush(QColor(0x30, 0x50, 0x80));
    p.setPen(Qt::NoPen);
    if (expanded) {
        p.drawPolygon(QPolygon({QPoint(4, 11), QPoint(13, 11), QPoint(8, 5)}));
    } else {
        p.drawPolygon(QPolygon({QPoint(4, 6), QPoint(13, 6), QPoint(8, 12)}));
    }
    return pixmap;
}

}  // namespace varnel::ui
