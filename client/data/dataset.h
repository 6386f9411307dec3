#pragma once

#include "fb/packed_row.h"
#include "fb/statement.h"
#include "hook.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

Q_DECLARE_METATYPE(vexo::fb::Numeric)

namespace vexo::fb {
class Transaction;
}

namespace vexo::data {

enum class DatasetState { Inactive, Browse, Edit, Insert };

// A value that the dataset shows but does not store: the name behind a code,
// read from another dataset's rows (no statement per cell).
struct LookupField {
    QString name;          // e.g. "lpu_"
    QString keyField;      // field of this dataset holding the code
    class Dataset* source = nullptr;
    QString sourceKey;     // field of the source matched against the code
    QString sourceResult;  // field of the source shown
    int maxLength = 0;     // 0: whole text
};

// A query with an editable result, fetched whole on open. Rows are addressed
// for update and delete by the key fields given; only fields of the base table
// are written. Text crosses into QString here and nowhere else.
class Dataset : public QObject {
    Q_OBJECT
public:
    Dataset(QString name, fb::Transaction& transaction, QString table, QStringList keyFields,
            QObject* parent = nullptr);
    ~Dataset() override;

    const QString& name() const { return name_; }
    const QString& tableName() const { return table_; }
    const QStringList& keyFields() const { return keyFields_; }
    void setKeyFields(QStringList fields) { keyFields_ = std::move(fields); }

    void setSelectSql(const QString& sql);
    const QString& selectSql() const { return selectSql_; }
    void setReadOnly(bool on) { readOnly_ = on; }
    bool isReadOnly() const { return readOnly_; }
    void setCommitOnPost(bool on) { commitOnPost_ = on; }

    // Runs the select and fetches every row; the current row is kept when it is still there.
    void open();
    void close();
    void refresh() { open(); }
    bool isOpen() const { return state_ != DatasetState::Inactive; }
    DatasetState state() const { return state_; }

    // Navigation over the rows that pass the filter.
    int recordCount() const { return static_cast<int>(visible_.size()); }
    // Bytes held by the fetched rows.
    size_t memoryBytes() const;
    bool isEmpty() const { return visible_.empty(); }
    int recNo() const { return current_; }  // 0-based; -1 when empty
    void first();
    void last();
    void next();
    void prior();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    void moveTo(int row);
    // Moves to the first row whose fields equal the values (text compared as
    // displayed; case-insensitive when asked). False leaves the position.
    bool locate(const QStringList& fields, const QVariantList& values, bool caseInsensitive = false);
    bool locate(const QString& field, const QVariant& value, bool caseInsensitive = false) {
        return locate(QStringList{field}, QVariantList{value}, caseInsensitive);
    }

    // Fields: result columns of the select, then lookup fields.
    int fieldCount() const;
    int fieldIndex(const QString& name) const;  // case-insensitive; -1 when absent
    QStringList fieldNames() const;
    const fb::Column* column(int field) const;  // null for lookup fields
    bool isWritable(int field) const;

    // The current row (the edit buffer while editing).
    QVariant value(const QString& field) const;
    QString text(const QString& field) const;  // "" for null
    qint64 asInt(const QString& field) const;
    bool isNull(const QString& field) const;
    fb::Value raw(const QString& field) const;
    // Any visible row; lookup fields included.
    QVariant valueAt(int row, int field) const;
    fb::Value rawAt(int row, int field) const;

    void setValue(const QString& field, const QVariant& value);
    void setValueAt(int field, const QVariant& value);
    void setRaw(const QString& field, const fb::Value& value);

    void edit();
    void insert();  // a blank row after the current one
    void append();  // a blank row at the end
    void post();
    void cancel();
    void remove();

    void addLookupField(LookupField field);
    void clearLookupFields();
    // Value of resultField in the first row whose keyField equals key; indexed on first use.
    QVariant lookup(const QString& keyField, const QVariant& key, const QString& resultField) const;

    using RowFilter = std::function<bool(const Dataset&, int row)>;  // row: index among all fetched rows
    void setFilter(RowFilter filter);
    void setFiltered(bool on);
    bool isFiltered() const { return filtered_; }
    // Value of a field in a fetched row (for filters).
    fb::Value rawOfFetched(int fetchedRow, int field) const;

    Hook<Dataset&> afterOpen;
    Hook<Dataset&> afterInsert;
    Hook<Dataset&> beforeEdit;
    Hook<Dataset&> beforePost;
    Hook<Dataset&> afterPost;
    Hook<Dataset&> beforeDelete;
    Hook<Dataset&> afterDelete;
    Hook<Dataset&> afterScroll;

    // Conversions between QVariant and a field's stored form.
    fb::Value toStored(int field, const QVariant& value) const;
    static QVariant toVariant(const fb::Value& value);

signals:
    void modelReset();           // reopened, closed, filtered
    void rowChanged(int row);    // values of a visible row changed
    void rowInserted(int row);   // a visible row appeared
    void rowRemoved(int row);    // a visible row went away
    void currentChanged(int row);

private:
    struct EditBuffer;
    void requireOpen() const;
    void rebuildVisible();
    void setCurrent(int row, bool notify = true);
    int fetchedIndexOf(int visibleRow) const;
    void startInsert(int at);
    // Forgets a row that left the table; the current row stays at the same place.
    void dropRow(int visibleRow, int fetchedRow);
    void executeInsert();
    void executeUpdate();
    void commitIfWanted();
    std::string quotedTable() const;
    std::vector<std::pair<int, fb::Value>> keyValues(const fb::PackedRow& row) const;
    // "KEY1 = ? and KEY2 is null ..." addressing a fetched row; its values go to params.
    std::string keyCondition(const fb::PackedRow& row, std::vector<fb::Value>& params) const;

    QString name_;
    fb::Transaction& transaction_;
    QString table_;
    QStringList keyFields_;
    QString selectSql_;
    bool readOnly_ = false;
    bool commitOnPost_ = false;

    DatasetState state_ = DatasetState::Inactive;
    std::vector<fb::Column> columns_;
    std::vector<fb::PackedRow> rows_;
    std::vector<int> visible_;
    int current_ = -1;
    bool eof_ = true;
    bool bof_ = true;
    std::unique_ptr<EditBuffer> edit_;

    std::vector<LookupField> lookups_;
    mutable QHash<QString, QHash<QString, int>> lookupIndex_;  // key field → (code → fetched row)
    RowFilter filter_;
    bool filtered_ = false;
};

}  // namespace vexo::data
