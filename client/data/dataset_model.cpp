#include "dataset_model.h"

#include "dataset.h"

#include <QDate>

namespace vexo::data {

DatasetModel::DatasetModel(Dataset* dataset, QObject* parent) : QAbstractTableModel(parent), dataset_(dataset) {
    connect(dataset, &Dataset::modelReset, this, [this] {
        beginResetModel();
        remap();
        endResetModel();
    });
    connect(dataset, &Dataset::rowChanged, this, [this](int row) {
        if (row >= 0) emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
    connect(dataset, &Dataset::rowInserted, this, [this](int row) {
        beginInsertRows({}, row, row);
        endInsertRows();
    });
    connect(dataset, &Dataset::rowRemoved, this, [this](int row) {
        beginRemoveRows({}, row, row);
        endRemoveRows();
    });
}

void DatasetModel::setColumns(const QStringList& fields, const QStringList& titles) {
    beginResetModel();
    fields_ = fields;
    titles_ = titles;
    remap();
    endResetModel();
}

void DatasetModel::remap() {
    fieldIndex_.clear();
    for (const QString& f : fields_) fieldIndex_ << (dataset_ ? dataset_->fieldIndex(f) : -1);
}

int DatasetModel::fieldOfColumn(int column) const { return fieldIndex_.value(column, -1); }

int DatasetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !dataset_ || !dataset_->isOpen() ? 0 : dataset_->recordCount();
}

int DatasetModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : fields_.size(); }

QString DatasetModel::defaultText(const QVariant& value) {
    if (!value.isValid() || value.isNull()) return {};
    if (value.userType() == qMetaTypeId<fb::Numeric>()) return QString::fromStdString(value.value<fb::Numeric>().toString());
    if (value.typeId() == QMetaType::QDate) return value.toDate().toString("dd.MM.yyyy");
    return value.toString();
}

QVariant DatasetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !dataset_) return {};
    const int field = fieldOfColumn(index.column());
    if (field < 0) return {};
    const QVariant v = dataset_->valueAt(index.row(), field);
    switch (role) {
        case Qt::DisplayRole: return formatter_ ? formatter_(index.column(), v) : defaultText(v);
        case Qt::EditRole: return v.userType() == qMetaTypeId<fb::Numeric>() ? QVariant(defaultText(v)) : v;
        default: return {};
    }
}

bool DatasetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !dataset_) return false;
    const int field = fieldOfColumn(index.column());
    if (field < 0 || !dataset_->isWritable(field)) return false;
    dataset_->moveTo(index.row());
    dataset_->setValueAt(field, value);
    return true;
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return section < titles_.size() ? titles_[section] : fields_.value(section);
}

Qt::ItemFlags DatasetModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    const int field = fieldOfColumn(index.column());
    if (dataset_ && field >= 0 && dataset_->isWritable(field) && !readOnly_.contains(index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

}  // namespace vexo::data
