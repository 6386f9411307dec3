#include "grid_settings.h"

#include "data/settings_store.h"

namespace vexo::grid {

QColor GridSettings::fromColorValue(long long value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

GridSettings GridSettings::read(data::SettingsStore& store) {
    GridSettings s;
    s.showNstr = store.read("ShowNstr", "Y") == QLatin1String("Y");
    s.showPerLpu = store.read("ShowPerLpu", "Y") == QLatin1String("Y");
    s.colorCells = store.read("ColorCells", "N") == QLatin1String("Y");
    s.zdravVer = store.read("ZdravVer").has_value();
    s.newLpuB = store.read("NewLpuB", "N") == QLatin1String("Y");
    bool ok = false;
    const long long color = store.read("CellsColor", QString::number(kDefaultCellsColor)).trimmed().toLongLong(&ok);
    s.cellsColor = fromColorValue(ok ? color : kDefaultCellsColor);
    return s;
}

}  // namespace vexo::grid
