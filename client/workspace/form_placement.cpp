#include "form_placement.h"

#include "startup/placement_store.h"

#include <algorithm>

namespace vexo::workspace {

MainPlacement MainPlacement::load() {
    const auto s = startup::placementStore();
    MainPlacement p;
    s->beginGroup(QStringLiteral("TfMain"));
    p.geometry = s->value("geometry").toByteArray();
    p.upperHeight = std::clamp(s->value("upperHeight", p.upperHeight).toInt(), kUpperMin, kUpperMax);
    p.periodOnly = s->value("periodOnly", p.periodOnly).toBool();
    p.showTerritory = s->value("showTerritory", p.showTerritory).toBool();
    p.showToolbar = s->value("showToolbar", p.showToolbar).toBool();
    p.toolbarVisible = s->value("toolbarVisible", p.toolbarVisible).toBool();
    p.showStatusBar = s->value("showStatusBar", p.showStatusBar).toBool();
    p.statusBarVisible = s->value("statusBarVisible", p.statusBarVisible).toBool();
    p.compactBarVisible = s->value("compactBarVisible", p.compactBarVisible).toBool();
    s->endGroup();
    return p;
}

void MainPlacement::save() const {
    const auto s = startup::placementStore();
    s->beginGroup(QStringLiteral("TfMain"));
    s->setValue("geometry", geometry);
    s->setValue("upperHeight", upperHeight);
    s->setValue("periodOnly", periodOnly);
    s->setValue("showTerritory", showTerritory);
    s->setValue("showToolbar", showToolbar);
    s->setValue("toolbarVisible", toolbarVisible);
    s->setValue("showStatusBar", showStatusBar);
    s->setValue("statusBarVisible", statusBarVisible);
    s->setValue("compactBarVisible", compactBarVisible);
    s->endGroup();
    s->sync();
}

}  // namespace vexo::workspace
