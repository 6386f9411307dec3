// Opening a large statistical table in the grid: the grid built from its
// metadata, the data selected and the first screen painted (offscreen),
// by the grid's builder alone and through the real main window.
#include "data/data_module.h"
#include "data/settings_store.h"
#include "data_grid.h"
#include "dataset_navigator.h"
#include "grid_host.h"
#include "startup/error_report.h"
#include "table_grid_builder.h"
#include "process_memory.h"
#include "test_database.h"
#include "workspace/tf_main.h"

#include <QApplication>
#include <QPixmap>
#include <QSettings>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <unistd.h>

using namespace vexo;

namespace {

constexpr int kRows = 999;
constexpr int kNumbers = 30;
constexpr int kTable = 300;

// Table 300: institution, period, year, row name and number, then N1..N30
// under a three-level header; 999 fixed rows filled for one institution.
test::TestDatabase& bigTable() {
    static std::unique_ptr<test::TestDatabase> db = [] {
        auto d = std::make_unique<test::TestDatabase>(test::schemaScripts());
        std::string s =
            "INSERT INTO KODIF (A, C, B, B1, RAION) VALUES ('010001', '01', 'ЦРБ', 'Центральная районная больница', '01');\n"
            "INSERT INTO GRPNAME (A, B, PERIOD) VALUES ('010', 'Кадры', 'гд');\n"
            "INSERT INTO TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW, ALIGNGR, ALIGNGR_800, GETCELLPARAMS)"
            " VALUES ('010', '0300000', '001100', '300', 'Штаты', 'свод:_сумма', '999', '5', '3', 'N5');\n";
        // The period list in the order whose positions the main window relies on.
        const char* periods[][2] = {{"I", "I квартал"},   {"II", "II квартал"},    {"III", "III квартал"},
                                    {"IV", "IV квартал"}, {"Iп", "I полугодие"},   {"IIп", "II полугодие"},
                                    {"год", "Весь год"},  {"01", "Январь"},        {"02", "Февраль"}};
        for (auto& p : periods)
            s += std::string("INSERT INTO PERIOD (A, B) VALUES ('") + p[0] + "', '" + p[1] + "');\n";
        const char* service[][3] = {{"lpu_", "Учреждение=120", "lpu"}, {"period_", "Период=60", "period"},
                                    {"god", "Год=40", ""},              {"row_B", "Наименование=200", "rows"},
                                    {"row_A", "№ стр.=40", ""}};
        int id = 1;
        for (auto& c : service)
            s += "INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, SPR, NEXT) VALUES (" + std::to_string(id) + ", " +
                 std::to_string(kTable) + ", 0, '" + c[0] + "', '" + c[1] + "', " +
                 (c[2][0] ? "'" + std::string(c[2]) + "'" : std::string("NULL")) + ", " + std::to_string(id) + ");\n",
                ++id;
        for (int n = 1; n <= kNumbers; ++n, ++id) {
            const std::string group = n <= 10 ? "Штатные должности" : n <= 20 ? "Занятые должности" : "Физические лица";
            const std::string sub = n % 10 < 5 && n % 10 != 0 ? "в поликлинике" : "в стационаре";
            s += "INSERT INTO COLUMNS (AUTOINC, TBL, GOD, ENG, RUS, DECIMAL_FM, NEXT) VALUES (" + std::to_string(id) +
                 ", " + std::to_string(kTable) + ", 0, 'n" + std::to_string(n) + "', '" + group + "|" + sub +
                 "|графа " + std::to_string(n) + "', '" + (n > 20 ? "0" : "2") + "', " + std::to_string(id) + ");\n";
        }
        s += "INSERT INTO CELLS (AUTOINC, TBLNAME, \"ROWS\", COL, COLORFLD) VALUES (1, '300', '1,2,3,10,20', 'N5', 'gray');\n";
        d->runScript(s);
        d->runScript(
            "set term ^ ;\n"
            "execute block as\n"
            "declare r integer = 1;\n"
            "begin\n"
            "  while (r <= " + std::to_string(kRows) + ") do begin\n"
            "    insert into \"ROWS\" (TBL, GOD, A, B, C, ITEM) values (300, 0, lpad(:r, 3, '0'),\n"
            "      'Должность номер ' || :r, :r, :r);\n"
            "    insert into TBL (NTBL, LPU, PERIOD, GOD, \"ROW\", N1, N2, N3, N4, N5, N6, N7, N8, N9, N10,\n"
            "      N11, N12, N13, N14, N15, N16, N17, N18, N19, N20, N21, N22, N23, N24, N25, N26, N27, N28, N29, N30)\n"
            "    values (300, '010001', 'год', 2024, lpad(:r, 3, '0'), :r, :r + 0.5, :r * 2, 0, :r, 1, 2, 3, 4, 5,\n"
            "      6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25);\n"
            "    r = r + 1;\n"
            "  end\n"
            "end^\n"
            "set term ; ^\n");
        d->commit();
        return d;
    }();
    return *db;
}

// The main window as far as opening the table goes.
class BenchHost : public grid::GridHost {
public:
    data::TfDM* dm = nullptr;
    grid::DatasetNavigator navigator;

    std::optional<grid::CatalogueTable> makeTableCurrent(const QString& title) override {
        grid::CatalogueTable t;
        t.number = kTable;
        t.title = title;
        t.formKod = "0300000";
        t.tblKod = "001100";
        t.vidSvoda = "свод:_сумма";
        t.alignGr = "5";
        t.alignGr800 = "3";
        t.getCellParams = "N5";
        return t;
    }
    void showFormAndTableCodes(const QString&, const QString&) override {}
    void showTableTitle(const QString&) override {}
    void refreshPeriodicityLabel() override {}
    int reportingYear() const override { return 2024; }
    void selectData() override {
        dm->tblYear->setSelectSql(
            "select * from tbl, \"ROWS\" where Ntbl=300 and period='год' and tbl.god=2024 and lpu='010001'"
            " and tbl.\"ROW\"=\"ROWS\".a  and tbl=300 order by \"ROWS\".item");
        dm->tblYear->open();
    }
    void tickReportingPeriodOnly() override {}
    void setSelectionBoxesLocked(bool) override {}
    void refreshState() override {}
    void setTableAccessible(bool) override {}
    void setCommentsButtonVisible(bool) override {}
    void setClearTableMenu(bool) override {}
    QList<grid::DatasetNavigator*> navigators() override { return {&navigator}; }
    int screenWidth() const override { return 1280; }
    grid::GridSettings settings() const override { return {}; }
    const startup::UserRights& rights() const override { return rights_; }
    QString programFolder() const override { return QStringLiteral("/nonexistent"); }

private:
    startup::UserRights rights_ = [] {
        startup::UserRights r;
        r.setPasswordsOff();
        return r;
    }();
};

void BM_OpenTableGrid(benchmark::State& state) {
    test::TestDatabase& db = bigTable();
    data::TfDM dm;
    dm.connectDatabase(db.params());
    dm.openAll();
    BenchHost host;
    host.dm = &dm;
    QWidget window;
    auto* grid = new grid::TDBGridEh(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(grid);
    window.resize(1280, 900);
    window.show();
    grid::TableGridBuilder builder(dm, *grid, host);

    const long before = test::residentKb();
    int painted = 0;
    for (auto _ : state) {
        builder.buildGrid(QStringLiteral("Штаты"), QStringLiteral("0300000"), QStringLiteral("001100"));
        // The first screen as the user sees it.
        const QPixmap first = window.grab();
        painted += first.isNull() ? 0 : 1;
        if (dm.tblYear->recordCount() != kRows || grid->columnCount() != kNumbers + 5)
            state.SkipWithError("wrong table shape");
    }
    state.counters["rows"] = dm.tblYear->recordCount();
    state.counters["columns"] = grid->columnCount();
    state.counters["rows_KB"] = static_cast<double>(dm.tblYear->memoryBytes()) / 1024.0;
    state.counters["RSS_growth_MB"] = static_cast<double>(test::residentKb() - before) / 1024.0;
    state.counters["RSS_MB"] = static_cast<double>(test::residentKb()) / 1024.0;
    benchmark::DoNotOptimize(painted);
}
BENCHMARK(BM_OpenTableGrid)->Unit(benchmark::kMillisecond)->Iterations(20);

// The shares of the whole: the data selection alone, and one paint of the open table.
void BM_SelectOnly(benchmark::State& state) {
    data::TfDM dm;
    dm.connectDatabase(bigTable().params());
    dm.openAll();
    BenchHost host;
    host.dm = &dm;
    for (auto _ : state) host.selectData();
}
BENCHMARK(BM_SelectOnly)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_PaintOpenTable(benchmark::State& state) {
    data::TfDM dm;
    dm.connectDatabase(bigTable().params());
    dm.openAll();
    BenchHost host;
    host.dm = &dm;
    QWidget window;
    auto* grid = new grid::TDBGridEh(&window);
    (new QVBoxLayout(&window))->addWidget(grid);
    window.resize(1280, 900);
    window.show();
    grid::TableGridBuilder builder(dm, *grid, host);
    builder.buildGrid(QStringLiteral("Штаты"), QStringLiteral("0300000"), QStringLiteral("001100"));
    for (auto _ : state) benchmark::DoNotOptimize(window.grab());
}
BENCHMARK(BM_PaintOpenTable)->Unit(benchmark::kMillisecond)->Iterations(20);

// The same table opened as the operator opens it: the real main window
// saves nothing pending, builds the grid, selects the data, refreshes its
// state, and the whole window is painted.
void BM_OpenInMainWindow(benchmark::State& state) {
    static test::TempDir placement("vexo-bench-placement");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(placement.path().string()));
    test::TempDir folder("vexo-bench-program");
    data::TfDM dm;
    dm.connectDatabase(bigTable().params());
    dm.openAll();
    data::SettingsStore(dm).write("LPUDefa", "010001", true);
    startup::ErrorReport errors(QString::fromStdString(folder.path().string()));
    workspace::TfMain window(dm, errors);
    window.setProgramFolder(QString::fromStdString(folder.path().string()));
    window.setClock([] { return QDate(2024, 5, 15); });
    window.rights().setPasswordsOff();
    window.resize(1280, 1024);
    window.show();
    if (window.currentTableInfo() == nullptr || dm.tblYear->recordCount() != kRows)
        state.SkipWithError("the table did not open");

    int painted = 0;
    for (auto _ : state) {
        window.openCurrentTable();
        const QPixmap first = window.grab();
        painted += first.isNull() ? 0 : 1;
        if (dm.tblYear->recordCount() != kRows || window.DBGridEh1->columnCount() != kNumbers + 5)
            state.SkipWithError("wrong table shape");
    }
    state.counters["rows"] = dm.tblYear->recordCount();
    state.counters["RSS_MB"] = static_cast<double>(test::residentKb()) / 1024.0;
    benchmark::DoNotOptimize(painted);
    window.close();
}
BENCHMARK(BM_OpenInMainWindow)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
