// The database's own procedures run over the demo: KONT must report exactly
// the deliberate errors, as the independent reading of the conditions does
// (demo_conditions_test.cpp), and CALC must leave every consistent report as
// it is, since its figures already are what the formulas compute.

#include "condition_checker.h"
#include "demo_database.h"
#include "demo_faults.h"
#include "fb/statement.h"
#include "fb/transaction.h"
#include "fb/win1251.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace vexo;
using namespace vexo::test;

namespace {

// The condition numbers of every table's ranges, in range order.
std::map<int, std::vector<std::string>> rangeNumbers(fb::Attachment& db, const std::string& ranges) {
    std::map<int, std::vector<std::string>> numbers;
    for (const auto& r : queryRows(db, "select FORMA, USL1, USL2 from " + ranges + " order by AUTOINC"))
        for (long long n = std::stoll(textOf(r[1])); n <= std::stoll(textOf(r[2])); ++n) {
            char buf[16];
            std::snprintf(buf, sizeof buf, "%08lld", n);
            numbers[std::stoi(textOf(r[0]))].push_back(buf);
        }
    return numbers;
}

std::map<int, std::string> themes(fb::Attachment& db) {
    std::map<int, std::string> themeOf;
    for (const auto& r : queryRows(db, "select NTBL, TBLNAME from TBLNAME")) themeOf[std::stoi(textOf(r[0]))] = r[1].toText();
    return themeOf;
}

std::string paddedPeriod(const std::string& periodUtf8) {
    std::string period = fb::utf8ToWin1251(periodUtf8);
    period.resize(3, ' ');
    return period;
}

std::string reportText(int table, const ReportKey& r) {
    return std::to_string(table) + " " + r.lpu + " " + r.period + " " + std::to_string(r.year);
}

}  // namespace

TEST(DemoControlProcedure, ReportsExactlyTheDeliberateErrors) {
    fb::Attachment db = DemoDatabase::attach();
    const ConditionChecker checker(db);

    const auto themeOf = themes(db);
    const auto numbers = rangeNumbers(db, "USLK");

    std::set<std::string> expected, found;
    for (const demo::DemoFault& f : demo::demoFaults())
        for (const std::string& n : f.caughtBy) expected.insert(n + " " + f.lpu + " " + f.period + " " + std::to_string(f.year));

    fb::Transaction tr(db);
    fb::Statement kont(tr, "select * from kont(?, ?, ?, ?, ?, ?, ?)");
    for (const auto& [table, list] : numbers)
        for (const ReportKey& report : checker.reportsOf(table))
            for (const std::string& number : list) {
                kont.execute({"one", report.lpu, paddedPeriod(report.period), std::to_string(report.year), "",
                              themeOf.at(table), number + "$+$"});
                while (kont.fetch()) {
                    const std::string line = textOf(kont.value(0));
                    EXPECT_EQ(line.find("Ошибка в условии"), std::string::npos) << number << ": " << line;
                    found.insert(number + " " + report.lpu + " " + report.period + " " + std::to_string(report.year));
                }
            }
    EXPECT_EQ(found, expected);
}

TEST(DemoControlProcedure, CalculationLeavesConsistentReportsAsTheyAre) {
    fb::Attachment db = DemoDatabase::attach();
    const ConditionChecker checker(db);
    const auto themeOf = themes(db);
    std::set<std::string> faulty;
    for (const demo::DemoFault& f : demo::demoFaults())
        faulty.insert(std::to_string(f.table) + " " + f.lpu + " " + f.period + " " + std::to_string(f.year));

    std::string columns = "NTBL, LPU, PERIOD, GOD, \"ROW\"";
    for (int k = 1; k <= 30; ++k) columns += ", N" + std::to_string(k);
    const std::string snapshotQuery = "select " + columns + " from TBL where TIPSVODA = 0";

    fb::Transaction tr(db);
    auto snapshot = [&] {
        std::map<std::string, std::vector<double>> out;
        fb::Statement st(tr, snapshotQuery);
        st.execute();
        while (st.fetch()) {
            const std::string key = st.value(0).toText() + " " + textOf(st.value(1)) + " " + textOf(st.value(2)) + " " +
                                    st.value(3).toText() + " " + textOf(st.value(4));
            std::vector<double>& values = out[key];
            for (int k = 5; k < 35; ++k) values.push_back(st.value(k).toDouble());
        }
        return out;
    };
    const auto before = snapshot();

    fb::Statement calc(tr, "execute procedure CALC(?, ?, ?, ?, ?, ?, ?)");
    std::set<std::string> skipped;
    size_t runs = 0;
    for (const auto& [table, list] : rangeNumbers(db, "USLC"))
        for (const ReportKey& report : checker.reportsOf(table)) {
            if (faulty.count(reportText(table, report))) {
                skipped.insert(std::to_string(table) + " " + report.lpu + " " + report.period + " " +
                               std::to_string(report.year) + " ");
                continue;
            }
            for (const std::string& number : list) {
                calc.execute({"one", report.lpu, paddedPeriod(report.period), report.year, "", themeOf.at(table),
                              number + "$-$"});
                ++runs;
            }
        }
    EXPECT_GT(runs, 500u);

    // The total the operator mistyped in table 1 (the first deliberate error)
    // is put right by its formula.
    const demo::DemoFault& mistypedTotal = demo::demoFaults().front();
    ASSERT_EQ(mistypedTotal.caughtBy.front(), "00001001");
    calc.execute({"one", mistypedTotal.lpu, paddedPeriod(mistypedTotal.period), mistypedTotal.year, "",
                  themeOf.at(mistypedTotal.table), "00001001$-$"});
    const std::string report = "1 " + mistypedTotal.lpu + " " + mistypedTotal.period + " " +
                               std::to_string(mistypedTotal.year) + " ";
    double profiles = 0;
    for (const char* row : {"002", "003", "004", "005", "006", "007"}) profiles += before.at(report + row)[3];

    const auto after = snapshot();
    tr.rollback();
    EXPECT_NE(before.at(report + "001")[3], profiles);
    EXPECT_DOUBLE_EQ(after.at(report + "001")[3], profiles);
    ASSERT_EQ(after.size(), before.size());
    for (const auto& [key, values] : before) {
        bool ofFaultyReport = false;
        for (const std::string& prefix : skipped) ofFaultyReport = ofFaultyReport || key.rfind(prefix, 0) == 0;
        if (ofFaultyReport) continue;
        for (size_t k = 0; k < values.size(); ++k)
            EXPECT_NEAR(after.at(key)[k], values[k], 0.011) << key << " N" << k + 1;
    }
}
