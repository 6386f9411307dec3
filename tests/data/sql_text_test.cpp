#include "data/sql_text.h"

#include <gtest/gtest.h>

TEST(SqlText, ApostrophesAreDoubledAndNothingEndsTheText) {
    using vexo::data::sqlQuote;
    EXPECT_EQ(sqlQuote("ЦРБ"), "'ЦРБ'");
    EXPECT_EQ(sqlQuote("О'Брайен'); delete from TBL; --"), "'О''Брайен''); delete from TBL; --'");
    EXPECT_EQ(sqlQuote(QString("a") + QChar(0) + "b"), "'ab'");
    EXPECT_EQ(vexo::data::sqlEscape("''"), "''''");
}
