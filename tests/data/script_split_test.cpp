#include "fb/script.h"

#include <gtest/gtest.h>

using vexo::fb::splitScript;

TEST(ScriptSplit, HonoursTerminatorsLiteralsAndComments) {
    const auto st = splitScript(
        "-- heading comment\n"
        "create table t (a varchar(10));\n"
        "insert into t values ('a;b''c');\n"
        "/* block ; comment */ insert into t values ('x');\n"
        "SET TERM ^ ;\n"
        "create procedure p as begin\n"
        "  insert into t values ('1');\n"
        "end^\n"
        "set term ; ^\n"
        "select \"A;B\" from t;\n"
        "  \n");
    ASSERT_EQ(st.size(), 5u);
    EXPECT_EQ(st[0].text, "create table t (a varchar(10))");
    EXPECT_EQ(st[0].line, 2);
    EXPECT_EQ(st[1].text, "insert into t values ('a;b''c')");
    EXPECT_NE(st[2].text.find("insert into t values ('x')"), std::string::npos);
    EXPECT_NE(st[3].text.find("insert into t values ('1');\nend"), std::string::npos);
    EXPECT_EQ(st[3].line, 6);
    EXPECT_NE(st[4].text.find("\"A;B\""), std::string::npos);
}

TEST(ScriptSplit, LastStatementWithoutTerminatorIsKept) {
    const auto st = splitScript("select 1 from rdb$database");
    ASSERT_EQ(st.size(), 1u);
    EXPECT_EQ(st[0].text, "select 1 from rdb$database");
}

TEST(ScriptSplit, CommentBeforeSetTermDoesNotHideIt) {
    const auto st = splitScript(
        "create table t (a integer);\n"
        "/* the procedures */\n"
        "-- and a line comment\n"
        "SET TERM ^ ;\n"
        "create procedure p as begin end^\n"
        "SET TERM ; ^\n");
    ASSERT_EQ(st.size(), 2u);
    EXPECT_EQ(st[1].text, "create procedure p as begin end");
}
