#pragma once

#include <QPixmap>

#include "resources/button_art.h"

namespace varnel::ui {

// The small arrow of the height toggle.
QPixmap expandTogglePixmap();

}  // namespace varnel::ui
