#pragma once

#include <QStyledItemDelegate>

namespace vexo::grid {

class GridModel;

// Draws and edits the grid's cells: numbers typed only as numbers, lists as
// drop-downs of names, up/down buttons that step a value, and the full text
// of a cell that does not fit as its tooltip.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kButtonWidth = 14;
    static constexpr int kListRows = 20;

    explicit GridDelegate(QObject* parent = nullptr) : QStyledItemDelegate(parent) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // The button area of a cell that shows one; empty otherwise.
    static QRect buttonRect(const QStyleOptionViewItem& option, const QModelIndex& index);

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    static const GridModel* gridModel(const QModelIndex& index);
    mutable bool popupOnOpen_ = false;
};

}  // namespace vexo::grid
