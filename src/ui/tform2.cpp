#include "tform2.h"

#include <QLabel>
#include <QPushButton>

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(320, 130);
    auto* text = new QLabel(QStringLiteral("LED VARNEL SOFTWARE VERSION 6.00"), this);
    text->setObjectName(QStringLiteral("Label1"));
    text->setAlignment(Qt::AlignCenter);
    text->setGeometry(10, 30, 300, 24);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setGeometry(120, 80, 80, 27);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
