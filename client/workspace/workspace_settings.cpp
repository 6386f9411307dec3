#include "workspace_settings.h"

#include "data/settings_store.h"

namespace vexo::workspace {

namespace {

bool yes(data::SettingsStore& s, const QString& key, bool fallback) {
    const auto v = s.read(key);
    return v ? v->trimmed() == "Y" : fallback;
}

}  // namespace

void WorkspaceSettings::load(data::SettingsStore& s) {
    kodZelmObl = s.read("KodZelmObl", "011166").trimmed();
    kodRF = s.read("KodRF", "019988").trimmed();
    newLpuB = yes(s, "NewLpuB", false);
    passwordsOn = s.read("Ust3", "").trimmed() == "1";
    medVersion = yes(s, "MedVersion", true);
    zdravVer = s.read("ZdravVer").has_value();
    expEmpty = yes(s, "ExpEmpty", false);
    dotUsed = yes(s, "DotUsed", true);
    showNstr = yes(s, "ShowNstr", true);
    showPerLpu = yes(s, "ShowPerLpu", true);
    colorCells = yes(s, "ColorCells", false);
    bool ok = false;
    const qint64 color = s.read("CellsColor", "12639424").trimmed().toLongLong(&ok);
    cellsColor = ok ? color : 12639424;
    nazvPer = s.read("NazvPer", "0").trimmed() != "0";
    lpuYn = s.read("LPUyn", "0").trimmed() == "1";
    rgMsOo = s.read("rgMS_OO", "0").trimmed() == "1" ? 1 : 0;
}

}  // namespace vexo::workspace
