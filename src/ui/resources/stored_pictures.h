#pragma once

#include <QPixmap>

#include "resources/button_art.h"

namespace varnel::ui {

// The small arrow of the height toggle: down while compact, up while expanded.
QPixmap expandTogglePixmap(bool expanded);

}  // namespace varnel::ui
