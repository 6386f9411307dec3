#include "compact_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vexo::workspace {

CompactBar::CompactBar(QWidget* parent) : QFrame(parent) {
    setObjectName("pnlCompact");
    setFrameShape(QFrame::StyledPanel);
    edForm = new QLineEdit(this);
    edForm->setObjectName("edForm2");
    edTable = new QLineEdit(this);
    edTable->setObjectName("edTable2");
    for (QLineEdit* e : {edForm, edTable}) e->setMaximumWidth(70);
    btnGo = new QPushButton(QStringLiteral("Перейти"), this);
    btnGo->setToolTip(QStringLiteral("Переход к указанной таблице"));
    btnGo->setStatusTip(btnGo->toolTip());
    btnPrev = new QPushButton(QStringLiteral("Предыдущая таблица"), this);
    btnNext = new QPushButton(QStringLiteral("Следующая таблица"), this);
    navigatorHost = new QWidget(this);
    auto* navLayout = new QHBoxLayout(navigatorHost);
    navLayout->setContentsMargins(0, 0, 0, 0);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(new QLabel(QStringLiteral("Форма"), this));
    layout->addWidget(edForm);
    layout->addWidget(new QLabel(QStringLiteral("Таблица"), this));
    layout->addWidget(edTable);
    layout->addWidget(btnGo);
    layout->addWidget(btnPrev);
    layout->addWidget(btnNext);
    layout->addSpacing(8);
    layout->addWidget(navigatorHost);
    layout->addStretch(1);
    hide();
}

}  // namespace vexo::workspace
