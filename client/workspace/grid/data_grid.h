#pragma once

#include "grid_column.h"
#include "data/dataset.h"
#include "grid_model.h"

#include <QPointer>
#include <QVector>
#include <QWidget>

#include <functional>
#include <vector>

namespace vexo::data {
class Dataset;
}

namespace vexo::grid {

class GridPane;
class MultiLevelHeaderView;

// The data grid of a statistical table: columns from the table's metadata
// over a dataset, multi-level headers, frozen left columns, fitting to the
// window. Leaving a cell of a row being edited posts the row, which the
// dataset commits at once.
class TDBGridEh : public QWidget {
    Q_OBJECT
public:
    explicit TDBGridEh(QWidget* parent = nullptr);
    ~TDBGridEh() override;

    // The dataset shown; null detaches the grid (nothing is painted from it).
    void setDataSource(data::Dataset* dataset);
    data::Dataset* dataSource() const { return dataset_; }

    void setColumns(const QVector<GridColumn>& columns);
    const QVector<GridColumn>& columns() const { return columns_; }
    int columnCount() const { return static_cast<int>(columns_.size()); }
    // Width a column has on the screen now (0 when hidden).
    int columnWidth(int column) const;

    // The first `count` visible columns stay at the left while the rest scroll.
    void setFrozenCols(int count);
    int frozenCols() const { return frozenCols_; }
    // Columns squeezed or stretched to the window's width, also on every resize.
    void setAutoFitColWidths(bool on);
    bool autoFitColWidths() const { return autoFit_; }
    void setReadOnly(bool on);
    bool isReadOnly() const { return readOnly_; }

    // Background of a cell (grid column, dataset row), asked while painting.
    void setCellColorProvider(GridModel::ColorProvider provider);
    // Asked before a cell enters edit mode; false refuses silently.
    void setEditPermission(std::function<bool(int column, int row)> permission);

    GridModel* gridModel() const { return model_; }
    GridPane* mainView() const { return main_; }
    GridPane* frozenView() const { return frozen_; }
    QModelIndex currentIndex() const;
    void setCurrentCell(int row, int column);
    // The pane that shows a column (the frozen one for frozen columns).
    GridPane* paneOf(int column) const;

signals:
    // A cell of a row being edited is being left, before the row is posted
    // (row formulas are recomputed here).
    void columnExit();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void attachModel();
    void applyColumns();
    void applyPaneColumns();
    void applyHeaderHeights();
    void fitColumns();
    void updateFrozenWidth();
    int autoWidth(const GridColumn& column, int index) const;
    int frozenEnd() const;  // logical index after the last frozen column
    bool isFrozen(int column) const { return column < frozenEnd(); }
    int columnBeyond(GridPane* pane, int column, int direction) const;
    void onCurrentChanged(const QModelIndex& current, const QModelIndex& previous);
    void onSectionResized(int logical, int oldSize, int newSize);
    void followDataset(int row);
    void restoreCell(const QModelIndex& index);

    QPointer<data::Dataset> dataset_;
    GridModel* model_ = nullptr;
    GridPane* frozen_;
    QWidget* separator_;  // the line between the frozen columns and the rest
    GridPane* main_;
    QVector<GridColumn> columns_;
    std::vector<int> baseWidths_;  // widths before fitting
    int frozenCols_ = 0;
    bool autoFit_ = false;
    bool readOnly_ = false;
    bool syncing_ = false;   // the grid itself moves the cursor or resizes
    GridModel::ColorProvider colorProvider_;
    std::function<bool(int, int)> editPermission_;
};

}  // namespace vexo::grid
