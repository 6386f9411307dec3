#pragma once

#include <QString>

namespace vexo::data {
class SettingsStore;
}

namespace vexo::workspace {

// The settings of NASTR the workspace copies into memory when the main window
// is shown; the grid and the launched windows read them here.
struct WorkspaceSettings {
    QString kodZelmObl = QStringLiteral("011166");
    QString kodRF = QStringLiteral("019988");
    bool newLpuB = false;      // full institution names
    bool passwordsOn = false;  // Ust3 is "1"
    bool medVersion = true;
    bool zdravVer = false;     // only the key's presence counts
    bool expEmpty = false;
    bool dotUsed = true;
    bool showNstr = true;
    bool showPerLpu = true;
    bool colorCells = false;
    qint64 cellsColor = 12639424;
    bool nazvPer = false;      // quarters named "За 3 месяца" ...
    bool lpuYn = false;
    int rgMsOo = 0;            // read again after every data selection

    // In the order the window loads them.
    void load(data::SettingsStore& store);
};

}  // namespace vexo::workspace
