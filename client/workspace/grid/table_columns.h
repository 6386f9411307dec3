#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace vexo::data {
class Dataset;
}

namespace vexo::grid {

// One COLUMNS row of the current table.
struct TableColumn {
    QString nstr;      // column number printed on the form ("графа")
    QString rus;       // caption as stored: "Период=60", "Число коек|всего"
    QString eng;       // field name: N7, C2, lpu_, row_A, s1_ ...
    QString sprB;      // second reference name
    QString spr;       // reference dataset name
    QString formula;   // row formula, "[n13]/[n6]"
    QString countAs;   // non-empty: consolidation averages the column
    QString decimals;  // DECIMAL_FM, "0" when empty
};

// The column lists of the current table in display order, rebuilt at every
// opening; other windows read them by position.
class TableColumns {
public:
    void clear() { columns_.clear(); }
    // Every row of an open COLUMNS dataset, in its order.
    void load(const data::Dataset& columns);
    void append(TableColumn column) { columns_.push_back(std::move(column)); }

    int count() const { return static_cast<int>(columns_.size()); }
    bool isEmpty() const { return columns_.empty(); }
    const TableColumn& at(int i) const { return columns_.at(static_cast<size_t>(i)); }
    const std::vector<TableColumn>& all() const { return columns_; }
    // Position of the column showing this field (case-insensitive); -1 when none.
    int indexOfField(const QString& eng) const;

    // The lists by position, one entry per column.
    QStringList nstr() const { return list(&TableColumn::nstr); }
    QStringList captions() const { return list(&TableColumn::rus); }
    QStringList fields() const { return list(&TableColumn::eng); }
    QStringList sprB() const { return list(&TableColumn::sprB); }
    QStringList spr() const { return list(&TableColumn::spr); }
    QStringList formulas() const { return list(&TableColumn::formula); }
    QStringList countAs() const { return list(&TableColumn::countAs); }
    QStringList decimals() const { return list(&TableColumn::decimals); }

    // A table with a row_A or row_B column has fixed rows.
    bool hasFixedRows() const;
    static bool isRowField(const QString& eng) { return eng.trimmed().startsWith(QLatin1String("row_"), Qt::CaseInsensitive); }

private:
    QStringList list(QString TableColumn::*member) const;
    std::vector<TableColumn> columns_;
};

}  // namespace vexo::grid
