#include "grid_model.h"

#include "data/dataset.h"
#include "grid_errors.h"
#include "number_format.h"

#include <ibase.h>

namespace vexo::grid {

namespace {

bool isExactNumber(const fb::Column* c) {
    return c && (c->sqlType == SQL_SHORT || c->sqlType == SQL_LONG || c->sqlType == SQL_INT64);
}

bool isText(const fb::Column* c) { return c && (c->sqlType == SQL_TEXT || c->sqlType == SQL_VARYING); }

}  // namespace

GridModel::GridModel(data::Dataset* dataset, QObject* parent) : data::DatasetModel(dataset, parent) {}

void GridModel::setGridColumns(const QVector<GridColumn>& columns) {
    columns_ = columns;
    QStringList fields, titles;
    for (const GridColumn& c : columns_) {
        fields << c.field;
        titles << c.title;
    }
    setColumns(fields, titles);
}

void GridModel::setGridReadOnly(bool on) {
    if (readOnly_ == on) return;
    readOnly_ = on;
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void GridModel::setColorProvider(ColorProvider provider) {
    colorProvider_ = std::move(provider);
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::BackgroundRole});
}

int GridModel::fieldScale(int column) const {
    const fb::Column* c = dataset() ? dataset()->column(fieldOfColumn(column)) : nullptr;
    return isExactNumber(c) ? -c->scale : -1;
}

int GridModel::textLength(int column) const {
    const fb::Column* c = dataset() ? dataset()->column(fieldOfColumn(column)) : nullptr;
    return isText(c) ? c->length : 0;
}

bool GridModel::isNumberColumn(int column) const {
    return column >= 0 && column < columns_.size() && (columns_[column].decimals >= 0 || fieldScale(column) >= 0);
}

bool GridModel::keyWritable(int column) const {
    const ListSource& list = columns_.at(column).list;
    if (!list.isSet() || !dataset()) return false;
    return dataset()->isWritable(dataset()->fieldIndex(list.keyField));
}

QList<GridModel::Choice> GridModel::choices(int column) const {
    QList<Choice> out;
    if (column < 0 || column >= columns_.size()) return out;
    const ListSource& list = columns_[column].list;
    if (!list.isSet() || !list.source->isOpen()) return out;
    const int shown = list.source->fieldIndex(list.sourceResult);
    const int key = list.source->fieldIndex(list.sourceKey);
    if (shown < 0 || key < 0) return out;
    out.reserve(list.source->recordCount());
    for (int row = 0; row < list.source->recordCount(); ++row)
        out << Choice{list.source->valueAt(row, shown).toString().trimmed(), list.source->valueAt(row, key)};
    return out;
}

bool GridModel::step(const QModelIndex& index, int delta) {
    if (!index.isValid() || !(flags(index) & Qt::ItemIsEditable)) return false;
    const int column = index.column();
    if (columns_.at(column).list.isSet()) {
        const QList<Choice> all = choices(column);
        if (all.isEmpty()) return false;
        const QString current = data(index, Qt::EditRole).toString().trimmed();
        int at = -1;
        for (int i = 0; i < all.size() && at < 0; ++i)
            if (all[i].second.toString().trimmed() == current) at = i;
        // Up goes on to the next entry, as a spin box counts up.
        const int next = at < 0 ? 0 : std::clamp(at + delta, 0, static_cast<int>(all.size()) - 1);
        if (next == at) return false;
        return setData(index, all[next].second, Qt::EditRole);
    }
    const int scale = fieldScale(column);
    if (scale < 0) return false;
    const QVariant v = dataset()->valueAt(index.row(), fieldOfColumn(column));
    fb::Numeric n{0, scale};
    if (v.userType() == qMetaTypeId<fb::Numeric>()) n = v.value<fb::Numeric>();
    else if (!v.isNull()) n = fb::Numeric{v.toLongLong(), 0};
    fb::Numeric one{1, 0}, oneScaled;
    if (!one.rescaled(n.scale, oneScaled)) return false;
    n.units += delta * oneScaled.units;
    return setData(index, QVariant::fromValue(n), Qt::EditRole);
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.column() >= columns_.size()) return data::DatasetModel::data(index, role);
    const GridColumn& column = columns_[index.column()];
    switch (role) {
        case Qt::DisplayRole:
            if (column.decimals >= 0 && dataset())
                return formatNumber(dataset()->valueAt(index.row(), fieldOfColumn(index.column())), column.decimals);
            return data::DatasetModel::data(index, role);
        case Qt::EditRole:
            if (column.list.isSet() && dataset()) {
                const int key = dataset()->fieldIndex(column.list.keyField);
                return key < 0 ? QVariant() : dataset()->valueAt(index.row(), key);
            }
            return data::DatasetModel::data(index, role);
        case Qt::BackgroundRole: {
            if (colorProvider_) {
                const QColor c = colorProvider_(index.column(), index.row());
                if (c.isValid()) return c;
            }
            return column.color.isValid() ? QVariant(column.color) : QVariant();
        }
        case Qt::TextAlignmentRole:
            if (isNumberColumn(index.column())) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
            return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            // Painting asks for many roles a cell; only the above read the row.
            return {};
    }
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !dataset() || index.column() >= columns_.size()) return false;
    const GridColumn& column = columns_[index.column()];
    // Called from inside the view's editor handling: failures are reported here.
    try {
        if (column.list.isSet()) {
            if (!keyWritable(index.column())) return false;
            dataset()->moveTo(index.row());
            dataset()->setValue(column.list.keyField, value);
            return true;
        }
        return data::DatasetModel::setData(index, value, role);
    } catch (const data::SilentAbort&) {
        return false;
    } catch (...) {
        reportError(std::current_exception());
        return false;
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = data::DatasetModel::flags(index);
    if (!index.isValid() || index.column() >= columns_.size()) return f;
    const GridColumn& column = columns_[index.column()];
    if (readOnly_ || column.readOnly) return f & ~Qt::ItemIsEditable;
    if (column.list.isSet() && keyWritable(index.column())) f |= Qt::ItemIsEditable;
    return f;
}

}  // namespace vexo::grid
