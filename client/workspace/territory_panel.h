#pragma once

#include <QFrame>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace vexo::workspace {

// The territory panel: the default territory and the gauges of long tasks.
class TerritoryPanel : public QFrame {
    Q_OBJECT
public:
    explicit TerritoryPanel(QWidget* parent = nullptr);

    QLabel* lblTerritory;
    QPushButton* btnDefaultTerritory;
    QLabel* lblLpuName;
    QProgressBar* ProgressBar1;
    QProgressBar* ProgressBar2;
    QCheckBox* cbTerritoryOnly;
};

}  // namespace vexo::workspace
