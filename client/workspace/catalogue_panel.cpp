#include "catalogue_panel.h"

#include "greeting.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace vexo::workspace {

CataloguePanel::CataloguePanel(QWidget* parent) : QWidget(parent) {
    setObjectName("pnlTop");
    cbTheme = new QComboBox(this);
    cbTheme->setObjectName("cbTheme");
    cbTheme->setMaxVisibleItems(13);
    cbTheme->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbTheme->setMinimumContentsLength(30);
    lblPeriodicity = new QLabel(this);
    lblPeriodicity->setObjectName("lblPeriodicity");
    QFont bold = lblPeriodicity->font();
    bold.setBold(true);
    lblPeriodicity->setFont(bold);

    auto* themeLine = new QHBoxLayout;
    themeLine->addWidget(new QLabel(QStringLiteral("Тема:"), this));
    themeLine->addWidget(cbTheme, 1);
    themeLine->addSpacing(12);
    themeLine->addWidget(new QLabel(QStringLiteral("Периодичность:"), this));
    themeLine->addWidget(lblPeriodicity);
    themeLine->addSpacing(8);

    dbgTables = new QTableView(this);
    dbgTables->setObjectName("dbgTables");
    dbgTables->setSelectionBehavior(QAbstractItemView::SelectRows);
    dbgTables->setSelectionMode(QAbstractItemView::SingleSelection);
    dbgTables->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dbgTables->horizontalHeader()->hide();
    dbgTables->horizontalHeader()->setStretchLastSection(true);
    dbgTables->verticalHeader()->hide();
    dbgTables->verticalHeader()->setDefaultSectionSize(dbgTables->fontMetrics().height() + 6);
    dbgTables->setShowGrid(false);
    dbgTables->setAlternatingRowColors(true);
    dbgTables->setWordWrap(false);

    imgGreeting = new GreetingPicture(this);
    edForm = new QLineEdit(this);
    edForm->setObjectName("edForm");
    edTable = new QLineEdit(this);
    edTable->setObjectName("edTable");
    for (QLineEdit* e : {edForm, edTable}) e->setMaximumWidth(70);
    btnGo = new QPushButton(QStringLiteral("Перейти"), this);
    btnGo->setObjectName("btnGo");
    btnGo->setDefault(true);
    btnGo->setToolTip(QStringLiteral("Переход к указанной таблице"));
    btnGo->setStatusTip(btnGo->toolTip());
    btnPrev = new QPushButton(QStringLiteral("Предыдущая таблица"), this);
    btnPrev->setObjectName("btnPrev");
    btnNext = new QPushButton(QStringLiteral("Следующая таблица"), this);
    btnNext->setObjectName("btnNext");

    auto* side = new QGridLayout;
    side->addWidget(imgGreeting, 0, 0, 1, 2, Qt::AlignHCenter);
    side->addWidget(new QLabel(QStringLiteral("Форма"), this), 1, 0);
    side->addWidget(edForm, 1, 1);
    side->addWidget(new QLabel(QStringLiteral("Таблица"), this), 2, 0);
    side->addWidget(edTable, 2, 1);
    side->addWidget(btnGo, 3, 0, 1, 2);
    side->addWidget(btnPrev, 4, 0, 1, 2);
    side->addWidget(btnNext, 5, 0, 1, 2);
    side->setRowStretch(6, 1);

    auto* body = new QHBoxLayout;
    body->addWidget(dbgTables, 1);
    body->addLayout(side);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addLayout(themeLine);
    layout->addLayout(body, 1);
}

}  // namespace vexo::workspace
