#include "grid_delegate.h"

#include "grid_model.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTimer>
#include <QToolTip>

namespace vexo::grid {

namespace {

const GridColumn* columnOf(const QModelIndex& index) {
    auto* model = qobject_cast<const GridModel*>(index.model());
    if (!model || index.column() >= model->gridColumns().size()) return nullptr;
    return &model->gridColumn(index.column());
}

// Buttons only where they can change something.
bool showsButton(const QModelIndex& index) {
    const GridColumn* c = columnOf(index);
    return c && (c->alwaysShowButton || c->upDown) && (c->list.isSet() || c->upDown) &&
           (index.flags() & Qt::ItemIsEditable);
}

}  // namespace

const GridModel* GridDelegate::gridModel(const QModelIndex& index) { return qobject_cast<const GridModel*>(index.model()); }

QRect GridDelegate::buttonRect(const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (!showsButton(index) || option.rect.width() < 2 * kButtonWidth) return {};
    return QRect(option.rect.right() - kButtonWidth + 1, option.rect.top(), kButtonWidth, option.rect.height());
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const GridModel* model = gridModel(index);
    const GridColumn* column = columnOf(index);
    if (!model || !column) return QStyledItemDelegate::createEditor(parent, option, index);

    if (column->list.isSet()) {
        auto* combo = new QComboBox(parent);
        combo->setMaxVisibleItems(kListRows);
        for (const GridModel::Choice& c : model->choices(index.column())) combo->addItem(c.first, c.second);
        // As wide as the column at least; wider names widen the list.
        combo->view()->setMinimumWidth(std::max(option.rect.width(), combo->view()->sizeHintForColumn(0) + 24));
        if (popupOnOpen_) {
            popupOnOpen_ = false;
            QTimer::singleShot(0, combo, &QComboBox::showPopup);
        }
        return combo;
    }
    const int scale = model->fieldScale(index.column());
    if (column->upDown && scale == 0) {
        auto* spin = new QSpinBox(parent);
        spin->setRange(-999999999, 999999999);
        spin->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
        spin->setFrame(false);
        return spin;
    }
    if (scale >= 0) {
        auto* edit = new QLineEdit(parent);
        edit->setFrame(false);
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Only what the field can hold: the sign, 16 digits, `scale` decimals.
        const QString pattern = scale > 0 ? QStringLiteral("-?\\d{0,16}([.,]\\d{0,%1})?").arg(scale)
                                          : QStringLiteral("-?\\d{0,18}");
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
        return edit;
    }
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setFrame(false);
        if (const int length = model->textLength(index.column()); length > 0) edit->setMaxLength(length);
    }
    return editor;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QVariant value = index.data(Qt::EditRole);
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const QString key = value.toString().trimmed();
        for (int i = 0; i < combo->count(); ++i)
            if (combo->itemData(i).toString().trimmed() == key) {
                combo->setCurrentIndex(i);
                return;
            }
        combo->setCurrentIndex(-1);
        return;
    }
    if (auto* spin = qobject_cast<QSpinBox*>(editor)) {
        spin->setValue(value.toString().toInt());
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(editor); edit && gridModel(index) &&
                                                        gridModel(index)->fieldScale(index.column()) > 0) {
        // The exact value without trailing decimal zeros: 12.50 is typed over as 12.5.
        QString text = value.toString();
        if (text.contains('.')) {
            while (text.endsWith('0')) text.chop(1);
            if (text.endsWith('.')) text.chop(1);
        }
        edit->setText(text);
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (combo->currentIndex() >= 0 && combo->currentData() != index.data(Qt::EditRole))
            model->setData(index, combo->currentData(), Qt::EditRole);
        return;
    }
    if (auto* spin = qobject_cast<QSpinBox*>(editor)) {
        if (spin->text().trimmed().isEmpty()) return;
        if (index.data(Qt::EditRole).toString().toInt() != spin->value() || index.data(Qt::EditRole).isNull())
            model->setData(index, spin->value(), Qt::EditRole);
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        // An editor left as it was changes nothing (and starts no edit of the row).
        if (!edit->isModified()) return;
        model->setData(index, edit->text(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QRect button = buttonRect(option, index);
    if (!button.isNull()) {
        // The background runs under the button too.
        QStyleOptionViewItem background = cell;
        background.text.clear();
        style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);
        cell.rect.setRight(button.left() - 1);
    }
    // A number too wide for its column shows as #### (its full text as the
    // tooltip), never as a misleading part of its digits.
    if ((cell.displayAlignment & Qt::AlignRight) && !cell.text.isEmpty()) {
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &cell, widget) + 1;
        const int room = cell.rect.width() - 2 * margin;
        if (cell.fontMetrics.horizontalAdvance(cell.text) > room)
            cell.text = QString(std::max(1, room / std::max(1, cell.fontMetrics.horizontalAdvance('#'))), '#');
    }
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
    if (button.isNull()) return;

    QStyleOptionButton face;
    face.rect = button.adjusted(1, 1, -1, -1);
    face.state = QStyle::State_Enabled | QStyle::State_Raised;
    style->drawControl(QStyle::CE_PushButtonBevel, &face, painter, widget);
    QStyleOption arrow;
    arrow.state = QStyle::State_Enabled;
    arrow.palette = option.palette;
    const GridColumn* column = columnOf(index);
    if (column && column->upDown) {
        const int half = face.rect.height() / 2;
        arrow.rect = QRect(face.rect.left(), face.rect.top(), face.rect.width(), half);
        style->drawPrimitive(QStyle::PE_IndicatorArrowUp, &arrow, painter, widget);
        arrow.rect = QRect(face.rect.left(), face.rect.top() + half, face.rect.width(), face.rect.height() - half);
        style->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, painter, widget);
    } else {
        arrow.rect = face.rect;
        style->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, painter, widget);
    }
}

bool GridDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                               const QModelIndex& index) {
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QRect button = buttonRect(option, index);
        if (mouse->button() == Qt::LeftButton && button.contains(mouse->position().toPoint()) &&
            (model->flags(index) & Qt::ItemIsEditable)) {
            const GridColumn* column = columnOf(index);
            auto* grid = qobject_cast<GridModel*>(model);
            if (column && column->upDown && grid) {
                const bool up = mouse->position().y() < button.center().y();
                grid->step(index, up ? 1 : -1);
                return true;
            }
            if (auto* view = qobject_cast<QAbstractItemView*>(const_cast<QWidget*>(option.widget))) {
                popupOnOpen_ = true;
                view->setCurrentIndex(index);
                view->edit(index);
                popupOnOpen_ = false;
                return true;
            }
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

bool GridDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                             const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip) return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString text = index.data(Qt::DisplayRole).toString();
    QRect room = option.rect.adjusted(3, 0, -3, 0);
    if (const QRect button = buttonRect(option, index); !button.isNull()) room.setRight(button.left() - 1);
    if (!text.isEmpty() && option.fontMetrics.horizontalAdvance(text) > room.width()) {
        QToolTip::showText(event->globalPos(), text, view, option.rect);
    } else {
        QToolTip::hideText();
    }
    return true;
}

}  // namespace vexo::grid
