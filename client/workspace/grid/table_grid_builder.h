#pragma once

#include "cell_marks.h"
#include "grid_column.h"
#include "grid_host.h"
#include "table_columns.h"

#include <QObject>
#include <QVector>

#include <optional>

namespace vexo::data {
class Dataset;
class TfDM;
}

namespace vexo::grid {

class TDBGridEh;

// Builds the data grid of the table the user opens from its metadata for
// the reporting year: columns, captions, widths, formats, lists, frozen and
// read-only columns, navigator buttons, cell marks and the user's rights.
// Keeps what it learnt about the table until the next one is opened.
class TableGridBuilder : public QObject {
    Q_OBJECT
public:
    static const QString kNoTablesText;      // "В данной теме отсутствуют таблицы!"
    static const QString kListTableKind;     // "свод:список"

    TableGridBuilder(data::TfDM& dm, TDBGridEh& grid, GridHost& host, QObject* parent = nullptr);

    // Opens the table titled `title` (TBLNAME.B, FORMKOD, TBLKOD of the choice).
    void buildGrid(const QString& title, const QString& formKod, const QString& tblKod);

    // What the current table is made of.
    const CatalogueTable& table() const { return table_; }
    const TableColumns& columns() const { return columns_; }
    bool isRowMode() const { return rowMode_; }
    // " and god=2014" or "" for the current table and year.
    const QString& metadataCondition() const { return metadataCondition_; }
    const CellMarks& cellMarks() const { return marks_; }

    // Cell colour and edit permission (grid column, row of tblYear).
    QColor cellColor(int column, int row) const;
    bool canEditCell(int column, int row) const;
    // The same for the grid's current cell; tblYear's before-edit asks it.
    bool canEditCurrentCell() const;

    // Recomputes the formula columns of tblYear's current row.
    void applyRowFormulas();

    // Background of read-only and locked cells.
    static QColor buttonFace();

private slots:
    void forgetRowField() { rowField_ = -1; }

private:
    struct DisplayField {
        QString name, keyField;
        data::Dataset* source = nullptr;
        QString sourceKey, sourceResult;
        int maxLength = 0;
    };

    void openColumns(int table, int year);
    void planDisplayFields();
    void installDisplayFields();
    QVector<GridColumn> makeColumns();
    void attachLists(QVector<GridColumn>& columns);
    void setUpNavigators();
    void applyRights();
    bool commentsFileExists() const;
    QString fieldOfColumn(int column) const;
    QString rowNumberOf(int row) const;

    data::TfDM& dm_;
    TDBGridEh& grid_;
    GridHost& host_;

    CatalogueTable table_;
    TableColumns columns_;
    GridSettings settings_;
    bool rowMode_ = false;
    QString metadataCondition_;
    CellMarks marks_;
    std::vector<DisplayField> displayFields_;
    std::vector<bool> markable_;  // per grid column
    mutable int rowField_ = -1;   // ROW in tblYear, found again after every reopen
};

}  // namespace vexo::grid
