#pragma once

#include <QColor>

namespace vexo::data {
class SettingsStore;
}

namespace vexo::grid {

// The installation settings the grid follows, read when the main window
// starts and after the settings dialog.
struct GridSettings {
    static constexpr int kDefaultCellsColor = 12639424;

    bool showNstr = true;     // ShowNstr: the row-number column
    bool showPerLpu = true;   // ShowPerLpu: "Период", "Год", "Учреждение"
    bool colorCells = false;  // ColorCells: colour the marked cells
    bool zdravVer = false;    // ZdravVer present
    bool newLpuB = false;     // NewLpuB: full institution names
    QColor cellsColor = fromColorValue(kDefaultCellsColor);  // CellsColor: the "yellow" cells

    static GridSettings read(data::SettingsStore& settings);
    // A stored colour value 0x00BBGGRR.
    static QColor fromColorValue(long long value);
};

}  // namespace vexo::grid
