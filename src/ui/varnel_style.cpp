#include "varnel_style.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

void applyVarnelStyle(QApplication& app) {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette p;
    p.setColor(QPalette::Window, QColor(0xE9, 0xEE, 0xF3));
    p.setColor(QPalette::WindowText, QColor(0x1E, 0x28, 0x34));
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(0xF3, 0xF6, 0xF9));
    p.setColor(QPalette::Text, QColor(0x10, 0x18, 0x20));
    p.setColor(QPalette::Button, QColor(0xDD, 0xE5, 0xEE));
    p.setColor(QPalette::ButtonText, QColor(0x1E, 0x28, 0x34));
    p.setColor(QPalette::Highlight, QColor(0x3D, 0x6F, 0xA8));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFB, 0xE6));
    p.setColor(QPalette::ToolTipText, QColor(0x1E, 0x28, 0x34));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x90, 0x98, 0xA0));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x90, 0x98, 0xA0));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x90, 0x98, 0xA0));
    QApplication::setPalette(p);
    app.setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid #b4c2d0; border-radius: 4px; margin-top: 8px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 2px; }"
        "QStatusBar QLabel { border: 1px solid #c4ced8; border-radius: 2px; padding: 0 3px; }"
        "QProgressBar { border: 1px solid #a8b6c4; border-radius: 3px; background: white; }"
        "QProgressBar::chunk { background: #4f86c0; }"
        "QToolButton { border: 1px solid #a8b6c4; border-radius: 3px; background: #f4f7fa; }"
        "QToolButton:hover { background: #dde8f3; }"
        "QToolButton:pressed { background: #c4d6ea; }"
        "QToolButton:focus { border: 2px solid #3d6fa8; }"
        "QToolBar QToolButton { border: 1px solid transparent; background: transparent; }"
        "QToolBar QToolButton:hover { border: 1px solid #a8b6c4; background: #dde8f3; }"
        "QToolBar QToolButton:disabled { background: transparent; }"));
}
