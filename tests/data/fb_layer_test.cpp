#include "fb/error.h"
#include "fb/sql_quote.h"
#include "fb/win1251.h"
#include "test_database.h"

#include <ibase.h>

#include <gtest/gtest.h>

using namespace vexo;
using vexo::test::TestDatabase;

namespace {

void makeTable(TestDatabase& db) {
    db.runScript(
        "create table T (ID integer not null primary key, N numeric(18,2), S varchar(60), D date);\n");
}

}  // namespace

TEST(FbLayer, NumericRoundTripStaysExact) {
    TestDatabase db;
    makeTable(db);
    // Values a double cannot hold exactly.
    const fb::Numeric values[] = {{999999999999999999LL, 2}, {-1, 2}, {10, 2}, {123456789012345678LL, 2}};
    int id = 0;
    for (const fb::Numeric& v : values) db.exec("insert into T (ID, N) values (?, ?)", {++id, v});
    id = 0;
    for (const fb::Numeric& v : values) {
        const fb::Value got = db.scalar("select N from T where ID = ?", {++id});
        ASSERT_TRUE(got.is<fb::Numeric>());
        EXPECT_EQ(got.get<fb::Numeric>().toString(), v.toString());
    }
}

TEST(FbLayer, TextDatesAndNullsRoundTrip) {
    TestDatabase db;
    makeTable(db);
    db.exec("insert into T (ID, S, D) values (1, ?, ?)", {test::cp1251("Минздрав «Юг»"), fb::Date{2024, 2, 29}});
    db.exec("insert into T (ID) values (2)");
    EXPECT_EQ(db.text("select S from T where ID = 1"), "Минздрав «Юг»");
    EXPECT_EQ(db.scalar("select D from T where ID = 1"), fb::Value(fb::Date{2024, 2, 29}));
    EXPECT_TRUE(db.scalar("select S from T where ID = 2").isNull());
    EXPECT_TRUE(db.scalar("select N from T where ID = 2").isNull());
}

TEST(FbLayer, ApostropheInSplicedValueStaysAValue) {
    TestDatabase db;
    makeTable(db);
    const std::string name = test::cp1251("О'Брайен'); delete from T; --");
    db.exec("insert into T (ID, S) values (1, 'keep')");
    db.exec("insert into T (ID, S) values (2, " + fb::win1251ToUtf8(fb::quoteLiteral(name)) + ")");
    EXPECT_EQ(db.scalar("select count(*) from T").toInt64(), 2);
    EXPECT_EQ(db.scalar("select S from T where ID = 2").toText(), name);
}

TEST(FbLayer, ServerErrorKeepsItsCodes) {
    TestDatabase db;
    makeTable(db);
    db.exec("insert into T (ID) values (1)");
    try {
        db.exec("insert into T (ID) values (1)");
        FAIL() << "duplicate accepted";
    } catch (const fb::Error& e) {
        EXPECT_EQ(e.gdsCode(), isc_unique_key_violation);
        EXPECT_EQ(e.sqlCode(), -803);
        EXPECT_NE(std::string(e.what()).find("PRIMARY"), std::string::npos) << e.what();
    }
    // The transaction is still usable after the failure.
    EXPECT_EQ(db.scalar("select count(*) from T").toInt64(), 1);
}

TEST(FbLayer, TwoConnectionsShareOneFile) {
    TestDatabase db;
    makeTable(db);
    fb::Attachment other = db.connectAgain();
    fb::Transaction otherTr(other);
    {
        fb::Statement ins(otherTr, "insert into T (ID, S) values (7, 'x')");
        ins.execute();
    }
    otherTr.commitRetaining();
    // Read committed: the first connection sees the other's commit at once.
    EXPECT_EQ(db.scalar("select count(*) from T where ID = 7").toInt64(), 1);
}

TEST(FbLayer, AffectedRowsAndProcedureOutput) {
    TestDatabase db;
    makeTable(db);
    db.runScript(
        "set term ^ ;\n"
        "create procedure TWICE (X integer) returns (Y integer) as begin Y = X * 2; end^\n"
        "set term ; ^\n");
    db.exec("insert into T (ID) values (1)");
    db.exec("insert into T (ID) values (2)");
    fb::Statement upd(db.transaction(), "update T set S = 'a'");
    upd.execute();
    EXPECT_EQ(upd.rowsAffected(), 2);
    fb::Statement call(db.transaction(), "execute procedure TWICE(21)");
    call.execute();
    ASSERT_TRUE(call.fetch());
    EXPECT_EQ(call.value("Y").toInt64(), 42);
    EXPECT_FALSE(call.fetch());
}
