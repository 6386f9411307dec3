// Row formulas: operands as the formula sees them, the evaluator, and the
// recomputation of a row being edited.
#include "arithmetic.h"
#include "data/data_module.h"
#include "row_formulas.h"
#include "table_columns.h"
#include "test_database.h"
#include "ui/app_error.h"

#include <gtest/gtest.h>

using namespace vexo;

namespace {

TEST(FormulaOperand, ElevenSignificantDigitsWithoutTrailingZeros) {
    struct Case {
        fb::Numeric value;
        QString text;
    };
    const Case cases[] = {
        {{1250, 2}, "12.5"},
        {{-300, 2}, "-3"},
        {{0, 2}, "0"},
        {{5, 2}, "0.05"},
        {{100, 0}, "100"},
        {{12345678912, 2}, "123456789.12"},             // 11 digits: exact
        {{123456789012, 2}, "1234567890.1"},            // 12th digit rounded away
        {{999999999999, 2}, "10000000000"},             // rounding carries into a new digit
        {{12345678901234, 2}, "1.2345678901E11"},       // too many integer digits for fixed notation
        {{-12345678901234, 2}, "-1.2345678901E11"},
    };
    for (const Case& c : cases) EXPECT_EQ(grid::formatFormulaOperand(c.value), c.text) << c.value.toString();
}

TEST(Arithmetic, EvaluatesExactly) {
    struct Case {
        QString expression, result;
    };
    const Case cases[] = {
        {"1+2*3", "7"},     {"(1+2)*3", "9"},      {"10/4", "2.5"},         {"3--5", "8"},
        {"-(2+3)", "-5"},   {"0.1+0.2", "0.3"},    {" 2 * ( 3 + 4 ) ", "14"}, {"1.2345678901E11", "123456789010"},
        {"5E-2", "0.05"},   {"0,25*4", "1"},       {"8/2/2", "2"},          {"2-3-4", "-5"},
        {"+4", "4"},        {"12.5*100/(3+12.5)", "80.645161290322580645"},
    };
    for (const Case& c : cases) {
        const std::optional<grid::Decimal> v = grid::evaluateArithmetic(c.expression);
        ASSERT_TRUE(v.has_value()) << c.expression.toStdString();
        EXPECT_EQ(v->toString().substr(0, static_cast<size_t>(c.result.size())), c.result.toStdString())
            << c.expression.toStdString();
    }
    EXPECT_EQ(grid::evaluateArithmetic("2/3")->toNumeric(2)->toString(), "0.67");
    EXPECT_EQ(grid::evaluateArithmetic("-2/3")->toNumeric(2)->toString(), "-0.67");
}

TEST(Arithmetic, DivisionByZeroHasNoValue) {
    EXPECT_FALSE(grid::evaluateArithmetic("1/0").has_value());
    EXPECT_FALSE(grid::evaluateArithmetic("5*100/(0+0)").has_value());
}

TEST(Arithmetic, RejectsWhatIsNotArithmetic) {
    for (const char* bad : {"", "1+", "2*(3", "abc", "1 2", "(", "1..2", "3)", "1E"})
        EXPECT_THROW(grid::evaluateArithmetic(bad), grid::FormulaSyntaxError) << bad;
    EXPECT_THROW(grid::evaluateArithmetic("99999999999999999999*99999999999999999999"), std::overflow_error);
}

TEST(Substitution, EveryOccurrenceOfEachName) {
    QStringList asked;
    const QString text = grid::substituteOperands(" [n1]*[n2]+[n1] ", [&](const QString& field) {
        asked << field;
        return field == "n1" ? fb::Numeric{-250, 2} : fb::Numeric{};
    });
    EXPECT_EQ(text, "-2.5*0+-2.5");
    EXPECT_EQ(asked, (QStringList{"n1", "n2"}));
    EXPECT_THROW(grid::substituteOperands("[n1", [](const QString&) { return fb::Numeric{}; }),
                 grid::FormulaSyntaxError);
}

// A row of TBL being edited, with formula columns.
struct EditedRow {
    test::TestDatabase db{test::schemaScripts()};
    data::TfDM dm;
    grid::TableColumns columns;

    EditedRow() {
        db.exec("insert into TBL (NTBL, LPU, PERIOD, GOD, \"ROW\", N1, N2) values (5, '010001', 'I', 2024, '001', 10, 3)");
        db.commit();
        dm.connectDatabase(db.params());
        dm.tblYear->setSelectSql("select * from TBL");
        dm.tblYear->open();
        dm.tblYear->edit();
    }
    void column(const QString& eng, const QString& formula) {
        grid::TableColumn c;
        c.eng = eng;
        c.formula = formula;
        columns.append(c);
    }
    QString text(const QString& field) { return dm.tblYear->text(field); }
};

TEST(RowFormulas, LeftToRightWithEmptyCellsAsZero) {
    EditedRow r;
    r.column("N1", "");
    r.column("N3", "[N1]*[N2]");        // 30
    r.column("N4", "[N3]+[N9]");        // N9 empty: 30 + 0, and sees N3 of this pass
    r.column("N5", "[N4]/[N9]");        // division by an empty cell: no value
    r.column("N6", " [n1] / 3 ");       // lower-case names, rounded to the column's 2 places
    r.column("N7", "[N2]*0.1");         // exactly 0.30, not 0.30000000000000004
    grid::applyRowFormulas(*r.dm.tblYear, r.columns);
    EXPECT_EQ(r.text("N3"), "30.00");
    EXPECT_EQ(r.text("N4"), "30.00");
    EXPECT_TRUE(r.dm.tblYear->isNull("N5"));
    EXPECT_EQ(r.text("N6"), "3.33");
    EXPECT_EQ(r.text("N7"), "0.30");
    r.dm.tblYear->post();
    EXPECT_EQ(r.dm.scalarText("select N6 from TBL"), "3.33");
}

TEST(RowFormulas, OnlyARowBeingEdited) {
    EditedRow r;
    r.dm.tblYear->cancel();
    r.column("N3", "[N1]+1");
    grid::applyRowFormulas(*r.dm.tblYear, r.columns);
    EXPECT_EQ(r.dm.tblYear->state(), data::DatasetState::Browse);
    EXPECT_TRUE(r.dm.tblYear->isNull("N3"));
}

TEST(RowFormulas, BrokenFormulaNamesItsColumn) {
    for (const char* formula : {"[N1]+", "[NX]*2", "[N1]*(2"}) {
        EditedRow r;
        r.column("N3", formula);
        try {
            grid::applyRowFormulas(*r.dm.tblYear, r.columns);
            ADD_FAILURE() << formula << " was accepted";
        } catch (const AppError& e) {
            EXPECT_TRUE(e.text().contains("N3")) << e.text().toStdString();
            EXPECT_TRUE(e.text().contains(formula)) << e.text().toStdString();
        }
    }
}

}  // namespace
