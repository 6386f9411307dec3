#include "grid_pane.h"

#include "grid_delegate.h"
#include "multi_level_header.h"

#include <QHeaderView>

namespace vexo::grid {

GridPane::GridPane(QWidget* parent) : QTableView(parent), header_(new MultiLevelHeaderView(this)) {
    setHorizontalHeader(header_);
    setItemDelegate(new GridDelegate(this));
    setSelectionBehavior(SelectItems);
    setSelectionMode(SingleSelection);
    setEditTriggers(AnyKeyPressed | EditKeyPressed | DoubleClicked | SelectedClicked);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollMode(ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // Rows are many and alike: one height for all, never measured row by row.
    verticalHeader()->setMinimumSectionSize(1);
}

bool GridPane::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    const bool wouldEdit = trigger == AllEditTriggers || (trigger & editTriggers()) || event;
    if (wouldEdit && index.isValid() && (model()->flags(index) & Qt::ItemIsEditable) && editAllowed &&
        !editAllowed(index))
        return false;
    return QTableView::edit(index, trigger, event);
}

QModelIndex GridPane::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = currentIndex();
    QModelIndex next = QTableView::moveCursor(action, modifiers);
    if (!current.isValid() || !columnBeyond) return next;
    int direction = 0;
    if (action == MoveRight || action == MoveNext) direction = 1;
    if (action == MoveLeft || action == MovePrevious) direction = -1;
    const bool stuck = !next.isValid() || next.row() != current.row() ||
                       (direction > 0 ? next.column() <= current.column() : next.column() >= current.column());
    if (direction != 0 && stuck) {
        const int beyond = columnBeyond(current.column(), direction);
        if (beyond >= 0) return model()->index(current.row(), beyond);
    }
    return next;
}

}  // namespace vexo::grid
