#pragma once

#include <QString>

namespace vexo::grid {

// How a table's grid sits on the screen, from TBLNAME.ALIGNGR (screens at
// least 1024 pixels wide) or ALIGNGR_800 (narrower ones).
struct ScreenLayout {
    static constexpr int kWideScreen = 1024;

    bool fitToWindow = false;  // "+": every column squeezed into the window
    int frozenColumns = 0;     // left columns that stay put while scrolling

    // The frozen count names columns of the full layout; the three
    // "Период", "Год", "Учреждение" columns and the row number are not there
    // when ShowPerLpu and ShowNstr hide them.
    static ScreenLayout of(const QString& alignGr, const QString& alignGr800, int screenWidth, bool showPerLpu,
                           bool showNstr);
};

}  // namespace vexo::grid
