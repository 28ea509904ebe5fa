#include "qt_user_prompt.h"

#include <QMessageBox>

void QtUserPrompt::message(const std::string& text) {
    QMessageBox::information(parent_, QStringLiteral("Varnel"), QString::fromStdString(text));
}

bool QtUserPrompt::confirm(const std::string& text) {
    return QMessageBox::question(parent_, QStringLiteral("Varnel"), QString::fromStdString(text),
                                 QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}
