// The library as the server sees it: declared from database/udf.sql and called
// from SQL on the embedded engine.
#include "fb/error.h"
#include "process_memory.h"
#include "test_database.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <unistd.h>

using namespace vexo;
using vexo::test::TestDatabase;

namespace {

class UdfSql : public ::testing::Test {
protected:
    static void SetUpTestSuite() { db_ = new TestDatabase({"udf.sql"}); }
    static void TearDownTestSuite() {
        delete db_;
        db_ = nullptr;
    }
    static TestDatabase& db() { return *db_; }
    static std::string text(const std::string& expr) { return db().text("select " + expr + " from rdb$database"); }
    static inline TestDatabase* db_ = nullptr;
};

TEST_F(UdfSql, TextFunctionsWithCyrillic) {
    struct Case {
        const char* expr;
        const char* expected;
    } cases[] = {
        {"substr('АБВГДЕ', 2, 4)", "БВГ"},
        {"substr('АБВГДЕ', 4, 2)", ""},
        {"codlpu('00010002', 2)", "0002"},
        {"codlpu('00010002', 3)", ""},
        {"razd('А>=Б', 0)", ">="},
        {"razd('А=Б>В', 1)", "А=Б"},
        {"razd('А=Б>В', 2)", "В"},
        {"razd('12,1000,1,3Х2=5', 3)", "-"},
        {"razd('12,1000,1,3+2=5', 3)", "+"},
        {"reform('12 х 5')", "12*5"},
        {"reform('0410,1')", "10,1"},
        {"mm('23')", "024"},
        {"mm('-1')", "-001"},
        {"vn('96')", "009"},
        {"vars('A=B')", "A$B$"},
        {"getvar('A$B$', 2)", "B"},
        {"calc_expression('A+B', 'A$B$', '12.5$7$')", "12.5+7"},
        {"coord('41,1000,1:5,3', 'form', 1, 1)", "0410100"},
        {"coord('41,1000,1:5,3', 'tbl', 1, 1)", "001000"},
        {"coord('41,1000,1:5,3', 'row', 2, 1)", "002"},
        {"coord('41,1000,1,3-4', 'znak', 1, 2)", "-"},
        {"coord('100,,41,1000,1,3', 'god', 2011, 1)", "2010"},
        {"coord('41,1000,1П5,3', 'row', 1, 3)", "003"},
    };
    for (const Case& c : cases) EXPECT_EQ(text(c.expr), c.expected) << c.expr;
}

TEST_F(UdfSql, NumbersAndCounts) {
    struct Case {
        const char* expr;
        long long expected;
    } cases[] = {
        {"strlen('Ёлка')", 4},  // one byte per letter
        {"numvars('A$B$')", 2},
        {"numcycle('41,1000,1:3,2.4')", 6},
        {"numvarcycle('41,1000,1+2+5П7,3')", 5},
        {"numvarcycle('41,1000,1,3+4')", 2},
    };
    for (const Case& c : cases) EXPECT_EQ(db().scalar("select " + std::string(c.expr) + " from rdb$database").toInt64(), c.expected) << c.expr;
    EXPECT_DOUBLE_EQ(db().scalar("select calc_expression2('(1+2)*3') from rdb$database").toDouble(), 9.0);
    EXPECT_DOUBLE_EQ(db().scalar("select calc_expression2('1,5*2') from rdb$database").toDouble(), 3.0);
    EXPECT_DOUBLE_EQ(db().scalar("select calc_expression2('10/0+5') from rdb$database").toDouble(), 5.0);
    EXPECT_DOUBLE_EQ(db().scalar("select calc_expression2('0.125') from rdb$database").toDouble(), 0.13);
}

TEST_F(UdfSql, FailuresFailTheStatementAndKeepTheConnection) {
    struct Case {
        const char* expr;
        long code;
    } cases[] = {
        {"coord('41,1000,:5,3', 'row', 1, 1)", 335544321},   // a range without its lower bound
        {"coord('41,1000,.,3', 'row', 1, 1)", 335544321},    // no number to deliver
        {"calc_expression2('9' || lpad('', 300, '9'))", 0},  // floating overflow
        {"calc_expression2('99999999999999999999')", 0},     // cannot be rounded to two decimals
    };
    for (const Case& c : cases) {
        try {
            const fb::Value v = db().scalar(std::string("select ") + c.expr + " from rdb$database");
            ADD_FAILURE() << c.expr << " gave " << v.toText();
        } catch (const fb::Error& e) {
            if (c.code) EXPECT_EQ(e.gdsCode(), c.code) << c.expr << ": " << e.what();
        }
        // The same connection goes on working.
        EXPECT_EQ(text("coord('41,1000,1:5,3', 'col', 1, 1)"), "3");
    }
}

TEST_F(UdfSql, TextResultsAreFreedByTheServer) {
    // The embedded server lives in this process: 100 000 results of 900 bytes
    // would keep 90 MB if the declarations did not hand them back.
    const char* sql = "select sum(char_length(r)) from (select reform(lpad('', 900, 'ab x ')) r "
                      "from rdb$types a, rdb$types b, rdb$types c rows 100000)";
    db().scalar(sql);
    const long before = test::residentKb();
    EXPECT_EQ(db().scalar(sql).toInt64(), 100000LL * 539);  // "AB*" per 5 characters, the last "*" dropped
    EXPECT_LT(test::residentKb() - before, 30 * 1024);
}

}  // namespace
