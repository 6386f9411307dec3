// The demo's control conditions and calculation formulas: how they are
// stored and attached, and that they fit the demo data: every control
// condition holds except where a deliberate error was put in, and every
// deliberate error is reported by exactly the conditions its description names.

#include "condition_checker.h"
#include "demo_database.h"
#include "demo_faults.h"
#include "fb/win1251.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace vexo;
using namespace vexo::test;

namespace {

struct Kind {
    const char* conditions;  // POKAZ or POKAZC
    const char* ranges;      // USLK or USLC
};
const Kind kKinds[] = {{"POKAZ", "USLK"}, {"POKAZC", "USLC"}};

std::string number8(long long n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%08lld", n);
    return buf;
}

// The conditions attached to each table, in range order: table -> (number, text in Windows-1251).
std::map<int, std::vector<std::pair<std::string, std::string>>> conditionsByTable(fb::Attachment& db, const Kind& kind) {
    std::map<std::string, std::string> texts;
    for (const auto& r : queryRows(db, std::string("select A1, A2 from ") + kind.conditions))
        texts[textOf(r[0])] = r[1].toText();
    std::map<int, std::vector<std::pair<std::string, std::string>>> out;
    for (const auto& r : queryRows(db, std::string("select FORMA, USL1, USL2 from ") + kind.ranges + " order by AUTOINC"))
        for (long long n = std::stoll(textOf(r[1])); n <= std::stoll(textOf(r[2])); ++n)
            out[std::stoi(textOf(r[0]))].push_back({number8(n), texts[number8(n)]});
    return out;
}

}  // namespace

TEST(DemoConditions, RangesPointAtExistingConditionsAndCoverThemAll) {
    fb::Attachment db = DemoDatabase::attach();
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.ranges);
        std::set<std::string> numbers, covered;
        for (const auto& r : queryRows(db, std::string("select A1 from ") + kind.conditions))
            numbers.insert(textOf(r[0]));
        for (const auto& r : queryRows(db, std::string("select FORMA, USL1, USL2 from ") + kind.ranges)) {
            const std::string forma = textOf(r[0]);
            EXPECT_EQ(forma.size(), 3u) << "FORMA is the table number with three digits";
            EXPECT_EQ(queryValue(db, "select count(*) from TBLNAME where cast(NTBL as integer) = ?", {std::stoi(forma)})
                          .toInt64(), 1)
                << "range of table " << forma;
            const long long first = std::stoll(textOf(r[1])), last = std::stoll(textOf(r[2]));
            EXPECT_LE(first, last);
            for (long long n = first; n <= last; ++n) {
                EXPECT_TRUE(numbers.count(number8(n))) << "range " << forma << " names missing " << number8(n);
                EXPECT_TRUE(covered.insert(number8(n)).second) << number8(n) << " belongs to two ranges";
            }
        }
        EXPECT_EQ(covered, numbers) << "a condition outside every range is never run";
        for (const std::string& n : numbers) EXPECT_EQ(n.size(), 8u) << n;
    }
}

TEST(DemoConditions, TextsFitTheStoreAndSplitAtTheirSign) {
    fb::Attachment db = DemoDatabase::attach();
    for (const Kind& kind : kKinds) {
        for (const auto& r : queryRows(db, std::string("select A1, A2 from ") + kind.conditions)) {
            const std::string text = r[1].toText();
            SCOPED_TRACE(textOf(r[0]) + " " + fb::win1251ToUtf8(text));
            EXPECT_LE(text.size(), 254u);
            const std::string sign = comparisonSign(text);
            ASSERT_FALSE(sign.empty());
            const size_t at = text.find(sign);
            EXPECT_GT(at, 0u);
            EXPECT_LT(at + sign.size(), text.size());
            if (std::string(kind.conditions) == "POKAZC") {
                EXPECT_EQ(sign, "=") << "a formula fills its left side";
            }
            // Normalisation drops the first two characters when the first comma
            // stands at position 4 or later: only a five-character form code
            // (sub-code, then the form) may open a text that way, leaving the form.
            const size_t comma = text.find(',');
            EXPECT_TRUE(comma < 3u || (comma == 5u && text.find_first_not_of("0123456789") == 5u)) << text;
            // No blanks or letters X to rewrite.
            EXPECT_EQ(text.find_first_of(" \r\nXx"), std::string::npos);
            EXPECT_EQ(text.find('\xD5'), std::string::npos);  // Cyrillic "Х"
        }
    }
}

TEST(DemoConditions, InterYearMarksNameTheFormOfTheirTable) {
    fb::Attachment db = DemoDatabase::attach();
    const auto rows = queryRows(db, "select p.A1, p.A2, p.MG from POKAZ p where p.MG is not null");
    ASSERT_GE(rows.size(), 2u);
    for (const auto& r : rows) {
        const std::string number = textOf(r[0]), mark = textOf(r[2]);
        SCOPED_TRACE(number);
        EXPECT_GT(mark, "00000");
        EXPECT_LT(mark, "99999");
        const std::string table = std::to_string(std::stoi(number.substr(0, 5)));
        const std::string form = textOf(queryValue(db, "select FORMKOD from TBLNAME where NTBL = ?", {table}));
        EXPECT_EQ(mark, form.substr(0, 5));
        EXPECT_NE(r[1].toText().find("100,,"), std::string::npos) << "an inter-year condition reads last year";
    }
}

TEST(DemoConditions, VariablesAreCutWhereTheConditionMeansThem) {
    // A few conditions taken apart as the server library does: a "+" inside a
    // row field stays in its reference, between references it separates them.
    struct Case {
        const char* text;
        const char* variables;
    } cases[] = {
        {"12,1000,1,9>=12,1000,2+5П7,9", "12,1000,1,9$$12,1000,2+5П7,9$"},
        {"41,1000,1,3=41,1000,2,3+41,1000,3,3", "41,1000,1,3$41,1000,2,3$41,1000,3,3$"},
        {"17,2000,1:5,6>=100,,17,2000,1:5,6*0.8", "17,2000,1:5,6$$100,,17,2000,1:5,6$0.8$"},
        {"12,1000,1:7,15=12,1000,1:7,11*100/(12,1000,1:7,9+12,1000,1:7,11)",
         "12,1000,1:7,15$12,1000,1:7,11$100$12,1000,1:7,9$12,1000,1:7,11$"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fb::win1251ToUtf8(conditionVariables(fb::utf8ToWin1251(c.text))), c.variables) << c.text;
}

TEST(DemoConditions, ControlFindsExactlyTheDeliberateErrors) {
    fb::Attachment db = DemoDatabase::attach();
    const ConditionChecker checker(db);
    std::set<std::string> expected, found;
    for (const demo::DemoFault& f : demo::demoFaults())
        for (const std::string& n : f.caughtBy) expected.insert(n + " " + f.lpu + " " + f.period + " " + std::to_string(f.year));
    size_t evaluated = 0;
    for (const auto& [table, conditions] : conditionsByTable(db, kKinds[0])) {
        const auto reports = checker.reportsOf(table);
        EXPECT_FALSE(reports.empty()) << "table " << table << " has conditions but no data";
        for (const ReportKey& report : reports)
            for (const auto& [number, text] : conditions) {
                ++evaluated;
                if (!checker.holds(text, report))
                    found.insert(number + " " + report.lpu + " " + report.period + " " + std::to_string(report.year));
            }
    }
    EXPECT_GT(evaluated, 1000u);
    EXPECT_EQ(found, expected);
}

TEST(DemoConditions, CalculationFormulasReproduceTheEnteredFigures) {
    fb::Attachment db = DemoDatabase::attach();
    const ConditionChecker checker(db);
    std::set<std::string> faulty;
    for (const demo::DemoFault& f : demo::demoFaults())
        faulty.insert(std::to_string(f.table) + " " + f.lpu + " " + f.period + " " + std::to_string(f.year));
    const auto formulas = conditionsByTable(db, kKinds[1]);
    EXPECT_GE(formulas.size(), 8u);
    for (const auto& [table, list] : formulas)
        for (const ReportKey& report : checker.reportsOf(table)) {
            if (faulty.count(std::to_string(table) + " " + report.lpu + " " + report.period + " " +
                             std::to_string(report.year)))
                continue;
            for (const auto& [number, text] : list)
                EXPECT_TRUE(checker.holds(text, report, 0.011))
                    << number << " for " << report.lpu << " " << report.period << " " << report.year;
        }
}

TEST(DemoConditions, DeliberateErrorsAreFewAndVaried) {
    const auto& faults = demo::demoFaults();
    EXPECT_GE(faults.size(), 5u);
    EXPECT_LE(faults.size(), 10u);
    std::set<int> tables;
    for (const demo::DemoFault& f : faults) {
        tables.insert(f.table);
        EXPECT_FALSE(f.caughtBy.empty());
        EXPECT_FALSE(f.what.empty());
    }
    EXPECT_GE(tables.size(), 5u);
}
