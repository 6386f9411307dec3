#pragma once

#include <QFrame>

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace vexo::workspace {

// The period panel: the record navigator of the grid, the period and the year.
class PeriodPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kFirstYear = 1990;
    static constexpr int kLastYear = 2099;

    explicit PeriodPanel(QWidget* parent = nullptr);

    QWidget* navigatorHost;  // the grid puts its navigator here
    QComboBox* cbPeriod;
    QSpinBox* seYear;
    QCheckBox* cbPeriodOnly;
};

}  // namespace vexo::workspace
