// The data of the current table: selecting it, filling and deleting it,
// adding to a cell, and the events of tblYear.
#include "cell_addition.h"
#include "data/data_module.h"
#include "data/settings_store.h"
#include "period_rules.h"
#include "table_data_sql.h"
#include "tf_main.h"
#include "ui/app_error.h"
#include "ui/cursor_guard.h"
#include "ui/dialogs.h"
#include "workspace/grid/data_grid.h"
#include "workspace/grid/metadata_year.h"
#include "workspace/grid/row_formulas.h"
#include "workspace/grid/table_grid_builder.h"

#include <QLabel>

namespace vexo::workspace {

namespace {

const QString kListTable = QStringLiteral("свод:список");
const QString kNoEditRights = QStringLiteral("У Вас нет прав на редактирование выбранной таблицы.");
const QString kWrongPeriod = QStringLiteral("Неверный отчетный период!");

bool editing(const data::Dataset* ds) {
    return ds && (ds->state() == data::DatasetState::Edit || ds->state() == data::DatasetState::Insert);
}

ui::Answer ask(const QString& text, const QString& caption, ui::Answer preselected, QWidget* parent) {
    return ui::messageBox({text, caption, ui::Icon::Question, ui::Buttons::OkCancel, preselected}, parent);
}

int tableNumber(const CatalogueTable& info) { return info.ntbl.trimmed().toInt(); }

}  // namespace

void TfMain::selectData() {
    data::Dataset* ds = dm_.tblYear;
    const CatalogueTable* info = currentTableInfo();
    if (!ds || !info) return;
    if (editing(ds)) ds->post();  // a new selection never drops a typed value
    const int n = tableNumber(*info);
    DataScope scope;
    scope.table = n;
    if (periodOnly()) {
        scope.period = filterPeriod();
        scope.year = year();
    }
    if (settings_.lpuYn) {
        const QString territory = data::SettingsStore(dm_).read("LPUDefa", QString()).trimmed();
        if (!territory.isEmpty()) scope.territory = territory;
    }
    dataFilter_ = workspace::dataFilter(scope);
    SelectShape shape;
    shape.rowMode = builder_->isRowMode();
    shape.rowsYear = grid::metadataYear(n, year());
    shape.listTable = info->vidSvoda == kListTable;
    shape.orderSp = info->orderSp;
    ds->setSelectSql(selectStatement(dataFilter_, n, shape));
    ds->open();
    refreshState();
}

QString TfMain::filterPeriod() const {
    std::vector<std::pair<QString, QString>> periods;
    const data::Dataset* ds = dm_.period;
    if (ds && ds->isOpen()) {
        const int a = ds->fieldIndex("A"), b = ds->fieldIndex("B");
        for (int row = 0; row < ds->recordCount(); ++row)
            periods.emplace_back(ds->valueAt(row, a).toString(), ds->valueAt(row, b).toString());
    }
    return filterPeriodCode(periods, periodName());
}

QString TfMain::newRowTerritory() const {
    const QString defa = data::SettingsStore(dm_).read("LPUDefa", QString()).trimmed();
    if (!defa.isEmpty()) return defa;
    const data::Dataset* lpu = dm_.lpu;
    return lpu && lpu->isOpen() && lpu->recNo() >= 0 ? lpu->text("A").trimmed() : QString();
}

QString TfMain::territoryName(const QString& code) const {
    const QString field = settings_.newLpuB ? QStringLiteral("B1") : QStringLiteral("B");
    QString name;
    if (dm_.lpu && dm_.lpu->isOpen()) name = dm_.lpu->lookup("A", code, field).toString();
    if (name.isEmpty() && dm_.qLpu && dm_.qLpu->isOpen()) name = dm_.qLpu->lookup("A", code, field).toString();
    return name.trimmed();
}

void TfMain::requireRights(Need need) const {
    const CatalogueTable* info = currentTableInfo();
    const QString n = info ? info->ntbl : QString();
    if (need == Need::ViewAndEdit && !rights_.mayView(n)) throw AppError(kNoRights);
    if (!rights_.mayEdit(n)) throw AppError(kNoEditRights);
}

void TfMain::miFillTableClick() { fillTable(Need::ViewAndEdit); }

void TfMain::miDeleteDataClick() { deleteData(); }

void TfMain::fillTable(Need need) {
    requireRights(need);
    data::Dataset* ds = dm_.tblYear;
    const CatalogueTable* info = currentTableInfo();
    if (!ds || !ds->isOpen() || !info) return;
    if (!builder_->isRowMode()) {
        // Free rows: one more for the operator to type.
        ds->append();
        ds->setValue("ROW", "001");
        DBGridEh1->setFocus();
        return;
    }
    if (!ds->isEmpty() && ask(QStringLiteral("Таблица уже сформирована.\nОчистить все строки таблицы?"),
                              ui::kCaptionQuestion, ui::Answer::Cancel, this) != ui::Answer::Ok)
        return;
    ds->cancel();  // a value typed into a row goes with the rows

    const int n = tableNumber(*info);
    const QString territory = newRowTerritory();
    std::exception_ptr failure;
    {
        ui::HourglassCursor hourglass;
        try {
            // Only the rows of the territory being filled are replaced.
            dm_.execSql(deleteStatement(workspace::dataFilter({n, filterPeriod(), year(), territory})));
            dm_.execSql(fillStatement(n, newRowPeriodCode(periodName()), year(), territory,
                                      builder_->metadataCondition()));
            dm_.commitRetaining();
        } catch (...) {
            failure = std::current_exception();
            // The rows deleted above come back rather than wait for the next commit.
            try {
                dm_.rollbackRetaining();
            } catch (...) {
            }
        }
    }
    if (failure) {
        ui::messageBox({QStringLiteral("Ошибка при формировании таблицы!"), ui::kCaptionError, ui::Icon::Warning,
                        ui::Buttons::Ok, ui::Answer::Ok},
                       this);
        std::rethrow_exception(failure);
    }
    selectData();
}

void TfMain::deleteData() {
    requireRights(Need::ViewAndEdit);
    data::Dataset* ds = dm_.tblYear;
    const CatalogueTable* info = currentTableInfo();
    if (!ds || !ds->isOpen() || !info) return;
    if (!builder_->isRowMode() && info->vidSvoda != kListTable) {
        deleteCurrentRow();
        return;
    }
    const QString territory = newRowTerritory();
    const QString question = QStringLiteral("Будут удалены все сведения из таблицы '") + info->title + "' за " +
                             periodName() + " " + QString::number(year()) + QStringLiteral(" года по территории ") +
                             territoryName(territory) + ".\n" + QStringLiteral("Удалить данные?");
    if (ask(question, ui::kCaptionDelete, ui::Answer::Cancel, this) != ui::Answer::Ok) return;
    ds->cancel();
    ui::HourglassCursor hourglass;
    current_ = catalogue_.indexOfTitle(info->title);
    // Exactly what the question names, committed at once like every other change.
    dm_.execSql(deleteStatement(workspace::dataFilter({tableNumber(*info), filterPeriod(), year(), territory})), true);
    selectData();
}

void TfMain::deleteCurrentRow() {
    data::Dataset* ds = dm_.tblYear;
    if (!ds || !ds->isOpen() || ds->isEmpty()) return;
    requireRights(Need::Edit);
    if (ask(QStringLiteral("Удалить текущую запись?"), ui::kCaptionDelete, ui::Answer::Cancel, this) == ui::Answer::Ok)
        ds->remove();
}

void TfMain::addToCell() {
    data::Dataset* ds = dm_.tblYear;
    if (!ds || !ds->isOpen() || (ds->isEmpty() && ds->state() != data::DatasetState::Insert)) return;
    requireRights(Need::Edit);
    const QModelIndex cell = DBGridEh1->currentIndex();
    if (!cell.isValid() || cell.column() >= DBGridEh1->columnCount()) return;
    // Only a cell the operator could type a number into.
    const grid::GridColumn& column = DBGridEh1->columns().at(cell.column());
    const int field = ds->fieldIndex(column.field);
    const fb::Column* stored = ds->column(field);
    const int scale = stored ? -stored->scale : -1;
    if (!stored || column.decimals < 0 || column.readOnly || DBGridEh1->isReadOnly() || !ds->isWritable(field) ||
        !builder_->canEditCell(cell.column(), cell.row()))
        return;

    const std::optional<QString> typed = ui::inputBox(
        {QStringLiteral("Сложение"), QStringLiteral("Введите число, которое необходимо сложить с текущим значением:"), QString(),
         false},
        this);
    if (!typed) return;
    const std::optional<fb::Numeric> addend = parseAddend(*typed);
    if (!addend) {
        ui::messageBox({QStringLiteral("Неверное число!"), ui::kCaptionAttention, ui::Icon::Warning, ui::Buttons::Ok,
                        ui::Answer::Ok},
                       this);
        return;
    }
    if (addend->units == 0) return;
    if (editing(ds)) ds->post();
    const std::optional<fb::Numeric> sum = addToValue(ds->raw(column.field), *addend, std::max(scale, 0));
    if (!sum) throw AppError(QStringLiteral("Сумма не помещается в ячейку."));
    ds->edit();
    ds->setValue(column.field, QVariant::fromValue(*sum));
    ds->post();
}

void TfMain::settlePendingEdit() {
    data::Dataset* ds = dm_.tblYear;
    if (!editing(ds)) return;
    std::exception_ptr failure;
    bool savable = false;
    try {
        savable = checkRowPeriod(*ds, true);
        if (savable) grid::applyRowFormulas(*ds, builder_->columns());
    } catch (...) {
        failure = std::current_exception();
        savable = false;
    }
    if (savable && ask(QStringLiteral("Данные были изменены.\nХотите сохранить введенные данные?"),
                       ui::kCaptionQuestion, ui::Answer::Ok, this) == ui::Answer::Ok) {
        try {
            ds->post();
            return;
        } catch (...) {
            failure = std::current_exception();
        }
    }
    ds->cancel();
    if (failure) ApplicationEvents1Exception(failure);
}

bool TfMain::checkRowPeriod(data::Dataset& ds, bool tell) {
    if (!periodRefused(themePeriodicity(), ds.text("PERIOD"))) return true;
    if (tell)
        ui::messageBox({kWrongPeriod, ui::kCaptionError, ui::Icon::Warning, ui::Buttons::Ok, ui::Answer::Ok}, this);
    return false;
}

void TfMain::hookDataEvents() {
    data::Dataset* ds = dm_.tblYear;
    if (!ds || ds == hookedTblYear_) return;
    hookedTblYear_ = ds;
    // The data module may outlive the window: a closed window handles nothing.
    const QPointer<TfMain> self(this);
    const auto on = [self](void (TfMain::*handler)(data::Dataset&)) {
        return [self, handler](data::Dataset& d) {
            if (self && self->dataEvents_) (self->*handler)(d);
        };
    };
    ds->afterInsert.add(on(&TfMain::tblYearAfterInsert));
    ds->beforeEdit.add(on(&TfMain::tblYearBeforeEdit));
    ds->beforePost.add(on(&TfMain::tblYearBeforePost));
    ds->afterPost.add(on(&TfMain::tblYearAfterPostOrDelete));
    ds->afterDelete.add(on(&TfMain::tblYearAfterPostOrDelete));
}

void TfMain::tblYearAfterInsert(data::Dataset& ds) {
    const CatalogueTable* info = currentTableInfo();
    ds.setValue("TIPSVODA", dm_.tipSvodaForNewRow());
    if (info) ds.setValue("NTBL", tableNumber(*info));
    ds.setValue("PERIOD", newRowPeriodCode(periodName()));
    ds.setValue("GOD", year());
    ds.setValue("LPU", newRowTerritory());
}

void TfMain::tblYearBeforeEdit(data::Dataset&) {
    if (!builder_->canEditCurrentCell()) throw data::SilentAbort{};
}

void TfMain::tblYearBeforePost(data::Dataset& ds) {
    if (!builder_->isRowMode() && ds.text("ROW").trimmed().isEmpty()) ds.setValue("ROW", "001");
    // The row stays in edit: the operator may put the period right.
    if (!checkRowPeriod(ds, true)) throw data::SilentAbort{};
    grid::applyRowFormulas(ds, builder_->columns());
}

void TfMain::tblYearAfterPostOrDelete(data::Dataset& ds) {
    if (statusText(0).startsWith(QStringLiteral("Количество")))
        setStatusText(0, QStringLiteral("Количество записей: ") + QString::number(ds.recordCount()));
    refreshMenu();
}

}  // namespace vexo::workspace
