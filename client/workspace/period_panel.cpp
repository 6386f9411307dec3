#include "period_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace vexo::workspace {

PeriodPanel::PeriodPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("pnlPeriod");
    setFrameShape(QFrame::StyledPanel);
    navigatorHost = new QWidget(this);
    navigatorHost->setObjectName("navigatorHost");
    auto* navLayout = new QHBoxLayout(navigatorHost);
    navLayout->setContentsMargins(0, 0, 0, 0);

    cbPeriod = new QComboBox(this);
    cbPeriod->setObjectName("cbPeriod");
    cbPeriod->setMaxVisibleItems(19);
    cbPeriod->setMinimumContentsLength(14);
    seYear = new QSpinBox(this);
    seYear->setObjectName("seYear");
    seYear->setRange(kFirstYear, kLastYear);
    // The year changes by its arrows only.
    if (auto* edit = seYear->findChild<QLineEdit*>()) edit->setReadOnly(true);
    cbPeriodOnly = new QCheckBox(QStringLiteral("Отображать данные только за отчетный период"), this);
    cbPeriodOnly->setObjectName("cbPeriodOnly");

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(navigatorHost);
    layout->addSpacing(8);
    layout->addWidget(new QLabel(QStringLiteral("Отчетный период:"), this));
    layout->addWidget(cbPeriod);
    layout->addWidget(seYear);
    layout->addWidget(new QLabel(QStringLiteral("год"), this));
    layout->addSpacing(8);
    layout->addWidget(cbPeriodOnly);
    layout->addStretch(1);
}

}  // namespace vexo::workspace
