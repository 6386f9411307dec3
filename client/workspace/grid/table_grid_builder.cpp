#include "table_grid_builder.h"

#include "column_caption.h"
#include "data/data_module.h"
#include "data/dataset.h"
#include "data_grid.h"
#include "dataset_navigator.h"
#include "metadata_year.h"
#include "number_format.h"
#include "row_formulas.h"
#include "screen_layout.h"
#include "ui/app_error.h"
#include "ui/cursor_guard.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QRegularExpression>

namespace vexo::grid {

const QString TableGridBuilder::kNoTablesText = QStringLiteral("В данной теме отсутствуют таблицы!");
const QString TableGridBuilder::kListTableKind = QStringLiteral("свод:список");

namespace {

const QString kPeriodCaption = QStringLiteral("Период");
const QString kYearCaption = QStringLiteral("Год");

bool isNumericField(const QString& eng) {
    static const QRegularExpression n(QStringLiteral("^[Nn]\\d+$"));
    return n.match(eng.trimmed()).hasMatch();
}

void reopen(data::Dataset* ds, const QString& sql) {
    ds->setSelectSql(sql);
    ds->open();
}

}  // namespace

TableGridBuilder::TableGridBuilder(data::TfDM& dm, TDBGridEh& grid, GridHost& host, QObject* parent)
    : QObject(parent), dm_(dm), grid_(grid), host_(host) {
    grid_.setCellColorProvider([this](int column, int row) { return cellColor(column, row); });
    grid_.setEditPermission([this](int column, int row) { return canEditCell(column, row); });
    connect(&grid_, &TDBGridEh::columnExit, this, &TableGridBuilder::applyRowFormulas);
}

QColor TableGridBuilder::buttonFace() { return QApplication::palette().color(QPalette::Button); }

void TableGridBuilder::buildGrid(const QString& title, const QString& formKod, const QString& tblKod) {
    if (title.isEmpty()) throw AppError(kNoTablesText);
    ui::HourglassCursor hourglass;

    const std::optional<CatalogueTable> chosen = host_.makeTableCurrent(title);
    if (!chosen) throw AppError(QStringLiteral("Таблица «%1» отсутствует в каталоге.").arg(title));
    table_ = *chosen;
    settings_ = host_.settings();
    dm_.setCurrentTableKind(table_.vidSvoda);
    host_.showFormAndTableCodes(formKod.left(5), tblKod.mid(2, 4));
    reopen(dm_.DOLGN, QStringLiteral("select * from dolgn order by a"));
    reopen(dm_.lpu, QStringLiteral("select * from kodif order by a"));

    rowMode_ = false;
    columns_.clear();
    host_.showTableTitle(title);
    host_.refreshPeriodicityLabel();

    openColumns(table_.number, host_.reportingYear());
    marks_.load(dm_, table_.number, {table_.getCellParams, settings_.colorCells, settings_.zdravVer});
    planDisplayFields();
    installDisplayFields();

    // The grid lets go of the data while it is rebuilt, so nothing repaints
    // column by column. Fields are bound by name, so no selection is needed
    // before the columns exist.
    grid_.setDataSource(nullptr);
    grid_.hide();
    grid_.setFrozenCols(0);
    grid_.setColumns({});
    grid_.setAutoFitColWidths(false);

    QVector<GridColumn> columns = makeColumns();
    attachLists(columns);

    host_.selectData();
    reopen(dm_.lpu, QStringLiteral("select * from kodif order by c"));

    const ScreenLayout layout = ScreenLayout::of(table_.alignGr, table_.alignGr800, host_.screenWidth(),
                                                 settings_.showPerLpu, settings_.showNstr);
    setUpNavigators();
    for (int i = 0; i < std::min<int>(3, columns.size()); ++i) {
        columns[i].readOnly = true;
        columns[i].color = buttonFace();
    }
    markable_.assign(static_cast<size_t>(columns.size()), false);
    for (int i = 0; i < columns.size(); ++i) markable_[static_cast<size_t>(i)] = marks_.isMarkable(columns[i].field);

    grid_.setColumns(columns);
    grid_.setFrozenCols(layout.frozenColumns);
    grid_.setDataSource(dm_.tblYear);
    connect(dm_.tblYear, &data::Dataset::modelReset, this, &TableGridBuilder::forgetRowField, Qt::UniqueConnection);
    rowField_ = -1;
    grid_.show();

    host_.setSelectionBoxesLocked(rowMode_);
    host_.refreshState();
    grid_.setAutoFitColWidths(layout.fitToWindow);
    applyRights();
    host_.setCommentsButtonVisible(commentsFileExists());
    host_.setClearTableMenu(table_.isListTable());
}

void TableGridBuilder::openColumns(int table, int year) {
    metadataCondition_ = metadataYearCondition(table, year);
    reopen(dm_.columns,
           "select * from Columns where tbl=" + QString::number(table) + metadataCondition_ + " order by next");
    columns_.load(*dm_.columns);
}

void TableGridBuilder::planDisplayFields() {
    displayFields_.clear();
    displayFields_.push_back({"lpu_", "LPU", dm_.lpu, "A", settings_.newLpuB ? "B1" : "B", 0});
    displayFields_.push_back({"period_", "PERIOD", dm_.period, "A", "B", 0});
    displayFields_.push_back({"row_A", "ROW", dm_.rows, "A", "A", 0});
    displayFields_.push_back({"row_B", "ROW", dm_.rows, "A", "B", 0});
    // Reference displays only for the coded and text columns the table shows.
    static const QRegularExpression display(QStringLiteral("^([sScC])(\\d+)_$"));
    for (const TableColumn& c : columns_.all()) {
        const QRegularExpressionMatch m = display.match(c.eng);
        if (!m.hasMatch()) continue;
        const bool coded = m.captured(1).compare("s", Qt::CaseInsensitive) == 0;
        const int number = m.captured(2).toInt();
        if (number < 1 || number > (coded ? 22 : 12)) continue;
        const QString key = (coded ? "S" : "C") + QString::number(number);
        displayFields_.push_back({c.eng.toLower(), key, dm_.lpu, coded ? "A" : "B", "B", coded ? 100 : 120});
    }
}

void TableGridBuilder::installDisplayFields() {
    for (data::Dataset* ds : {dm_.tblYear, dm_.svod, dm_.temp}) {
        ds->close();
        ds->clearLookupFields();
        for (const DisplayField& f : displayFields_)
            ds->addLookupField({f.name, f.keyField, f.source, f.sourceKey, f.sourceResult, f.maxLength});
    }
}

QVector<GridColumn> TableGridBuilder::makeColumns() {
    QVector<GridColumn> out;
    out.reserve(columns_.count());
    const QColor grey = buttonFace();
    for (const TableColumn& entry : columns_.all()) {
        const ColumnCaption caption = ColumnCaption::parse(entry.rus);
        GridColumn column;
        column.field = entry.eng;
        column.title = caption.title;
        if (isNumericField(entry.eng)) column.decimals = decimalPlaces(entry.decimals);
        if (TableColumns::isRowField(entry.eng)) {
            if (!rowMode_) {
                reopen(dm_.rows, "select * from \"ROWS\" where tbl=" + QString::number(table_.number) + metadataCondition_);
                host_.tickReportingPeriodOnly();
            }
            rowMode_ = true;
            column.readOnly = true;
            column.color = grey;
        }
        if (!entry.formula.trimmed().isEmpty()) {
            column.readOnly = true;
            column.color = grey;
        }
        const QString upper = entry.eng.toUpper();
        if (upper == QLatin1String("ROW_A")) column.visible = settings_.showNstr;
        if (upper == QLatin1String("PERIOD_") || upper == QLatin1String("GOD") || upper == QLatin1String("LPU_"))
            column.visible = settings_.showPerLpu;
        const QString title = caption.title.trimmed();
        if (title == kPeriodCaption || title == kYearCaption) {
            column.upDown = true;
            column.alwaysShowButton = true;
        }
        column.width = caption.width.value_or(GridColumn::kAutoWidth);
        out << column;
    }
    return out;
}

void TableGridBuilder::attachLists(QVector<GridColumn>& columns) {
    bool sourcesChanged = false;
    for (int i = 0; i < columns.size(); ++i) {
        const TableColumn& entry = columns_.at(i);
        const QString title = columns[i].title.trimmed();
        if (title != QStringLiteral("Учреждение") && title != QStringLiteral("Территория") && entry.spr.isEmpty())
            continue;
        try {
            auto field = std::find_if(displayFields_.begin(), displayFields_.end(), [&](const DisplayField& f) {
                return f.name.compare(entry.eng, Qt::CaseInsensitive) == 0;
            });
            if (entry.eng.compare(QLatin1String("lpu_"), Qt::CaseInsensitive) != 0) {
                data::Dataset* source = dm_.findDatasetByName(entry.spr);  // tells the user when unknown
                if (!source) continue;
                if (!source->isOpen()) source->open();
                if (field != displayFields_.end() && field->source != source) {
                    field->source = source;
                    sourcesChanged = true;
                }
            }
            if (field != displayFields_.end() && field->source)
                columns[i].list = {field->source, field->keyField, field->sourceKey, field->sourceResult};
            columns[i].alwaysShowButton = true;
        } catch (...) {
            // A list that cannot be attached leaves the column as it is.
        }
    }
    if (sourcesChanged) installDisplayFields();
}

void TableGridBuilder::setUpNavigators() {
    using B = DatasetNavigator;
    for (DatasetNavigator* nav : host_.navigators()) {
        nav->setDataset(dm_.tblYear);
        nav->setEnabled(true);
        if (rowMode_) {
            nav->setVisibleButtons({B::First, B::Prior, B::Next, B::Last, B::Insert, B::Delete});
            nav->setHint(B::Insert, QStringLiteral("Сформировать таблицу"));
            nav->setHint(B::Delete, QStringLiteral("Удалить таблицу"));
        } else {
            nav->setVisibleButtons({B::First, B::Prior, B::Next, B::Last, B::Insert, B::Delete, B::Edit, B::Post, B::Cancel});
            nav->setHint(B::Insert, QString());
            nav->setHint(B::Delete, QString());
        }
    }
}

void TableGridBuilder::applyRights() {
    const startup::UserRights& rights = host_.rights();
    const QString number = QString::number(table_.number);
    const bool visible = rights.mayView(number);
    grid_.setEnabled(visible);
    grid_.setVisible(visible);
    host_.setTableAccessible(visible);
    grid_.setReadOnly(!rights.mayEdit(number));
}

bool TableGridBuilder::commentsFileExists() const {
    // The folder is "txts" on the original installations, "Txts" on ours.
    const QDir program(host_.programFolder());
    const QString file = QString::number(table_.number) + ".txt";
    for (const QString& folder : program.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (folder.compare(QLatin1String("txts"), Qt::CaseInsensitive) == 0 && QDir(program.filePath(folder)).exists(file))
            return true;
    return false;
}

QString TableGridBuilder::fieldOfColumn(int column) const {
    const QVector<GridColumn>& columns = grid_.columns();
    return column >= 0 && column < columns.size() ? columns[column].field : QString();
}

QString TableGridBuilder::rowNumberOf(int row) const {
    const data::Dataset* ds = dm_.tblYear;
    if (!ds || !ds->isOpen()) return {};
    if (rowField_ < 0) rowField_ = ds->fieldIndex(QStringLiteral("ROW"));
    return rowField_ < 0 ? QString() : ds->valueAt(row, rowField_).toString();
}

QColor TableGridBuilder::cellColor(int column, int row) const {
    if (column < 0 || column >= static_cast<int>(markable_.size()) || !markable_[static_cast<size_t>(column)]) return {};
    switch (marks_.mark(fieldOfColumn(column), rowNumberOf(row))) {
        case CellMark::Yellow: return settings_.cellsColor;
        case CellMark::Gray: return buttonFace();
        case CellMark::None: break;
    }
    return {};
}

bool TableGridBuilder::canEditCell(int column, int row) const {
    if (column < 0 || column >= static_cast<int>(markable_.size()) || !markable_[static_cast<size_t>(column)]) return true;
    return !marks_.isLocked(fieldOfColumn(column), rowNumberOf(row));
}

bool TableGridBuilder::canEditCurrentCell() const {
    const QModelIndex current = grid_.currentIndex();
    if (!current.isValid() || !dm_.tblYear) return true;
    return canEditCell(current.column(), dm_.tblYear->recNo());
}

void TableGridBuilder::applyRowFormulas() {
    if (dm_.tblYear) grid::applyRowFormulas(*dm_.tblYear, columns_);
}

}  // namespace vexo::grid
