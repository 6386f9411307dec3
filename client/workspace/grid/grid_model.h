#pragma once

#include "data/dataset.h"
#include "data/dataset_model.h"
#include "grid_column.h"

#include <QColor>
#include <QList>
#include <QPair>
#include <QVector>

#include <functional>

namespace vexo::grid {

// The table model behind the grid: the dataset's rows in the grid's columns,
// numbers in their display format, colours, and editing of looked-up names
// through their code fields.
class GridModel : public data::DatasetModel {
    Q_OBJECT
public:
    // Background of one cell (grid column, dataset row); invalid: none. Called
    // for every painted cell, so it must not run statements.
    using ColorProvider = std::function<QColor(int column, int row)>;
    using Choice = QPair<QString, QVariant>;  // shown name, value written

    explicit GridModel(data::Dataset* dataset, QObject* parent = nullptr);

    void setGridColumns(const QVector<GridColumn>& columns);
    const QVector<GridColumn>& gridColumns() const { return columns_; }
    const GridColumn& gridColumn(int column) const { return columns_.at(column); }
    void setGridReadOnly(bool on);
    bool isGridReadOnly() const { return readOnly_; }
    void setColorProvider(ColorProvider provider);

    // Decimals of an exact-number field (0 for integers); -1 for other fields.
    int fieldScale(int column) const;
    // Characters a text field holds; 0 when not a text field.
    int textLength(int column) const;
    bool isNumberColumn(int column) const;

    // The rows of the column's list, in the source's order.
    QList<Choice> choices(int column) const;
    // Up/down button: the next or previous choice of a list, or the value ± 1.
    bool step(const QModelIndex& index, int delta);

    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    bool keyWritable(int column) const;

    QVector<GridColumn> columns_;
    bool readOnly_ = false;
    ColorProvider colorProvider_;
};

}  // namespace vexo::grid
