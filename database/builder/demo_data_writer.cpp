#include "demo_data_writer.h"

#include "fb/statement.h"
#include "fb/transaction.h"
#include "fb/win1251.h"

#include <array>
#include <stdexcept>
#include <string_view>

namespace vexo::demo {

namespace {

// The data columns the demo fills; a generated cell outside them is a mistake
// of the generator and stops the build.
constexpr std::array<std::string_view, 21> kColumns = {"n1",  "n2",  "n3",  "n4",  "n5", "n6", "n7",
                                                       "n8",  "n9",  "n10", "n11", "n12", "n13", "n14",
                                                       "n15", "c1",  "c2",  "s1",  "s2", "s3", "d1"};

std::string insertStatement() {
    std::string names = "NTBL, LPU, PERIOD, GOD, \"ROW\", TIPSVODA";
    std::string marks = "?, ?, ?, ?, ?, ?";
    for (std::string_view c : kColumns) {
        names += ", ";
        names += c;
        marks += ", ?";
    }
    return "insert into TBL (" + names + ") values (" + marks + ")";
}

std::string paddedPeriod(const std::string& codeUtf8) {
    std::string code = fb::utf8ToWin1251(codeUtf8);
    if (code.size() < 3) code.append(3 - code.size(), ' ');
    return code;
}

fb::Value toValue(const CellValue& cell) {
    if (const auto* n = std::get_if<std::int64_t>(&cell)) return fb::Numeric{*n, 2};
    if (const auto* s = std::get_if<std::string>(&cell)) return fb::utf8ToWin1251(*s);
    return std::get<fb::Date>(cell);
}

}  // namespace

std::size_t writeDemoData(fb::Attachment& attachment, const DemoData& data, const WriteProgress& progress) {
    fb::Transaction tr(attachment);
    tr.start();
    fb::Statement insert(tr, insertStatement());
    fb::Statement nextId(tr, "select gen_id(GEN_COLUMNS_ID, 1) from rdb$database");

    const auto& rows = data.rows();
    std::vector<fb::Value> params(6 + kColumns.size());
    std::size_t done = 0;
    for (const DataRow& row : rows) {
        std::int64_t tipsvoda = 0;
        if (row.listRow) {
            nextId.execute();
            nextId.fetch();
            tipsvoda = nextId.value(0).toInt64();
            nextId.close();
        }
        params[0] = row.table;
        params[1] = fb::utf8ToWin1251(row.lpu);
        params[2] = paddedPeriod(row.period);
        params[3] = row.year;
        params[4] = row.row;
        params[5] = tipsvoda;
        for (size_t i = 0; i < kColumns.size(); ++i) params[6 + i] = fb::Null{};
        for (const auto& [column, cell] : row.cells) {
            size_t i = 0;
            while (i < kColumns.size() && kColumns[i] != column) ++i;
            if (i == kColumns.size()) throw std::logic_error("demo data fills an unexpected column " + column);
            params[6 + i] = toValue(cell);
        }
        insert.execute(params);
        ++done;
        if (progress && (done % 1000 == 0 || done == rows.size())) progress(done, rows.size());
    }
    tr.commit();
    return done;
}

}  // namespace vexo::demo
