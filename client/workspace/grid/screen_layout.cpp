#include "screen_layout.h"

#include <algorithm>

namespace vexo::grid {

ScreenLayout ScreenLayout::of(const QString& alignGr, const QString& alignGr800, int screenWidth, bool showPerLpu,
                              bool showNstr) {
    const QString code = (screenWidth >= kWideScreen ? alignGr : alignGr800).trimmed();
    ScreenLayout layout;
    if (code == QLatin1String("+")) {
        layout.fitToWindow = true;
        return layout;
    }
    int frozen = code.toInt();  // blank or not a number: 0
    if (!showPerLpu) frozen -= 3;
    if (!showNstr) frozen -= 1;
    layout.frozenColumns = std::max(frozen, 0);
    return layout;
}

}  // namespace vexo::grid
