#include "statement.h"

#include "attachment.h"
#include "error.h"
#include "transaction.h"

#include <ibase.h>

#include <algorithm>
#include <cstring>
#include <ctime>
#include <stdexcept>

namespace vexo::fb {

// XSQLDA with storage for the data of every variable.
struct Statement::Buffers {
    std::vector<std::int64_t> storage;  // 8-byte aligned XSQLDA
    std::vector<std::vector<std::int64_t>> data;
    std::vector<short> indicators;

    explicit Buffers(int count) { resize(count); }

    void resize(int count) {
        const int n = std::max(count, 1);
        storage.assign((XSQLDA_LENGTH(n) + 7) / 8, 0);
        sqlda()->version = SQLDA_VERSION1;
        sqlda()->sqln = static_cast<short>(n);
    }
    XSQLDA* sqlda() { return reinterpret_cast<XSQLDA*>(storage.data()); }

    // Points every variable at storage of its described size.
    void allocate() {
        XSQLDA* da = sqlda();
        data.assign(static_cast<size_t>(da->sqld), {});
        indicators.assign(static_cast<size_t>(da->sqld), 0);
        for (int i = 0; i < da->sqld; ++i) {
            XSQLVAR& v = da->sqlvar[i];
            size_t bytes = static_cast<size_t>(v.sqllen);
            if ((v.sqltype & ~1) == SQL_VARYING) bytes += 2;
            data[static_cast<size_t>(i)].assign(bytes / 8 + 1, 0);
            v.sqldata = reinterpret_cast<ISC_SCHAR*>(data[static_cast<size_t>(i)].data());
            v.sqlind = &indicators[static_cast<size_t>(i)];
            v.sqltype = static_cast<short>(v.sqltype | 1);  // always pass an indicator
        }
    }
};

namespace {

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (std::toupper(x) != std::toupper(y)) return false;
    }
    return true;
}

std::string nameOf(const char* p, short len) {
    std::string s(p, static_cast<size_t>(std::max<short>(len, 0)));
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

StatementType readType(ISC_STATUS* status, isc_stmt_handle* handle) {
    const char items[] = {isc_info_sql_stmt_type};
    char buffer[16] = {};
    isc_dsql_sql_info(status, handle, sizeof items, items, sizeof buffer, buffer);
    checkStatus(status);
    if (buffer[0] != isc_info_sql_stmt_type) return StatementType::Other;
    const short len = static_cast<short>(isc_vax_integer(buffer + 1, 2));
    switch (isc_vax_integer(buffer + 3, len)) {
        case isc_info_sql_stmt_select:
        case isc_info_sql_stmt_select_for_upd: return StatementType::Select;
        case isc_info_sql_stmt_insert: return StatementType::Insert;
        case isc_info_sql_stmt_update: return StatementType::Update;
        case isc_info_sql_stmt_delete: return StatementType::Delete;
        case isc_info_sql_stmt_ddl: return StatementType::Ddl;
        case isc_info_sql_stmt_exec_procedure: return StatementType::ExecProcedure;
        default: return StatementType::Other;
    }
}

std::string readBlob(Transaction& tr, ISC_QUAD id) {
    ISC_STATUS_ARRAY status;
    isc_blob_handle blob = 0;
    isc_open_blob2(status, tr.attachment().handle(), tr.handle(), &blob, &id, 0, nullptr);
    checkStatus(status);
    std::string out;
    char segment[8192];
    for (;;) {
        unsigned short got = 0;
        const ISC_STATUS rc = isc_get_segment(status, &blob, &got, sizeof segment, segment);
        if (rc == 0 || rc == isc_segment) {
            out.append(segment, got);
            continue;
        }
        if (rc == isc_segstr_eof) break;
        ISC_STATUS_ARRAY ignored;
        isc_close_blob(ignored, &blob);
        checkStatus(status);
    }
    isc_close_blob(status, &blob);
    return out;
}

Value decode(const XSQLVAR& v, Transaction& tr) {
    if ((v.sqltype & 1) && *v.sqlind < 0) return Null{};
    const char* p = v.sqldata;
    switch (v.sqltype & ~1) {
        case SQL_TEXT: return std::string(p, static_cast<size_t>(v.sqllen));
        case SQL_VARYING: {
            short len;
            std::memcpy(&len, p, 2);
            return std::string(p + 2, static_cast<size_t>(len));
        }
        case SQL_SHORT:
        case SQL_LONG:
        case SQL_INT64: {
            std::int64_t n = 0;
            if ((v.sqltype & ~1) == SQL_SHORT) {
                short s;
                std::memcpy(&s, p, 2);
                n = s;
            } else if ((v.sqltype & ~1) == SQL_LONG) {
                ISC_LONG l;
                std::memcpy(&l, p, 4);
                n = l;
            } else {
                std::memcpy(&n, p, 8);
            }
            if (v.sqlscale < 0) return Numeric{n, -v.sqlscale};
            return n;
        }
        case SQL_FLOAT: {
            float f;
            std::memcpy(&f, p, 4);
            return static_cast<double>(f);
        }
        case SQL_DOUBLE:
        case SQL_D_FLOAT: {
            double d;
            std::memcpy(&d, p, 8);
            return d;
        }
        case SQL_TYPE_DATE: {
            std::tm t{};
            isc_decode_sql_date(reinterpret_cast<const ISC_DATE*>(p), &t);
            return Date{t.tm_year + 1900, t.tm_mon + 1, t.tm_mday};
        }
        case SQL_TIMESTAMP: {
            ISC_TIMESTAMP ts;
            std::memcpy(&ts, p, sizeof ts);
            std::tm t{};
            isc_decode_timestamp(&ts, &t);
            return Timestamp{Date{t.tm_year + 1900, t.tm_mon + 1, t.tm_mday}, t.tm_hour, t.tm_min, t.tm_sec,
                             static_cast<int>(ts.timestamp_time % 10000)};
        }
        case SQL_TYPE_TIME: {
            ISC_TIME tm;
            std::memcpy(&tm, p, sizeof tm);
            std::tm t{};
            isc_decode_sql_time(&tm, &t);
            return Timestamp{Date{}, t.tm_hour, t.tm_min, t.tm_sec, static_cast<int>(tm % 10000)};
        }
        case SQL_BOOLEAN: return *reinterpret_cast<const unsigned char*>(p) != 0;
        case SQL_BLOB: {
            ISC_QUAD id;
            std::memcpy(&id, p, sizeof id);
            return readBlob(tr, id);
        }
        default: throw std::runtime_error("unsupported column type " + std::to_string(v.sqltype & ~1));
    }
}

// Gives the parameter the type of the value, so the server converts, not us.
void encode(XSQLVAR& v, std::vector<std::int64_t>& store, const Value& value) {
    const short originalType = static_cast<short>(v.sqltype & ~1);
    auto reserve = [&](size_t bytes) {
        store.assign(bytes / 8 + 1, 0);
        v.sqldata = reinterpret_cast<ISC_SCHAR*>(store.data());
    };
    if (value.isNull()) {
        *v.sqlind = -1;
        return;
    }
    *v.sqlind = 0;
    if (value.is<std::string>()) {
        const std::string& s = value.get<std::string>();
        if (s.size() > 32767) throw std::length_error("parameter text longer than 32767 bytes");
        reserve(s.size() + 1);
        std::memcpy(v.sqldata, s.data(), s.size());
        v.sqltype = SQL_TEXT | 1;
        v.sqllen = static_cast<short>(s.size());
        v.sqlscale = 0;
        // Keep the described character set; anything else passes as raw bytes.
        if (originalType != SQL_TEXT && originalType != SQL_VARYING) v.sqlsubtype = 0;
    } else if (value.is<std::int64_t>() || value.is<Numeric>() || value.is<bool>()) {
        std::int64_t units = 0;
        short scale = 0;
        if (value.is<Numeric>()) {
            units = value.get<Numeric>().units;
            scale = static_cast<short>(-value.get<Numeric>().scale);
        } else {
            units = value.toInt64();
        }
        reserve(8);
        std::memcpy(v.sqldata, &units, 8);
        v.sqltype = SQL_INT64 | 1;
        v.sqllen = 8;
        v.sqlscale = scale;
        v.sqlsubtype = 0;
    } else if (value.is<double>()) {
        const double d = value.get<double>();
        reserve(8);
        std::memcpy(v.sqldata, &d, 8);
        v.sqltype = SQL_DOUBLE | 1;
        v.sqllen = 8;
        v.sqlscale = 0;
        v.sqlsubtype = 0;
    } else if (value.is<Date>()) {
        const Date& d = value.get<Date>();
        std::tm t{};
        t.tm_year = d.year - 1900;
        t.tm_mon = d.month - 1;
        t.tm_mday = d.day;
        reserve(sizeof(ISC_DATE));
        isc_encode_sql_date(&t, reinterpret_cast<ISC_DATE*>(v.sqldata));
        v.sqltype = SQL_TYPE_DATE | 1;
        v.sqllen = sizeof(ISC_DATE);
        v.sqlscale = 0;
    } else if (value.is<Timestamp>()) {
        const Timestamp& ts = value.get<Timestamp>();
        std::tm t{};
        t.tm_year = ts.date.year - 1900;
        t.tm_mon = ts.date.month - 1;
        t.tm_mday = ts.date.day;
        t.tm_hour = ts.hour;
        t.tm_min = ts.minute;
        t.tm_sec = ts.second;
        ISC_TIMESTAMP out;
        isc_encode_timestamp(&t, &out);
        out.timestamp_time += static_cast<ISC_TIME>(ts.fraction);
        reserve(sizeof out);
        std::memcpy(v.sqldata, &out, sizeof out);
        v.sqltype = SQL_TIMESTAMP | 1;
        v.sqllen = sizeof out;
        v.sqlscale = 0;
    }
}

}  // namespace

Statement::Statement(Transaction& transaction) : transaction_(transaction) {}

Statement::Statement(Transaction& transaction, const std::string& sql) : transaction_(transaction) {
    prepare(sql);
}

Statement::~Statement() {
    if (handle_) {
        ISC_STATUS_ARRAY status;
        isc_dsql_free_statement(status, &handle_, DSQL_drop);
    }
}

void Statement::prepare(const std::string& sql) {
    close();
    ISC_STATUS_ARRAY status;
    if (!handle_) {
        isc_dsql_allocate_statement(status, transaction_.attachment().handle(), &handle_);
        checkStatus(status);
    }
    transaction_.start();
    sql_ = sql;
    out_ = std::make_unique<Buffers>(20);
    isc_dsql_prepare(status, transaction_.handle(), &handle_, static_cast<unsigned short>(sql.size()), sql.c_str(),
                     SQL_DIALECT_V6, out_->sqlda());
    checkStatus(status);
    if (out_->sqlda()->sqld > out_->sqlda()->sqln) {
        out_->resize(out_->sqlda()->sqld);
        isc_dsql_describe(status, &handle_, SQLDA_VERSION1, out_->sqlda());
        checkStatus(status);
    }
    out_->allocate();
    type_ = readType(status, &handle_);

    columns_.clear();
    for (int i = 0; i < out_->sqlda()->sqld; ++i) {
        const XSQLVAR& v = out_->sqlda()->sqlvar[i];
        columns_.push_back(Column{nameOf(v.sqlname, v.sqlname_length), nameOf(v.aliasname, v.aliasname_length),
                                  nameOf(v.relname, v.relname_length), static_cast<short>(v.sqltype & ~1),
                                  v.sqlscale, v.sqllen, v.sqlsubtype, true});
    }
    row_.assign(columns_.size(), Value{});
    describeParams();
}

void Statement::describeParams() {
    ISC_STATUS_ARRAY status;
    in_ = std::make_unique<Buffers>(10);
    isc_dsql_describe_bind(status, &handle_, SQLDA_VERSION1, in_->sqlda());
    checkStatus(status);
    if (in_->sqlda()->sqld > in_->sqlda()->sqln) {
        in_->resize(in_->sqlda()->sqld);
        isc_dsql_describe_bind(status, &handle_, SQLDA_VERSION1, in_->sqlda());
        checkStatus(status);
    }
    in_->allocate();
    for (auto& ind : in_->indicators) ind = -1;  // unset parameters are null
}

int Statement::paramCount() const { return in_ ? in_->sqlda()->sqld : 0; }

void Statement::setParam(int index, const Value& value) {
    if (index < 0 || index >= paramCount()) throw std::out_of_range("no parameter " + std::to_string(index));
    encode(in_->sqlda()->sqlvar[index], in_->data[static_cast<size_t>(index)], value);
}

void Statement::setParams(const std::vector<Value>& values) {
    for (size_t i = 0; i < values.size(); ++i) setParam(static_cast<int>(i), values[i]);
}

void Statement::execute() {
    if (!handle_) throw std::logic_error("statement not prepared");
    close();
    transaction_.start();
    ISC_STATUS_ARRAY status;
    XSQLDA* in = paramCount() > 0 ? in_->sqlda() : nullptr;
    if (type_ == StatementType::ExecProcedure && !columns_.empty()) {
        isc_dsql_execute2(status, transaction_.handle(), &handle_, SQLDA_VERSION1, in, out_->sqlda());
        checkStatus(status);
        decodeRow();
        pendingProcedureRow_ = true;
        return;
    }
    isc_dsql_execute(status, transaction_.handle(), &handle_, SQLDA_VERSION1, in);
    checkStatus(status);
    cursorOpen_ = type_ == StatementType::Select;
}

bool Statement::fetch() {
    if (pendingProcedureRow_) {
        pendingProcedureRow_ = false;
        return true;
    }
    if (!cursorOpen_) return false;
    ISC_STATUS_ARRAY status;
    const ISC_STATUS rc = isc_dsql_fetch(status, &handle_, SQLDA_VERSION1, out_->sqlda());
    if (rc == 100) {
        close();
        return false;
    }
    checkStatus(status);
    decodeRow();
    return true;
}

void Statement::decodeRow() {
    for (size_t i = 0; i < columns_.size(); ++i)
        row_[i] = decode(out_->sqlda()->sqlvar[static_cast<int>(i)], transaction_);
}

void Statement::close() {
    pendingProcedureRow_ = false;
    if (!cursorOpen_) return;
    cursorOpen_ = false;
    ISC_STATUS_ARRAY status;
    isc_dsql_free_statement(status, &handle_, DSQL_close);
    checkStatus(status);
}

int Statement::columnIndex(std::string_view name) const {
    for (size_t i = 0; i < columns_.size(); ++i)
        if (equalsNoCase(columns_[i].alias, name)) return static_cast<int>(i);
    for (size_t i = 0; i < columns_.size(); ++i)
        if (equalsNoCase(columns_[i].name, name)) return static_cast<int>(i);
    return -1;
}

const Value& Statement::value(std::string_view name) const {
    const int i = columnIndex(name);
    if (i < 0) throw std::out_of_range("no field " + std::string(name));
    return row_[static_cast<size_t>(i)];
}

std::int64_t Statement::rowsAffected() {
    ISC_STATUS_ARRAY status;
    const char items[] = {isc_info_sql_records};
    char buffer[64] = {};
    isc_dsql_sql_info(status, &handle_, sizeof items, items, sizeof buffer, buffer);
    checkStatus(status);
    if (buffer[0] != isc_info_sql_records) return 0;
    std::int64_t total = 0;
    const char* p = buffer + 3;
    while (*p != isc_info_end) {
        const char item = *p++;
        const short len = static_cast<short>(isc_vax_integer(p, 2));
        p += 2;
        const std::int64_t count = isc_vax_integer(p, len);
        p += len;
        if (item == isc_info_req_insert_count || item == isc_info_req_update_count ||
            item == isc_info_req_delete_count)
            total += count;
    }
    return total;
}

}  // namespace vexo::fb
