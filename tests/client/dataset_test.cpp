#include "connected_module.h"
#include "data/data_module.h"
#include "data/dataset_model.h"
#include "fb/error.h"
#include "scripted_dialogs.h"
#include "test_database.h"
#include "ui/app_error.h"

#include <gtest/gtest.h>

using namespace vexo;

namespace {

using Module = test::ConnectedModule;

fb::Numeric num(const char* text) {
    fb::Numeric n;
    fb::Numeric::parse(text, 2, n);
    return n;
}

}  // namespace

TEST(Dataset, DataRowRoundTripByClientKey) {
    Module m;
    data::Dataset& t = *m.dm.tblYear;
    t.setSelectSql("select * from TBL");
    t.open();
    t.append();
    t.setValue("NTBL", 5);
    t.setValue("LPU", "010101");
    t.setValue("PERIOD", "I");
    t.setValue("GOD", 2024);
    t.setValue("ROW", "001");
    t.setValue("TIPSVODA", 0);
    t.setValue("N1", "1234567890123456.78");  // beyond a double's exact range
    t.setValue("C1", "Главный врач О'Нил");
    t.post();
    EXPECT_EQ(m.dm.scalarText("select N1 from TBL"), "1234567890123456.78");
    EXPECT_EQ(m.dm.scalarText("select C1 from TBL"), "Главный врач О'Нил");

    t.edit();
    t.setValue("N2", QVariant::fromValue(num("-0.50")));
    t.setValue("N1", QVariant());
    t.post();
    EXPECT_EQ(m.dm.scalarText("select N2 from TBL"), "-0.50");
    EXPECT_EQ(m.count("select count(*) from TBL where N1 is null"), 1);

    // Another row of the same key but another period, then delete only that one.
    t.append();
    for (auto [f, v] : {std::pair{"NTBL", QVariant(5)}, {"LPU", "010101"}, {"PERIOD", "II"}, {"GOD", 2024},
                        {"ROW", "001"}, {"TIPSVODA", 0}})
        t.setValue(f, v);
    t.post();
    EXPECT_EQ(m.count("select count(*) from TBL"), 2);
    ASSERT_TRUE(t.locate(QStringList{"PERIOD"}, QVariantList{"II"}));
    EXPECT_EQ(t.text("PERIOD"), "II");
    t.remove();
    EXPECT_EQ(m.count("select count(*) from TBL"), 1);
    EXPECT_EQ(m.dm.scalarText("select PERIOD from TBL"), "I");
    t.open();
    EXPECT_EQ(t.recordCount(), 1);
    EXPECT_EQ(QString::fromStdString(t.value("N2").value<fb::Numeric>().toString()), "-0.50");
}

TEST(Dataset, ARowKeyedByAServerDefaultCanBeEditedAfterItsInsert) {
    Module m;
    data::Dataset& t = *m.dm.tblYear;
    t.setSelectSql("select * from TBL");
    t.open();
    t.append();
    for (auto [f, v] : {std::pair{"NTBL", QVariant(3)}, {"LPU", "010101"}, {"PERIOD", "I"}, {"GOD", 2024}, {"ROW", "001"}})
        t.setValue(f, v);
    t.post();  // TIPSVODA comes from the column's default
    EXPECT_EQ(t.asInt("TIPSVODA"), 0);
    t.setValue("N1", 5);
    t.post();
    EXPECT_EQ(m.dm.scalarText("select N1 from TBL"), "5.00");
}

TEST(Dataset, ListTableRowsNumberThemselves) {
    Module m;
    m.dm.setCurrentTableKind("свод:список");
    data::Dataset& s = *m.dm.svod;
    s.setSelectSql("select * from SVOD");
    s.open();
    for (int i = 0; i < 2; ++i) {
        s.append();
        for (auto [f, v] : {std::pair{"NTBL", QVariant(7)}, {"LPU", "011166"}, {"PERIOD", "год"}, {"GOD", 2024},
                            {"ROW", "001"}})
            s.setValue(f, v);
        s.post();
    }
    m.dm.commitRetaining();
    EXPECT_EQ(m.count("select count(distinct TIPSVODA) from SVOD"), 2);
    EXPECT_EQ(m.count("select count(*) from SVOD where TIPSVODA = 0"), 0);
    // Editing one of them touches that row only.
    s.first();
    s.setValue("N1", 9);
    s.post();
    EXPECT_EQ(m.count("select count(*) from SVOD where N1 = 9"), 1);

    m.dm.setCurrentTableKind("свод:_сумма");
    s.append();
    for (auto [f, v] : {std::pair{"NTBL", QVariant(8)}, {"LPU", "011166"}, {"PERIOD", "год"}, {"GOD", 2024},
                        {"ROW", "001"}})
        s.setValue(f, v);
    s.post();
    EXPECT_EQ(m.count("select TIPSVODA from SVOD where NTBL = 8"), 0);
}

TEST(Dataset, IdentifiersAndDisplayOrderOfNewRows) {
    Module m;
    data::Dataset& c = *m.dm.columns;
    c.open();
    for (const char* eng : {"n1", "n2"}) {
        c.append();
        c.setValue("TBL", 5);
        c.setValue("ENG", eng);
        c.setValue("RUS", eng);
        c.post();
    }
    EXPECT_EQ(m.count("select count(*) from COLUMNS where NEXT = AUTOINC"), 2);
    EXPECT_EQ(m.dm.scalarText("select ENG from COLUMNS order by NEXT desc rows 1"), "n2");
}

TEST(Dataset, PeriodAndTerritoryFilters) {
    Module m;
    m.db.runScript(
        "insert into PERIOD (A, B) values ('I', 'I квартал');\n"
        "insert into PERIOD (A, B) values ('102', 'Январь - Февраль');\n"
        "insert into PERIOD (A, B) values ('1-3', '1-3 кварталы');\n"
        "insert into PERIOD (A, B) values ('01', 'Январь');\n"
        "insert into KODIF (A, C, B, B1, A3, RAION) values ('010101', '0101', 'ЦРБ', 'ЦРБ', null, '01');\n"
        "insert into KODIF (A, C, B, B1, A3, RAION) values ('010100', '0100', 'Район', 'Район', '', '01');\n"
        "insert into KODIF (A, C, B, B1, A3, RAION) values ('011166', '1166', 'Область', 'Область', '0101', '11');\n");
    m.dm.openAll();
    m.dm.setPeriodFilter(true);
    EXPECT_EQ(m.dm.period->recordCount(), 2);
    m.dm.setPeriodFilter(false);
    EXPECT_EQ(m.dm.period->recordCount(), 4);

    struct Case {
        int mode;
        int expected;
    } cases[] = {{0, 2}, {1, 1}, {2, 3}};
    m.dm.setLpuFiltered(true);
    for (const Case& c : cases) {
        m.dm.setLpuFilterMode(c.mode);
        EXPECT_EQ(m.dm.lpu->recordCount(), c.expected) << c.mode;
    }
    // Names behind codes come from the rows, not from a query per cell.
    m.dm.setLpuFilterMode(2);
    EXPECT_EQ(m.dm.lpu->lookup("A", "011166", "B").toString(), "Область");
    EXPECT_FALSE(m.dm.lpu->lookup("A", "999999", "B").isValid());
}

TEST(DataModule, NextIdentifierRestoresTheQueryText) {
    Module m;
    m.dm.tmpQuery->setSelectSql("select 1 from rdb$database");
    const qint64 a = m.dm.nextId(1);
    EXPECT_EQ(m.dm.nextId(5), a + 5);
    EXPECT_EQ(m.dm.tmpQuery->selectSql(), "select 1 from rdb$database");
    m.db.runScript("drop generator GEN_COLUMNS_ID;");
    EXPECT_THROW(m.dm.nextId(1), fb::Error);
    EXPECT_EQ(m.dm.tmpQuery->selectSql(), "select 1 from rdb$database");
}

TEST(DataModule, DatasetsByNameAndTheUnknownOne) {
    Module m;
    test::ScriptedDialogs dialogs;
    EXPECT_EQ(m.dm.findDatasetByName("SPRDATE3"), m.dm.dataset("sprDate3"));
    EXPECT_EQ(m.dm.findDatasetByName("dolgn"), m.dm.DOLGN);
    EXPECT_EQ(m.dm.findDatasetByName("nope"), nullptr);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, "Ошибка в генераторе таблиц: неизвестный справочник!");
    EXPECT_EQ(dialogs.messages[0].icon, ui::Icon::Warning);
    EXPECT_EQ(m.dm.datasets().size(), 23u + 32u + 2u);
}

TEST(DataModule, AReferenceCodeInTwoGroupsIsEditedInItsOwnGroup) {
    Module m;
    m.db.runScript(
        "insert into SPRDATE (A, B, GR) values ('1', 'Да', 'YesNo');\n"
        "insert into SPRDATE (A, B, GR) values ('1', 'Врачи', 'personal');\n");
    data::Dataset& yes = *m.dm.dataset("YesNo");
    yes.open();
    yes.setValue("B", "Да, конечно");
    yes.post();
    EXPECT_EQ(m.dm.scalarText("select B from SPRDATE where GR = 'personal'"), "Врачи");
    EXPECT_EQ(m.dm.scalarText("select B from SPRDATE where GR = 'YesNo'"), "Да, конечно");
}

TEST(Dataset, PostedRowsAreCommittedForOthers) {
    Module m;
    data::Dataset& t = *m.dm.tblYear;
    t.setSelectSql("select * from TBL");
    t.open();
    t.append();
    for (auto [f, v] : {std::pair{"NTBL", QVariant(1)}, {"LPU", "010101"}, {"PERIOD", "I"}, {"GOD", 2024},
                        {"ROW", "001"}, {"TIPSVODA", 0}, {"N3", 17}})
        t.setValue(f, v);
    t.post();
    fb::Attachment other = m.db.connectAgain();
    fb::Transaction tr(other);
    fb::Statement st(tr, "select N3 from TBL");
    st.execute();
    ASSERT_TRUE(st.fetch());
    EXPECT_EQ(st.value(0).toText(), "17.00");
}

TEST(Dataset, BadNumbersAreRefusedWithARussianText) {
    Module m;
    data::Dataset& t = *m.dm.tblYear;
    t.setSelectSql("select * from TBL");
    t.open();
    t.append();
    try {
        t.setValue("N1", "12,3,4");
        FAIL();
    } catch (const AppError& e) {
        EXPECT_EQ(e.text(), "«12,3,4» не является допустимым числом.");
    }
    t.cancel();
    EXPECT_EQ(t.recordCount(), 0);
}

TEST(DatasetModel, FollowsTheDataset) {
    Module m;
    data::Dataset& g = *m.dm.grpName;
    g.open();
    data::DatasetModel model(&g);
    model.setColumns({"A", "B"}, {"Код", "Тема"});
    EXPECT_EQ(model.rowCount(), 0);
    g.append();
    g.setValue("A", "100");
    g.setValue("B", "Квартальные");
    g.setValue("PERIOD", "кв");
    g.post();
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.data(model.index(0, 1), Qt::DisplayRole).toString(), "Квартальные");
    EXPECT_TRUE(model.setData(model.index(0, 1), "Квартальные формы", Qt::EditRole));
    g.post();
    EXPECT_EQ(m.dm.scalarText("select B from GRPNAME"), "Квартальные формы");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Тема");
}
