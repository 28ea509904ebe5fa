#include "tform3.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Warning !"));
    setFixedSize(400, 150);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(16, 20, 52, 52);
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(52, 52));

    const QString blue = QStringLiteral("color: #0000ff;");
    auto* line1 = new QLabel(QStringLiteral("Can't find the Sign by Auto Detect Mode"), this);
    line1->setObjectName(QStringLiteral("Label1"));
    line1->setStyleSheet(blue);
    line1->setGeometry(84, 24, 300, 20);
    auto* line2 = new QLabel(QStringLiteral("Please choose a com port  and try it again!"), this);
    line2->setObjectName(QStringLiteral("Label2"));
    line2->setStyleSheet(blue);
    line2->setGeometry(84, 48, 300, 20);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setGeometry(160, 104, 80, 27);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
