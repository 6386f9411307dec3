#include "data_grid.h"

#include "data/dataset.h"
#include "grid_errors.h"
#include "grid_pane.h"
#include "multi_level_header.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace vexo::grid {

namespace {

bool isEditing(const data::Dataset* ds) {
    return ds && (ds->state() == data::DatasetState::Edit || ds->state() == data::DatasetState::Insert);
}

int longestWordWidth(const QString& text, const QFontMetrics& fm) {
    int widest = 0;
    for (const QString& word : text.split(QRegularExpression(QStringLiteral("[\\s|]+")), Qt::SkipEmptyParts))
        widest = std::max(widest, fm.horizontalAdvance(word));
    return widest;
}

}  // namespace

TDBGridEh::TDBGridEh(QWidget* parent)
    : QWidget(parent), frozen_(new GridPane(this)), separator_(new QWidget(this)), main_(new GridPane(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(frozen_);
    layout->addWidget(separator_);
    layout->addWidget(main_, 1);
    frozen_->setObjectName("frozenPane");
    main_->setObjectName("mainPane");
    frozen_->setFrameShape(QFrame::NoFrame);
    main_->setFrameShape(QFrame::NoFrame);
    frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->hide();
    separator_->setFixedWidth(2);
    separator_->setAutoFillBackground(true);
    separator_->setBackgroundRole(QPalette::Dark);
    separator_->hide();

    for (GridPane* pane : {frozen_, main_}) {
        pane->editAllowed = [this](const QModelIndex& index) {
            return !editPermission_ || editPermission_(index.column(), index.row());
        };
        pane->columnBeyond = [this, pane](int column, int direction) { return columnBeyond(pane, column, direction); };
        pane->installEventFilter(this);
        connect(pane->horizontalHeader(), &QHeaderView::sectionResized, this, &TDBGridEh::onSectionResized);
    }
    connect(main_->verticalScrollBar(), &QScrollBar::valueChanged, frozen_->verticalScrollBar(), &QScrollBar::setValue);
    connect(frozen_->verticalScrollBar(), &QScrollBar::valueChanged, main_->verticalScrollBar(), &QScrollBar::setValue);
    // Rows stay level: the frozen pane leaves room for the other's scroll bar.
    connect(main_->horizontalScrollBar(), &QScrollBar::rangeChanged, this, [this](int min, int max) {
        frozen_->setHorizontalScrollBarPolicy(max > min ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    });
    setFocusProxy(main_);
}

TDBGridEh::~TDBGridEh() = default;

void TDBGridEh::setDataSource(data::Dataset* dataset) {
    if (dataset == dataset_ && (model_ || !dataset)) return;
    if (dataset_) disconnect(dataset_, nullptr, this, nullptr);
    dataset_ = dataset;
    attachModel();
}

void TDBGridEh::attachModel() {
    GridModel* old = model_;
    model_ = nullptr;
    if (!dataset_) {
        frozen_->setModel(nullptr);
        main_->setModel(nullptr);
        delete old;
        return;
    }
    model_ = new GridModel(dataset_, this);
    model_->setGridReadOnly(readOnly_);
    model_->setColorProvider(colorProvider_);
    model_->setGridColumns(columns_);
    main_->setModel(model_);
    frozen_->setModel(model_);
    QItemSelectionModel* own = frozen_->selectionModel();
    frozen_->setSelectionModel(main_->selectionModel());
    delete own;
    delete old;
    connect(main_->selectionModel(), &QItemSelectionModel::currentChanged, this, &TDBGridEh::onCurrentChanged);
    connect(dataset_, &data::Dataset::currentChanged, this, &TDBGridEh::followDataset);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        if (dataset_) followDataset(dataset_->recNo());
    });
    applyColumns();
    followDataset(dataset_->recNo());
}

void TDBGridEh::setColumns(const QVector<GridColumn>& columns) {
    columns_ = columns;
    if (model_) model_->setGridColumns(columns_);
    applyColumns();
}

void TDBGridEh::applyColumns() {
    baseWidths_.assign(static_cast<size_t>(columns_.size()), 0);
    for (int i = 0; i < columns_.size(); ++i)
        baseWidths_[static_cast<size_t>(i)] = columns_[i].width >= 0 ? columns_[i].width : autoWidth(columns_[i], i);
    applyPaneColumns();
}

int TDBGridEh::autoWidth(const GridColumn& column, int index) const {
    const QFontMetrics fm = main_->fontMetrics();
    int chars = 20;
    if (model_) {
        const int scale = model_->fieldScale(index);
        const int length = model_->textLength(index);
        if (scale > 0) chars = 12;
        else if (scale == 0) chars = 6;
        else if (length > 0) chars = length;
        else if (column.list.isSet()) chars = 100;
    }
    const int data = fm.averageCharWidth() * chars + 8;
    const QStringList levels = column.title.split('|');
    const int caption = longestWordWidth(levels.value(levels.size() - 1), fm) + 10;
    return std::min(std::max(data, caption), int(GridColumn::kMaxAutoWidth));
}

int TDBGridEh::frozenEnd() const {
    int visible = 0;
    for (const GridColumn& c : columns_) visible += c.visible ? 1 : 0;
    // One visible column at least stays in the scrolling pane.
    int wanted = std::min(frozenCols_, visible - 1);
    if (wanted <= 0) return 0;
    for (int i = 0; i < columns_.size(); ++i)
        if (columns_[i].visible && --wanted == 0) return i + 1;
    return 0;
}

void TDBGridEh::applyPaneColumns() {
    syncing_ = true;
    const int end = frozenEnd();
    for (int i = 0; i < columns_.size(); ++i) {
        const bool visible = columns_[i].visible;
        frozen_->setColumnHidden(i, !visible || i >= end);
        main_->setColumnHidden(i, !visible || i < end);
        frozen_->setColumnWidth(i, baseWidths_[static_cast<size_t>(i)]);
        main_->setColumnWidth(i, baseWidths_[static_cast<size_t>(i)]);
    }
    syncing_ = false;
    frozen_->setVisible(end > 0);
    separator_->setVisible(end > 0);
    updateFrozenWidth();
    main_->setHorizontalScrollBarPolicy(autoFit_ ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    if (autoFit_) fitColumns();
    applyHeaderHeights();
}

void TDBGridEh::applyHeaderHeights() {
    QStringList titles;
    std::vector<int> widths;
    std::vector<bool> hidden;
    for (int i = 0; i < columns_.size(); ++i) {
        titles << columns_[i].title;
        widths.push_back(columnWidth(i));
        hidden.push_back(!columns_[i].visible);
    }
    const QVector<int> heights =
        MultiLevelHeaderView::measureLevelHeights(titles, widths, hidden, main_->multiHeader()->fontMetrics());
    for (GridPane* pane : {frozen_, main_}) {
        pane->multiHeader()->setLevelHeights(heights);
        pane->refreshGeometries();
    }
}

int TDBGridEh::columnWidth(int column) const {
    if (column < 0 || column >= columns_.size() || !columns_[column].visible) return 0;
    return (isFrozen(column) ? frozen_ : main_)->columnWidth(column);
}

void TDBGridEh::updateFrozenWidth() {
    int width = 0;
    for (int i = 0; i < frozenEnd(); ++i)
        if (columns_[i].visible) width += frozen_->columnWidth(i);
    frozen_->setFixedWidth(width);
}

void TDBGridEh::fitColumns() {
    if (!autoFit_) return;
    const int available = main_->viewport()->width();
    const int end = frozenEnd();
    long total = 0;
    for (int i = end; i < columns_.size(); ++i)
        if (columns_[i].visible) total += baseWidths_[static_cast<size_t>(i)];
    if (total <= 0 || available <= 0) return;
    syncing_ = true;
    int used = 0, last = -1;
    for (int i = end; i < columns_.size(); ++i) {
        if (!columns_[i].visible) continue;
        const int w = std::max(8, static_cast<int>(baseWidths_[static_cast<size_t>(i)] * available / total));
        main_->setColumnWidth(i, w);
        used += w;
        last = i;
    }
    if (last >= 0 && used < available) main_->setColumnWidth(last, main_->columnWidth(last) + available - used);
    syncing_ = false;
}

void TDBGridEh::setFrozenCols(int count) {
    frozenCols_ = std::max(count, 0);
    applyPaneColumns();
}

void TDBGridEh::setAutoFitColWidths(bool on) {
    if (autoFit_ == on) return;
    autoFit_ = on;
    if (!on) {
        for (int i = 0; i < columns_.size(); ++i) main_->setColumnWidth(i, baseWidths_[static_cast<size_t>(i)]);
    }
    applyPaneColumns();
}

void TDBGridEh::setReadOnly(bool on) {
    readOnly_ = on;
    if (model_) model_->setGridReadOnly(on);
}

void TDBGridEh::setCellColorProvider(GridModel::ColorProvider provider) {
    colorProvider_ = std::move(provider);
    if (model_) model_->setColorProvider(colorProvider_);
}

void TDBGridEh::setEditPermission(std::function<bool(int, int)> permission) { editPermission_ = std::move(permission); }

QModelIndex TDBGridEh::currentIndex() const { return main_->selectionModel() ? main_->currentIndex() : QModelIndex(); }

GridPane* TDBGridEh::paneOf(int column) const { return isFrozen(column) ? frozen_ : main_; }

void TDBGridEh::setCurrentCell(int row, int column) {
    if (!model_) return;
    const QModelIndex index = model_->index(row, column);
    if (!index.isValid()) return;
    GridPane* pane = paneOf(column);
    pane->setCurrentIndex(index);
    pane->scrollTo(index);
}

int TDBGridEh::columnBeyond(GridPane* pane, int column, int direction) const {
    const int end = frozenEnd();
    if (pane == frozen_ && direction > 0) {
        for (int i = std::max(column + 1, end); i < columns_.size(); ++i)
            if (columns_[i].visible) return i;
    }
    if (pane == main_ && direction < 0) {
        for (int i = std::min(column - 1, end - 1); i >= 0; --i)
            if (columns_[i].visible) return i;
    }
    return -1;
}

void TDBGridEh::onCurrentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (syncing_ || !dataset_ || !dataset_->isOpen()) return;
    if (current.isValid()) {
        GridPane* pane = paneOf(current.column());
        GridPane* other = pane == main_ ? frozen_ : main_;
        if (other->hasFocus()) pane->setFocus();
        pane->scrollTo(current);
    }
    const bool leaving = previous.isValid() && current != previous;
    try {
        if (leaving && isEditing(dataset_)) {
            emit columnExit();
            if (isEditing(dataset_)) dataset_->post();
        }
        if (current.isValid() && current.row() != dataset_->recNo()) dataset_->moveTo(current.row());
    } catch (...) {
        // The row stays in edit and the cursor where it was.
        restoreCell(previous);
        reportError(std::current_exception());
    }
}

void TDBGridEh::restoreCell(const QModelIndex& index) {
    if (!index.isValid() || !main_->selectionModel()) return;
    syncing_ = true;
    main_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    syncing_ = false;
}

void TDBGridEh::followDataset(int row) {
    if (syncing_ || !model_ || row < 0 || !main_->selectionModel()) return;
    const QModelIndex current = currentIndex();
    if (current.isValid() && current.row() == row) return;
    int column = current.isValid() ? current.column() : -1;
    for (int i = 0; column < 0 && i < columns_.size(); ++i)
        if (columns_[i].visible) column = i;
    if (column < 0) return;
    syncing_ = true;
    const QModelIndex index = model_->index(row, column);
    main_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    paneOf(column)->scrollTo(index);
    syncing_ = false;
}

void TDBGridEh::onSectionResized(int logical, int, int newSize) {
    if (syncing_ || logical < 0 || logical >= columns_.size()) return;
    // The user dragged a border: the width is the column's from now on.
    syncing_ = true;
    (sender() == frozen_->horizontalHeader() ? main_ : frozen_)->setColumnWidth(logical, newSize);
    syncing_ = false;
    if (autoFit_) {
        for (int i = 0; i < columns_.size(); ++i) baseWidths_[static_cast<size_t>(i)] = columnWidth(i);
        QTimer::singleShot(0, this, [this] { fitColumns(); applyHeaderHeights(); });
    } else {
        baseWidths_[static_cast<size_t>(logical)] = newSize;
        if (isFrozen(logical)) updateFrozenWidth();
        QTimer::singleShot(0, this, &TDBGridEh::applyHeaderHeights);
    }
}

void TDBGridEh::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (autoFit_) {
        fitColumns();
        applyHeaderHeights();
    }
}

void TDBGridEh::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (autoFit_) {
        fitColumns();
        applyHeaderHeights();
    }
}

bool TDBGridEh::eventFilter(QObject* watched, QEvent* event) {
    // Escape outside a cell editor gives up the changes of the row.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        (watched == main_ || watched == frozen_) && isEditing(dataset_)) {
        dataset_->cancel();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace vexo::grid
