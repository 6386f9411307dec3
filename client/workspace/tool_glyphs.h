#pragma once

#include "menu_items.h"

#include <QIcon>

namespace vexo::workspace {

// The pictures of the tool buttons, drawn rather than shipped as files.
QIcon toolGlyph(MenuItem tool);

}  // namespace vexo::workspace
