#include "dataset.h"

#include "fb/error.h"
#include "fb/transaction.h"
#include "text_codec.h"
#include "ui/app_error.h"

#include <ibase.h>

#include <QDate>
#include <QDateTime>

#include <cmath>
#include <stdexcept>

namespace vexo::data {

struct Dataset::EditBuffer {
    std::vector<fb::Value> values;
    std::vector<bool> changed;
    int fetchedRow = -1;
    bool inserting = false;
};

namespace {

bool isTextType(short t) { return t == SQL_TEXT || t == SQL_VARYING || t == SQL_BLOB; }
bool isIntegerType(short t) { return t == SQL_SHORT || t == SQL_LONG || t == SQL_INT64; }

QString quotedName(const QString& name) { return '"' + name.toUpper() + '"'; }

QString trimmedRight(QString s) {
    while (!s.isEmpty() && s.back() == ' ') s.chop(1);
    return s;
}

// The text by which rows are matched in lookups and locates.
QString matchText(const fb::Value& v) {
    if (v.isNull()) return {};
    if (v.is<std::string>()) return trimmedRight(fromCp1251(v.get<std::string>()));
    return QString::fromStdString(v.toText());
}

AppError notANumber(const QString& text) {
    return AppError(QStringLiteral("«%1» не является допустимым числом.").arg(text));
}

}  // namespace

Dataset::Dataset(QString name, fb::Transaction& transaction, QString table, QStringList keyFields, QObject* parent)
    : QObject(parent),
      name_(std::move(name)),
      transaction_(transaction),
      table_(std::move(table)),
      keyFields_(std::move(keyFields)) {}

Dataset::~Dataset() = default;

void Dataset::setSelectSql(const QString& sql) {
    if (isOpen()) close();
    selectSql_ = sql;
}

void Dataset::requireOpen() const {
    if (!isOpen()) throw std::logic_error("dataset " + name_.toStdString() + " is not open");
}

void Dataset::open() {
    if (state_ == DatasetState::Edit || state_ == DatasetState::Insert) post();
    // Remember where we were, to come back after the fetch.
    std::vector<std::pair<int, fb::Value>> oldKey;
    const int oldIndex = current_;
    if (isOpen() && current_ >= 0 && !keyFields_.isEmpty()) oldKey = keyValues(rows_[static_cast<size_t>(fetchedIndexOf(current_))]);

    fb::Statement st(transaction_, toCp1251(selectSql_));
    st.execute();
    std::vector<fb::PackedRow> rows;
    while (st.fetch()) rows.push_back(fb::packCurrentRow(st));
    const bool sameShape = columns_.size() == st.columns().size();
    columns_ = st.columns();
    if (!sameShape) oldKey.clear();
    rows_ = std::move(rows);
    edit_.reset();
    state_ = DatasetState::Browse;
    lookupIndex_.clear();
    rebuildVisible();

    int target = visible_.empty() ? -1 : 0;
    if (!oldKey.empty()) {
        for (int v = 0; v < recordCount(); ++v) {
            if (keyValues(rows_[static_cast<size_t>(visible_[static_cast<size_t>(v)])]) == oldKey) {
                target = v;
                break;
            }
        }
    } else if (oldIndex >= 0 && !visible_.empty()) {
        target = std::min(oldIndex, recordCount() - 1);
    }
    current_ = target;
    bof_ = true;
    eof_ = visible_.empty();
    emit modelReset();
    emit currentChanged(current_);
    afterOpen(*this);
}

size_t Dataset::memoryBytes() const {
    size_t total = rows_.capacity() * sizeof(fb::PackedRow) + visible_.capacity() * sizeof(int);
    for (const fb::PackedRow& r : rows_) total += r.byteSize();
    return total;
}

void Dataset::close() {
    if (!isOpen()) return;
    rows_.clear();
    visible_.clear();
    edit_.reset();
    current_ = -1;
    state_ = DatasetState::Inactive;
    lookupIndex_.clear();
    emit modelReset();
}

void Dataset::rebuildVisible() {
    visible_.clear();
    visible_.reserve(rows_.size());
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i)
        if (!filtered_ || !filter_ || filter_(*this, i)) visible_.push_back(i);
}

int Dataset::fetchedIndexOf(int visibleRow) const { return visible_.at(static_cast<size_t>(visibleRow)); }

void Dataset::setFilter(RowFilter filter) {
    filter_ = std::move(filter);
    if (filtered_ && isOpen()) setFiltered(true);
}

void Dataset::setFiltered(bool on) {
    filtered_ = on;
    if (!isOpen()) return;
    if (state_ == DatasetState::Edit || state_ == DatasetState::Insert) post();
    rebuildVisible();
    lookupIndex_.clear();
    current_ = visible_.empty() ? -1 : 0;
    bof_ = true;
    eof_ = visible_.empty();
    emit modelReset();
    emit currentChanged(current_);
}

void Dataset::setCurrent(int row, bool notify) {
    if (row == current_) return;
    if (state_ == DatasetState::Edit || state_ == DatasetState::Insert) post();
    current_ = row;
    if (notify) {
        emit currentChanged(current_);
        afterScroll(*this);
    }
}

void Dataset::first() {
    requireOpen();
    setCurrent(visible_.empty() ? -1 : 0);
    bof_ = true;
    eof_ = visible_.empty();
}

void Dataset::last() {
    requireOpen();
    setCurrent(recordCount() - 1);
    eof_ = true;
    bof_ = visible_.empty();
}

void Dataset::next() {
    requireOpen();
    if (current_ + 1 < recordCount()) {
        setCurrent(current_ + 1);
        bof_ = false;
        eof_ = false;
    } else {
        if (state_ == DatasetState::Edit || state_ == DatasetState::Insert) post();
        eof_ = true;
    }
}

void Dataset::prior() {
    requireOpen();
    if (current_ > 0) {
        setCurrent(current_ - 1);
        bof_ = false;
        eof_ = false;
    } else {
        bof_ = true;
    }
}

void Dataset::moveTo(int row) {
    requireOpen();
    if (row < 0 || row >= recordCount()) return;
    setCurrent(row);
    bof_ = eof_ = false;
}

bool Dataset::locate(const QStringList& fields, const QVariantList& values, bool caseInsensitive) {
    requireOpen();
    if (state_ == DatasetState::Edit || state_ == DatasetState::Insert) post();
    std::vector<int> idx;
    for (const QString& f : fields) {
        const int i = fieldIndex(f);
        if (i < 0) throw std::out_of_range("no field " + f.toStdString() + " in " + name_.toStdString());
        idx.push_back(i);
    }
    QStringList wanted;
    for (int k = 0; k < fields.size(); ++k) {
        const QVariant& v = k < values.size() ? values[k] : QVariant();
        wanted << (column(idx[static_cast<size_t>(k)]) ? matchText(toStored(idx[static_cast<size_t>(k)], v))
                                                        : trimmedRight(v.toString()));
    }
    const Qt::CaseSensitivity cs = caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
    for (int row = 0; row < recordCount(); ++row) {
        bool all = true;
        for (size_t k = 0; k < idx.size() && all; ++k) {
            const QString have = matchText(rawAt(row, idx[k]));
            all = have.compare(wanted[static_cast<qsizetype>(k)], cs) == 0;
        }
        if (all) {
            setCurrent(row);
            bof_ = eof_ = false;
            return true;
        }
    }
    return false;
}

int Dataset::fieldCount() const { return static_cast<int>(columns_.size() + lookups_.size()); }

int Dataset::fieldIndex(const QString& name) const {
    const std::string wanted = name.toUpper().toStdString();
    for (size_t i = 0; i < columns_.size(); ++i)
        if (QString::fromStdString(columns_[i].alias).toUpper().toStdString() == wanted) return static_cast<int>(i);
    for (size_t i = 0; i < lookups_.size(); ++i)
        if (lookups_[i].name.compare(name, Qt::CaseInsensitive) == 0) return static_cast<int>(columns_.size() + i);
    return -1;
}

QStringList Dataset::fieldNames() const {
    QStringList out;
    for (const fb::Column& c : columns_) out << QString::fromStdString(c.alias);
    for (const LookupField& l : lookups_) out << l.name;
    return out;
}

const fb::Column* Dataset::column(int field) const {
    return field >= 0 && field < static_cast<int>(columns_.size()) ? &columns_[static_cast<size_t>(field)] : nullptr;
}

bool Dataset::isWritable(int field) const {
    const fb::Column* c = column(field);
    return c && !readOnly_ && !c->name.empty() &&
           QString::fromStdString(c->relation).compare(table_, Qt::CaseInsensitive) == 0;
}

fb::Value Dataset::rawAt(int row, int field) const {
    if (row < 0 || row >= recordCount()) return fb::Null{};
    if (field >= static_cast<int>(columns_.size())) {
        const LookupField& l = lookups_.at(static_cast<size_t>(field) - columns_.size());
        const QVariant key = toVariant(rawAt(row, fieldIndex(l.keyField)));
        if (!l.source || key.isNull()) return fb::Null{};
        QString shown = l.source->lookup(l.sourceKey, key, l.sourceResult).toString();
        if (l.maxLength > 0) shown = shown.left(l.maxLength);
        return shown.isNull() ? fb::Value(fb::Null{}) : fb::Value(toCp1251(shown));
    }
    if (edit_ && row == current_) return edit_->values.at(static_cast<size_t>(field));
    return rows_[static_cast<size_t>(fetchedIndexOf(row))].get(field);
}

fb::Value Dataset::rawOfFetched(int fetchedRow, int field) const {
    return rows_.at(static_cast<size_t>(fetchedRow)).get(field);
}

QVariant Dataset::valueAt(int row, int field) const { return toVariant(rawAt(row, field)); }

fb::Value Dataset::raw(const QString& field) const {
    const int i = fieldIndex(field);
    if (i < 0) throw std::out_of_range("no field " + field.toStdString() + " in " + name_.toStdString());
    return rawAt(current_, i);
}

QVariant Dataset::value(const QString& field) const { return toVariant(raw(field)); }

QString Dataset::text(const QString& field) const {
    const fb::Value v = raw(field);
    if (v.isNull()) return {};
    if (v.is<std::string>()) return fromCp1251(v.get<std::string>());
    return QString::fromStdString(v.toText());
}

qint64 Dataset::asInt(const QString& field) const { return raw(field).toInt64(); }

bool Dataset::isNull(const QString& field) const { return raw(field).isNull(); }

QVariant Dataset::toVariant(const fb::Value& value) {
    const auto& s = value.storage();
    if (std::holds_alternative<fb::Null>(s)) return {};
    if (auto p = std::get_if<std::int64_t>(&s)) return QVariant::fromValue<qlonglong>(*p);
    if (auto p = std::get_if<fb::Numeric>(&s)) return QVariant::fromValue(*p);
    if (auto p = std::get_if<double>(&s)) return *p;
    if (auto p = std::get_if<std::string>(&s)) return fromCp1251(*p);
    if (auto p = std::get_if<fb::Date>(&s)) return QDate(p->year, p->month, p->day);
    if (auto p = std::get_if<fb::Timestamp>(&s))
        return QDateTime(QDate(p->date.year, p->date.month, p->date.day),
                         QTime(p->hour, p->minute, p->second, p->fraction / 10));
    if (auto p = std::get_if<bool>(&s)) return *p;
    return {};
}

fb::Value Dataset::toStored(int field, const QVariant& v) const {
    const fb::Column* c = column(field);
    if (!c || !v.isValid() || v.isNull()) return fb::Null{};
    const short t = c->sqlType;
    if (isTextType(t)) {
        if (v.canConvert<fb::Numeric>() && v.userType() == qMetaTypeId<fb::Numeric>())
            return v.value<fb::Numeric>().toString();
        return toCp1251(v.toString());
    }
    if (isIntegerType(t)) {
        const int scale = -c->scale;
        if (v.userType() == qMetaTypeId<fb::Numeric>()) {
            fb::Numeric n;
            if (!v.value<fb::Numeric>().rescaled(scale, n)) throw notANumber(QString::fromStdString(v.value<fb::Numeric>().toString()));
            return scale > 0 ? fb::Value(n) : fb::Value(n.units);
        }
        if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float) {
            const double d = v.toDouble() * std::pow(10.0, scale);
            if (!std::isfinite(d) || std::fabs(d) > 9.2e18) throw notANumber(v.toString());
            const auto units = static_cast<std::int64_t>(std::llround(d));
            return scale > 0 ? fb::Value(fb::Numeric{units, scale}) : fb::Value(units);
        }
        const QString s = v.toString().trimmed();
        if (s.isEmpty()) return fb::Null{};
        fb::Numeric n;
        if (!fb::Numeric::parse(s.toStdString(), scale, n)) throw notANumber(s);
        return scale > 0 ? fb::Value(n) : fb::Value(n.units);
    }
    if (t == SQL_DOUBLE || t == SQL_FLOAT || t == SQL_D_FLOAT) {
        if (v.typeId() == QMetaType::QString) {
            QString s = v.toString().trimmed();
            if (s.isEmpty()) return fb::Null{};
            s.replace(',', '.');
            bool ok = false;
            const double d = s.toDouble(&ok);
            if (!ok) throw notANumber(s);
            return d;
        }
        if (v.userType() == qMetaTypeId<fb::Numeric>()) return v.value<fb::Numeric>().toDouble();
        return v.toDouble();
    }
    if (t == SQL_TYPE_DATE || t == SQL_TIMESTAMP) {
        QDateTime dt;
        if (v.typeId() == QMetaType::QDate) dt = QDateTime(v.toDate(), QTime(0, 0));
        else if (v.typeId() == QMetaType::QDateTime) dt = v.toDateTime();
        else {
            const QString s = v.toString().trimmed();
            if (s.isEmpty()) return fb::Null{};
            QDate d = QDate::fromString(s, "dd.MM.yyyy");
            if (!d.isValid()) d = QDate::fromString(s, Qt::ISODate);
            if (!d.isValid())
                throw AppError(QStringLiteral("«%1» не является допустимой датой.").arg(s));
            dt = QDateTime(d, QTime(0, 0));
        }
        const QDate d = dt.date();
        if (t == SQL_TYPE_DATE) return fb::Date{d.year(), d.month(), d.day()};
        const QTime tm = dt.time();
        return fb::Timestamp{fb::Date{d.year(), d.month(), d.day()}, tm.hour(), tm.minute(), tm.second(),
                             tm.msec() * 10};
    }
    if (t == SQL_BOOLEAN) return v.toBool();
    return toCp1251(v.toString());
}

void Dataset::setValue(const QString& field, const QVariant& value) {
    const int i = fieldIndex(field);
    if (i < 0) throw std::out_of_range("no field " + field.toStdString() + " in " + name_.toStdString());
    setValueAt(i, value);
}

void Dataset::setValueAt(int field, const QVariant& value) {
    if (!column(field)) throw std::logic_error("a looked-up field cannot be set");
    setRaw(fieldNames().at(field), toStored(field, value));
}

void Dataset::setRaw(const QString& fieldName, const fb::Value& value) {
    const int field = fieldIndex(fieldName);
    if (field < 0 || !column(field)) throw std::out_of_range("no field " + fieldName.toStdString());
    if (state_ == DatasetState::Browse) edit();
    if (!edit_) throw std::logic_error("dataset " + name_.toStdString() + " is not being edited");
    edit_->values[static_cast<size_t>(field)] = value;
    edit_->changed[static_cast<size_t>(field)] = true;
    lookupIndex_.clear();
    emit rowChanged(current_);
}

void Dataset::edit() {
    requireOpen();
    if (state_ == DatasetState::Edit || state_ == DatasetState::Insert) return;
    if (readOnly_) throw AppError(QStringLiteral("Набор данных %1 доступен только для чтения.").arg(name_));
    if (current_ < 0) {
        append();
        return;
    }
    beforeEdit(*this);
    auto buffer = std::make_unique<EditBuffer>();
    buffer->fetchedRow = fetchedIndexOf(current_);
    buffer->values = rows_[static_cast<size_t>(buffer->fetchedRow)].unpack();
    buffer->values.resize(columns_.size());
    buffer->changed.assign(columns_.size(), false);
    edit_ = std::move(buffer);
    state_ = DatasetState::Edit;
}

void Dataset::startInsert(int at) {
    requireOpen();
    if (readOnly_) throw AppError(QStringLiteral("Набор данных %1 доступен только для чтения.").arg(name_));
    if (state_ == DatasetState::Edit || state_ == DatasetState::Insert) post();
    rows_.emplace_back();
    const int fetched = static_cast<int>(rows_.size()) - 1;
    at = std::clamp(at, 0, recordCount());
    visible_.insert(visible_.begin() + at, fetched);
    auto buffer = std::make_unique<EditBuffer>();
    buffer->fetchedRow = fetched;
    buffer->inserting = true;
    buffer->values.assign(columns_.size(), fb::Null{});
    buffer->changed.assign(columns_.size(), false);
    edit_ = std::move(buffer);
    state_ = DatasetState::Insert;
    current_ = at;
    bof_ = eof_ = false;
    emit rowInserted(at);
    emit currentChanged(current_);
    afterInsert(*this);
}

void Dataset::insert() { startInsert(current_ < 0 ? 0 : current_); }

void Dataset::append() { startInsert(recordCount()); }

void Dataset::dropRow(int visibleRow, int fetchedRow) {
    rows_.erase(rows_.begin() + fetchedRow);
    visible_.erase(visible_.begin() + visibleRow);
    for (int& v : visible_)
        if (v > fetchedRow) --v;
    current_ = std::min(visibleRow, recordCount() - 1);
}

void Dataset::cancel() {
    if (!edit_) return;
    const bool inserting = edit_->inserting;
    const int fetched = edit_->fetchedRow;
    edit_.reset();
    state_ = DatasetState::Browse;
    if (inserting) {
        const int row = current_;
        dropRow(row, fetched);
        emit rowRemoved(row);
        emit currentChanged(current_);
    } else {
        emit rowChanged(current_);
    }
}

std::string Dataset::quotedTable() const { return toCp1251(quotedName(table_)); }

std::vector<std::pair<int, fb::Value>> Dataset::keyValues(const fb::PackedRow& row) const {
    std::vector<std::pair<int, fb::Value>> out;
    for (const QString& key : keyFields_) {
        int index = -1;
        for (size_t i = 0; i < columns_.size(); ++i)
            if (QString::fromStdString(columns_[i].name).compare(key, Qt::CaseInsensitive) == 0 &&
                QString::fromStdString(columns_[i].relation).compare(table_, Qt::CaseInsensitive) == 0) {
                index = static_cast<int>(i);
                break;
            }
        if (index < 0)
            throw std::logic_error("key field " + key.toStdString() + " missing from the select of " +
                                   name_.toStdString());
        out.emplace_back(index, row.empty() ? fb::Value(fb::Null{}) : row.get(index));
    }
    return out;
}

std::string Dataset::keyCondition(const fb::PackedRow& row, std::vector<fb::Value>& params) const {
    std::string where;
    for (const auto& [index, value] : keyValues(row)) {
        if (!where.empty()) where += " and ";
        where += toCp1251(quotedName(QString::fromStdString(columns_[static_cast<size_t>(index)].name)));
        if (value.isNull()) {
            where += " is null";
        } else {
            where += " = ?";
            params.push_back(value);
        }
    }
    if (where.empty()) throw std::logic_error("dataset " + name_.toStdString() + " has no key to address rows by");
    return where;
}

void Dataset::executeInsert() {
    std::string names, marks;
    std::vector<fb::Value> params;
    for (size_t i = 0; i < columns_.size(); ++i) {
        if (!isWritable(static_cast<int>(i)) || edit_->values[i].isNull()) continue;
        if (!names.empty()) {
            names += ", ";
            marks += ", ";
        }
        names += toCp1251(quotedName(QString::fromStdString(columns_[i].name)));
        marks += "?";
        params.push_back(edit_->values[i]);
    }
    if (names.empty()) throw AppError(QStringLiteral("Нет значений для новой записи."));
    // The key as stored (server defaults included), so that the row can be addressed later.
    std::vector<int> keyColumns;
    std::string returning;
    for (const auto& [index, value] : keyValues(fb::PackedRow())) {
        keyColumns.push_back(index);
        returning += (returning.empty() ? " returning " : ", ") +
                     toCp1251(quotedName(QString::fromStdString(columns_[static_cast<size_t>(index)].name)));
    }
    fb::Statement st(transaction_,
                     "insert into " + quotedTable() + " (" + names + ") values (" + marks + ")" + returning);
    st.execute(params);
    if (!keyColumns.empty() && st.fetch())
        for (size_t k = 0; k < keyColumns.size(); ++k)
            edit_->values[static_cast<size_t>(keyColumns[k])] = st.value(static_cast<int>(k));
}

void Dataset::executeUpdate() {
    std::string sets;
    std::vector<fb::Value> params;
    for (size_t i = 0; i < columns_.size(); ++i) {
        if (!edit_->changed[i] || !isWritable(static_cast<int>(i))) continue;
        if (!sets.empty()) sets += ", ";
        sets += toCp1251(quotedName(QString::fromStdString(columns_[i].name))) + " = ?";
        params.push_back(edit_->values[i]);
    }
    if (sets.empty()) return;
    const std::string where = keyCondition(rows_[static_cast<size_t>(edit_->fetchedRow)], params);
    fb::Statement st(transaction_, "update " + quotedTable() + " set " + sets + " where " + where);
    st.execute(params);
    if (st.rowsAffected() == 0)
        throw AppError(QStringLiteral("Запись не найдена: возможно, её изменил или удалил другой пользователь."));
}

void Dataset::commitIfWanted() {
    if (commitOnPost_) transaction_.commitRetaining();
}

void Dataset::post() {
    if (!edit_) return;
    beforePost(*this);
    if (edit_->inserting) executeInsert();
    else executeUpdate();
    rows_[static_cast<size_t>(edit_->fetchedRow)] = fb::PackedRow::pack(edit_->values);
    edit_.reset();
    state_ = DatasetState::Browse;
    lookupIndex_.clear();
    emit rowChanged(current_);
    commitIfWanted();
    afterPost(*this);
}

void Dataset::remove() {
    requireOpen();
    if (current_ < 0) return;
    if (state_ == DatasetState::Insert) {
        cancel();
        return;
    }
    if (readOnly_) throw AppError(QStringLiteral("Набор данных %1 доступен только для чтения.").arg(name_));
    edit_.reset();
    state_ = DatasetState::Browse;
    beforeDelete(*this);
    const int fetched = fetchedIndexOf(current_);
    std::vector<fb::Value> params;
    const std::string where = keyCondition(rows_[static_cast<size_t>(fetched)], params);
    fb::Statement st(transaction_, "delete from " + quotedTable() + " where " + where);
    st.execute(params);

    const int row = current_;
    dropRow(row, fetched);
    eof_ = visible_.empty();
    lookupIndex_.clear();
    emit rowRemoved(row);
    emit currentChanged(current_);
    commitIfWanted();
    afterDelete(*this);
}

void Dataset::addLookupField(LookupField field) {
    lookups_.push_back(std::move(field));
    emit modelReset();
}

void Dataset::clearLookupFields() {
    lookups_.clear();
    emit modelReset();
}

QVariant Dataset::lookup(const QString& keyField, const QVariant& key, const QString& resultField) const {
    if (!isOpen()) return {};
    const int keyIndex = fieldIndex(keyField);
    const int resultIndex = fieldIndex(resultField);
    if (keyIndex < 0 || resultIndex < 0 || !column(keyIndex)) return {};
    const QString cacheKey = keyField.toUpper();
    auto it = lookupIndex_.find(cacheKey);
    if (it == lookupIndex_.end()) {
        QHash<QString, int> index;
        for (int row = 0; row < recordCount(); ++row) {
            const QString code = matchText(rows_[static_cast<size_t>(visible_[static_cast<size_t>(row)])].get(keyIndex));
            if (!index.contains(code)) index.insert(code, row);
        }
        it = lookupIndex_.insert(cacheKey, index);
    }
    const QString wanted = trimmedRight(key.userType() == qMetaTypeId<fb::Numeric>()
                                            ? QString::fromStdString(key.value<fb::Numeric>().toString())
                                            : key.toString());
    const auto found = it->find(wanted);
    if (found == it->end()) return {};
    return valueAt(found.value(), resultIndex);
}

}  // namespace vexo::data
