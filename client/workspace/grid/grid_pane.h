#pragma once

#include <QTableView>

#include <functional>

namespace vexo::grid {

class MultiLevelHeaderView;

// One of the grid's two views over the same model and selection: the frozen
// left columns or the scrolling rest. The cursor crosses into the other pane
// at the edge, and a cell the grid refuses never enters edit mode.
class GridPane : public QTableView {
    Q_OBJECT
public:
    explicit GridPane(QWidget* parent = nullptr);

    MultiLevelHeaderView* multiHeader() const { return header_; }

    // False refuses editing the cell, without a word.
    std::function<bool(const QModelIndex&)> editAllowed;
    // The next column shown by the other pane in this direction (+1 right,
    // -1 left), or -1: lets the cursor leave this pane.
    std::function<int(int column, int direction)> columnBeyond;

    void refreshGeometries() { updateGeometries(); }
    using QTableView::edit;

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    MultiLevelHeaderView* header_;
};

}  // namespace vexo::grid
