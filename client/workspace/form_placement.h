#pragma once

#include <QByteArray>

namespace vexo::workspace {

// What the main window remembers between runs in the form-placement store.
struct MainPlacement {
    static constexpr int kMinWidth = 750;
    static constexpr int kMinHeight = 500;
    static constexpr int kUpperMin = 30;
    static constexpr int kUpperMax = 450;

    QByteArray geometry;
    int upperHeight = 250;
    bool periodOnly = true;
    bool showTerritory = true;      // check mark of "&Показать"
    bool showToolbar = true;        // check mark of "Панель у&правления"
    bool toolbarVisible = true;
    bool showStatusBar = true;      // check mark of "&Строка состояния"
    bool statusBarVisible = true;
    bool compactBarVisible = false;

    static MainPlacement load();
    void save() const;
};

}  // namespace vexo::workspace
