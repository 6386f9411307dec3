#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>

#include <functional>

namespace vexo::data {

class Dataset;

// Binds a dataset to Qt views: one view row per visible dataset row, the
// columns the view asks for. Editing goes through the dataset, which posts.
class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DatasetModel(Dataset* dataset, QObject* parent = nullptr);

    void setColumns(const QStringList& fields, const QStringList& titles = {});
    const QStringList& columns() const { return fields_; }
    Dataset* dataset() const { return dataset_; }
    int fieldOfColumn(int column) const;

    // Text shown for a value; the default prints numbers exactly and dates as dd.MM.yyyy.
    using Formatter = std::function<QString(int column, const QVariant& value)>;
    void setFormatter(Formatter f) { formatter_ = std::move(f); }
    void setReadOnlyColumns(QList<int> columns) { readOnly_ = std::move(columns); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    static QString defaultText(const QVariant& value);

private:
    void remap();

    QPointer<Dataset> dataset_;
    QStringList fields_;
    QStringList titles_;
    QList<int> fieldIndex_;
    QList<int> readOnly_;
    Formatter formatter_;
};

}  // namespace vexo::data
