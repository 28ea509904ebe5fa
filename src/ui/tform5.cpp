#include "tform5.h"

TForm5::TForm5(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Language Selector"));
    setFixedSize(581, 347);
}
