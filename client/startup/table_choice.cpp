#include "table_choice.h"

#include "data/data_module.h"
#include "user_rights.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace vexo::startup {

std::vector<TableChoiceItem> TableChoiceList::readCatalogue(data::TfDM& dm) {
    data::Dataset& q = *dm.qTmp;
    q.close();
    q.setSelectSql(
        "select grpname.b,tblname.b,tblname.ntbl,grpname.a from grpname,tblname where grpname.a=tblname.tblname "
        "order by grpname.a,tblname.ntbl");
    q.open();
    std::vector<TableChoiceItem> items;
    items.reserve(static_cast<size_t>(q.recordCount()));
    for (int row = 0; row < q.recordCount(); ++row) {
        TableChoiceItem item;
        item.themeName = q.valueAt(row, 0).toString().trimmed();
        item.title = q.valueAt(row, 1).toString().trimmed();
        item.ntbl = q.valueAt(row, 2).toString().trimmed();
        item.themeCode = q.valueAt(row, 3).toString().trimmed();
        items.push_back(std::move(item));
    }
    q.close();
    return items;
}

TableChoiceList::TableChoiceList(std::vector<TableChoiceItem> items, const QString& rightsList)
    : items_(std::move(items)) {
    for (TableChoiceItem& item : items_) item.ticked = rightsListHas(rightsList, item.ntbl);
}

void TableChoiceList::setTicked(int index, bool on) {
    if (index >= 0 && index < static_cast<int>(items_.size())) items_[static_cast<size_t>(index)].ticked = on;
}

void TableChoiceList::setAll(bool on) {
    for (TableChoiceItem& item : items_) item.ticked = on;
}

void TableChoiceList::setGroup(int index, bool on) {
    if (index < 0 || index >= static_cast<int>(items_.size())) return;
    const QString theme = items_[static_cast<size_t>(index)].themeCode;
    for (TableChoiceItem& item : items_)
        if (item.themeCode == theme) item.ticked = on;
}

QString TableChoiceList::rightsList() const {
    QString out;
    for (const TableChoiceItem& item : items_)
        if (item.ticked) out += item.ntbl + ";";
    return out;
}

TfTableChoice::TfTableChoice(data::TfDM& dm, Purpose purpose, const QString& rightsList, QWidget* parent)
    : QDialog(parent), list_(TableChoiceList::readCatalogue(dm), rightsList) {
    setObjectName("TfTableChoice");
    setWindowTitle(purpose == Purpose::View ? QStringLiteral("Выбор таблиц [просмотр]")
                                            : QStringLiteral("Выбор таблиц [редактирование]"));
    clbTables = new QListWidget(this);
    clbTables->setObjectName("clbTables");
    for (const TableChoiceItem& item : list_.items()) {
        auto* row = new QListWidgetItem(item.text(), clbTables);
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    }
    showTicks();
    if (clbTables->count() > 0) clbTables->setCurrentRow(0);
    connect(clbTables, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        list_.setTicked(clbTables->row(item), item->checkState() == Qt::Checked);
    });

    btnAll = new QPushButton(QStringLiteral("Выбрать все"), this);
    btnNone = new QPushButton(QStringLiteral("Отменить все"), this);
    btnGroup = new QPushButton(QStringLiteral("Выбрать группу"), this);
    btnUngroup = new QPushButton(QStringLiteral("Отменить группу"), this);
    btnClose = new QPushButton(QStringLiteral("&Закрыть"), this);
    btnClose->setDefault(true);
    connect(btnAll, &QPushButton::clicked, this, &TfTableChoice::btnAllClick);
    connect(btnNone, &QPushButton::clicked, this, &TfTableChoice::btnNoneClick);
    connect(btnGroup, &QPushButton::clicked, this, &TfTableChoice::btnGroupClick);
    connect(btnUngroup, &QPushButton::clicked, this, &TfTableChoice::btnUngroupClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {btnAll, btnNone, btnGroup, btnUngroup}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(clbTables);
    layout->addLayout(buttons);
    resize(760, 480);
}

void TfTableChoice::showTicks() {
    const QSignalBlocker quiet(clbTables);
    for (int i = 0; i < clbTables->count(); ++i)
        clbTables->item(i)->setCheckState(list_.items()[static_cast<size_t>(i)].ticked ? Qt::Checked : Qt::Unchecked);
}

void TfTableChoice::btnAllClick() {
    list_.setAll(true);
    showTicks();
}

void TfTableChoice::btnNoneClick() {
    list_.setAll(false);
    showTicks();
}

void TfTableChoice::btnGroupClick() {
    list_.setGroup(clbTables->currentRow(), true);
    showTicks();
}

void TfTableChoice::btnUngroupClick() {
    list_.setGroup(clbTables->currentRow(), false);
    showTicks();
}

}  // namespace vexo::startup
