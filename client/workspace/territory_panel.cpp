#include "territory_panel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace vexo::workspace {

TerritoryPanel::TerritoryPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("pnlTerritory");
    setFrameShape(QFrame::StyledPanel);
    lblTerritory = new QLabel(QStringLiteral("Территория:"), this);
    btnDefaultTerritory = new QPushButton(QStringLiteral("..."), this);
    btnDefaultTerritory->setObjectName("btnDefaultTerritory");
    btnDefaultTerritory->setFixedWidth(28);
    btnDefaultTerritory->setToolTip(QStringLiteral("Выбор территории по умолчанию"));
    lblLpuName = new QLabel(this);
    lblLpuName->setObjectName("lblLpuName");
    QFont bold = lblLpuName->font();
    bold.setBold(true);
    lblLpuName->setFont(bold);
    lblLpuName->setMinimumWidth(200);
    lblLpuName->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar2 = new QProgressBar(this);
    for (QProgressBar* p : {ProgressBar1, ProgressBar2}) {
        p->setTextVisible(false);
        p->setMaximumWidth(140);
        p->setMaximumHeight(14);
        p->setValue(0);
    }
    cbTerritoryOnly = new QCheckBox(QStringLiteral("Отображать данные только по выбранной территории"), this);
    cbTerritoryOnly->setObjectName("cbTerritoryOnly");

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(lblTerritory);
    layout->addWidget(btnDefaultTerritory);
    layout->addWidget(lblLpuName, 1);
    layout->addWidget(ProgressBar1);
    layout->addWidget(ProgressBar2);
    layout->addWidget(cbTerritoryOnly);
}

}  // namespace vexo::workspace
