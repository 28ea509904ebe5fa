#include "tform4.h"

TForm4::TForm4(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Windows Char Set"));
    setFixedSize(301, 371);
}
