// Building a table's grid from its metadata for the reporting year.
#include "grid_fixture.h"
#include "grid_pane.h"
#include "scripted_dialogs.h"
#include "ui/app_error.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace vexo;

namespace {

std::string column(int id, int table, int god, const char* eng, const char* rus, const char* spr = nullptr,
                   const char* formula = nullptr) {
    auto quoted = [](const char* s) { return s ? "'" + std::string(s) + "'" : std::string("NULL"); };
    return "INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, FORMULA, NEXT) VALUES (" + std::to_string(id) + ", " +
           std::to_string(table) + ", " + std::to_string(god) + ", '" + eng + "', '" + rus + "', " + quoted(spr) +
           ", " + quoted(formula) + ", " + std::to_string(id) + ");\n";
}

std::string row(int table, int god, const char* a, const char* b, int item) {
    return "INSERT INTO \"ROWS\" (TBL, GOD, A, B, C, ITEM) VALUES (" + std::to_string(table) + ", " +
           std::to_string(god) + ", '" + a + "', '" + b + "', '" + a + "', " + std::to_string(item) + ");\n";
}

// Table 420 has versions 2007, 2010 and 2012 with fixed rows; 360 a version
// for 2013, 2014 and 2019; 200 one version; 9 uses a reference the module lacks.
std::string yearTables() {
    std::string s;
    int id = 100;
    for (int god : {2007, 2010, 2012}) {
        const std::string y = std::to_string(god);
        s += column(id++, 420, god, "lpu_", "Учреждение=120", "lpu");
        s += column(id++, 420, god, "row_B", "Строка", "rows");
        s += column(id++, 420, god, "n3", ("Коек " + y).c_str());
        s += row(420, god, "001", ("Всего " + y).c_str(), 1);
        s += row(420, god, "002", ("Взрослые " + y).c_str(), 2);
    }
    for (int god : {2013, 2014, 2019}) {
        s += column(id++, 360, god, "lpu_", "Учреждение", "lpu");
        s += column(id++, 360, god, "n1", ("Графа " + std::to_string(god)).c_str());
    }
    s += column(id++, 200, 0, "lpu_", "Учреждение", "lpu");
    s += column(id++, 200, 0, "n1", "Графа");
    s += column(id++, 9, 0, "lpu_", "Учреждение", "lpu");
    s += column(id++, 9, 0, "c1", "Примечание");
    s += column(id++, 9, 0, "n1", "Число");
    s += column(id++, 9, 0, "s1_", "Вид=80", "нетСпр");
    s += column(id++, 9, 0, "s2_", "Персонал", "personal");
    s += column(id++, 9, 0, "period_", "Период=60", "period");
    s += column(id++, 9, 0, "god", "Год=40");
    s += "INSERT INTO SPRDATE (A, B, GR) VALUES ('1', 'Врачи', 'personal');\n";
    s += "INSERT INTO SPRDATE (A, B, GR) VALUES ('2', 'Средний персонал', 'personal');\n";
    s += "INSERT INTO TBL (NTBL, LPU, PERIOD, GOD, \"ROW\", S2) VALUES (9, '010001', 'I', 2024, '001', '2');\n";
    return s;
}

grid::CatalogueTable table(int number, const QString& title, const QString& kind = "свод:_сумма") {
    grid::CatalogueTable t;
    t.number = number;
    t.title = title;
    t.formKod = "0200100";
    t.tblKod = "004200";
    t.vidSvoda = kind;
    t.alignGr = "2";
    t.alignGr800 = "1";
    return t;
}

struct YearFixture : test::GridFixture {
    test::ScriptedDialogs dialogs;
    YearFixture() : GridFixture(yearTables()) {
        addTable(table(420, "Таблица 420"));
        addTable(table(360, "Таблица 360"));
        addTable(table(200, "Таблица 200"));
        addTable(table(9, "Список 9", "свод:список"));
    }
    QStringList rowNames() {
        QStringList out;
        for (int r = 0; r < dm.rows->recordCount(); ++r) out << dm.rows->valueAt(r, dm.rows->fieldIndex("B")).toString();
        return out;
    }
};

TEST(TableGridBuilder, MetadataOfTheReportingYear) {
    YearFixture f;
    struct Case {
        int table, year;
        QStringList captions, rows;
    };
    const Case cases[] = {
        {420, 2010, {"Учреждение=120", "Строка", "Коек 2010"}, {"Всего 2010", "Взрослые 2010"}},
        {420, 2007, {"Учреждение=120", "Строка", "Коек 2007"}, {"Всего 2007", "Взрослые 2007"}},
        {420, 2005, {"Учреждение=120", "Строка", "Коек 2007"}, {"Всего 2007", "Взрослые 2007"}},
        {420, 2012, {"Учреждение=120", "Строка", "Коек 2012"}, {"Всего 2012", "Взрослые 2012"}},
        {360, 2011, {"Учреждение", "Графа 2013", "Учреждение", "Графа 2014", "Учреждение", "Графа 2019"}, {}},
        {360, 2014, {"Учреждение", "Графа 2014"}, {}},
        {360, 2025, {"Учреждение", "Графа 2019"}, {}},
        {200, 2016, {"Учреждение", "Графа"}, {}},
    };
    // One fixture for all: every opening rebuilds the grid from scratch.
    for (const Case& c : cases) {
        f.host.year = c.year;
        f.open(c.table == 420 ? "Таблица 420" : c.table == 360 ? "Таблица 360" : "Таблица 200");
        const std::string what = std::to_string(c.table) + " in " + std::to_string(c.year);
        EXPECT_EQ(f.builder->columns().captions(), c.captions) << what;
        EXPECT_EQ(f.grid->columnCount(), c.captions.size()) << what;
        EXPECT_EQ(f.builder->isRowMode(), !c.rows.isEmpty()) << what;
        if (!c.rows.isEmpty()) {
            EXPECT_EQ(f.rowNames(), c.rows) << what;
        }
    }
}

TEST(TableGridBuilder, TellsTheMainWindow) {
    YearFixture f;
    f.host.year = 2010;
    f.open("Таблица 420");
    // The column lists, read by position by other windows.
    EXPECT_EQ(f.builder->columns().fields(), (QStringList{"lpu_", "row_B", "n3"}));
    EXPECT_EQ(f.builder->columns().decimals(), (QStringList{"0", "0", "0"}));  // empty DECIMAL_FM reads "0"
    EXPECT_EQ(f.builder->columns().spr(), (QStringList{"lpu", "rows", ""}));
    EXPECT_EQ(f.builder->metadataCondition(), " and god=2010");
    EXPECT_EQ(f.host.formCode, "02001");
    EXPECT_EQ(f.host.tableCode, "4200");
    EXPECT_EQ(f.host.title, "Таблица 420");
    EXPECT_TRUE(f.host.periodTicked);
    EXPECT_TRUE(f.host.boxesLocked);
    EXPECT_FALSE(f.host.clearMenu);
    using B = grid::DatasetNavigator;
    EXPECT_FALSE(f.host.navigator.isButtonVisible(B::Edit));
    EXPECT_TRUE(f.host.navigator.isButtonVisible(B::Delete));
    EXPECT_EQ(f.host.navigator.hint(B::Insert), "Сформировать таблицу");
    EXPECT_EQ(f.host.navigator.hint(B::Delete), "Удалить таблицу");
    // Frozen count "2" of the wide screen; the first three columns are grey and read-only.
    EXPECT_EQ(f.grid->frozenCols(), 2);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(f.grid->columns()[i].readOnly) << i;

    f.host.periodTicked = false;
    f.open("Список 9");
    EXPECT_FALSE(f.builder->isRowMode());
    EXPECT_FALSE(f.host.periodTicked);
    EXPECT_FALSE(f.host.boxesLocked);
    EXPECT_TRUE(f.host.clearMenu);
    EXPECT_TRUE(f.host.navigator.isButtonVisible(B::Edit));
    EXPECT_EQ(f.host.navigator.hint(B::Insert), "");
}

TEST(TableGridBuilder, ReferenceListsAndDisplayNames) {
    YearFixture f;
    f.open("Список 9");
    EXPECT_EQ(f.dialogs.texts(), QStringList{"Ошибка в генераторе таблиц: неизвестный справочник!"});
    const QVector<grid::GridColumn>& columns = f.grid->columns();
    EXPECT_FALSE(columns[3].list.isSet());  // the unknown reference leaves the column without a list
    EXPECT_EQ(columns[3].width, 80);
    ASSERT_TRUE(columns[4].list.isSet());
    EXPECT_EQ(columns[4].list.source, f.dm.dataset("personal"));
    EXPECT_EQ(columns[4].list.keyField, "S2");
    ASSERT_TRUE(columns[0].list.isSet());
    EXPECT_EQ(columns[0].list.source, f.dm.lpu);
    EXPECT_TRUE(columns[5].upDown && columns[5].list.isSet());
    EXPECT_TRUE(columns[6].upDown);

    grid::GridModel* model = f.grid->gridModel();
    ASSERT_EQ(model->rowCount(), 1);
    EXPECT_EQ(model->index(0, 0).data().toString(), "ЦРБ");
    EXPECT_EQ(model->index(0, 4).data().toString(), "Средний персонал");  // code 2 shown by its name
    EXPECT_EQ(model->index(0, 5).data().toString(), "I квартал");

    // Choosing a name stores the code.
    EXPECT_TRUE(model->flags(model->index(0, 4)) & Qt::ItemIsEditable);
    ASSERT_TRUE(model->setData(model->index(0, 4), "1", Qt::EditRole));
    EXPECT_EQ(f.dm.tblYear->text("S2"), "1");
    EXPECT_EQ(model->index(0, 4).data().toString(), "Врачи");
    // The up buttons go on to the next period of the list and the next year.
    EXPECT_TRUE(model->step(model->index(0, 5), 1));
    EXPECT_EQ(f.dm.tblYear->text("PERIOD"), "II");
    EXPECT_TRUE(model->step(model->index(0, 6), 1));
    EXPECT_EQ(f.dm.tblYear->text("GOD"), "2025");
    // The first three columns are the grid's own: not editable.
    EXPECT_FALSE(model->flags(model->index(0, 1)) & Qt::ItemIsEditable);

    f.host.gridSettings.newLpuB = true;
    f.open("Список 9");
    EXPECT_EQ(f.grid->gridModel()->index(0, 0).data().toString(), "Центральная районная больница");
}

TEST(TableGridBuilder, RightsAndComments) {
    YearFixture f;
    test::TempDir folder;
    QDir(QString::fromStdString(folder.path().string())).mkpath("Txts");
    QFile note(QString::fromStdString((folder.path() / "Txts" / "200.txt").string()));
    ASSERT_TRUE(note.open(QIODevice::WriteOnly));
    note.close();
    f.host.folder = QString::fromStdString(folder.path().string());
    f.host.userRights = {};
    f.host.userRights.userName = "oper";
    f.host.userRights.visibleList = "101;102;";
    f.host.userRights.editableList = "200;";

    f.open("Таблица 200");
    EXPECT_FALSE(f.host.accessible);  // 200 is not among 101 and 102
    EXPECT_TRUE(f.grid->isHidden());
    EXPECT_TRUE(f.host.commentsVisible);

    f.host.userRights.visibleList = "200;";
    f.host.userRights.editableList = "20;";
    f.open("Таблица 200");
    EXPECT_TRUE(f.host.accessible);
    EXPECT_FALSE(f.grid->isHidden());
    EXPECT_TRUE(f.grid->isReadOnly());

    f.host.userRights.editableList = "1;200;";
    f.open("Таблица 360");
    EXPECT_FALSE(f.host.commentsVisible);
    EXPECT_FALSE(f.host.accessible);
    f.open("Таблица 200");
    EXPECT_FALSE(f.grid->isReadOnly());
}

TEST(TableGridBuilder, ThemeWithoutTables) {
    YearFixture f;
    try {
        f.builder->buildGrid("", "", "");
        FAIL() << "an empty title was accepted";
    } catch (const AppError& e) {
        EXPECT_EQ(e.text(), "В данной теме отсутствуют таблицы!");
    }
}

}  // namespace
