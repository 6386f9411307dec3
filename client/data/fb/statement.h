#pragma once

#include "value.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vexo::fb {

class Transaction;

enum class StatementType { Select, Insert, Update, Delete, Ddl, ExecProcedure, Other };

struct Column {
    std::string name;      // field name (empty for expressions)
    std::string alias;     // the name the select gives it; what callers look fields up by
    std::string relation;  // table of the field, empty for expressions
    short sqlType = 0;     // SQL_* without the null flag
    short scale = 0;       // 0, or minus the number of decimals
    short length = 0;      // bytes
    short subType = 0;
    bool nullable = true;
};

// A prepared statement bound to a transaction. Text travels as Windows-1251 bytes.
class Statement {
public:
    explicit Statement(Transaction& transaction);
    Statement(Transaction& transaction, const std::string& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void prepare(const std::string& sql);
    const std::string& sql() const { return sql_; }
    StatementType type() const { return type_; }

    int paramCount() const;
    void setParam(int index, const Value& value);  // 0-based
    void setParams(const std::vector<Value>& values);

    // Runs the statement; a select opens its cursor, a procedure call holds its output row.
    void execute();
    void execute(const std::vector<Value>& params) {
        setParams(params);
        execute();
    }
    // Moves to the next row of the result; false after the last.
    bool fetch();
    void close();

    const std::vector<Column>& columns() const { return columns_; }
    int columnIndex(std::string_view aliasOrName) const;  // case-insensitive; -1 when absent
    const Value& value(int index) const { return row_.at(static_cast<size_t>(index)); }
    const Value& value(std::string_view name) const;
    const std::vector<Value>& row() const { return row_; }

    // Rows inserted, updated or deleted by the last execution.
    std::int64_t rowsAffected();

private:
    struct Buffers;
    void describeParams();
    void decodeRow();

    Transaction& transaction_;
    unsigned int handle_ = 0;
    std::string sql_;
    StatementType type_ = StatementType::Other;
    bool cursorOpen_ = false;
    bool pendingProcedureRow_ = false;
    std::vector<Column> columns_;
    std::vector<Value> row_;
    std::unique_ptr<Buffers> in_;
    std::unique_ptr<Buffers> out_;
};

}  // namespace vexo::fb
