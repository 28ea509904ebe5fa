#pragma once

#include <QIcon>
#include <QString>

namespace varnel::ui {

// The 16 x 16 picture of a tool button, by the button's name.
QIcon toolBarIcon(const QString& buttonName);

}  // namespace varnel::ui
