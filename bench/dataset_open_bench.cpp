// Opening the data dataset on a large TBL: every row is fetched on open.
#include "data/data_module.h"
#include "fb/statement.h"
#include "process_memory.h"
#include "test_database.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <unistd.h>

using namespace vexo;

namespace {

constexpr int kRows = 100000;

test::TestDatabase& bigDatabase() {
    static std::unique_ptr<test::TestDatabase> db = [] {
        auto d = std::make_unique<test::TestDatabase>(test::schemaScripts());
        // 100 institutions x 4 quarters x 250 rows, ten numbers and a text per row.
        d->runScript(
            "set term ^ ;\n"
            "execute block as\n"
            "declare l integer = 0; declare p integer; declare r integer;\n"
            "begin\n"
            "  while (l < 100) do begin\n"
            "    p = 1;\n"
            "    while (p <= 4) do begin\n"
            "      r = 1;\n"
            "      while (r <= 250) do begin\n"
            "        insert into TBL (NTBL, LPU, PERIOD, GOD, \"ROW\", N1, N2, N3, N4, N5, N6, N7, N8, N9, N10, C1)\n"
            "        values (1, '01' || lpad(:l, 4, '0'), decode(:p, 1, 'I', 2, 'II', 3, 'III', 'IV'), 2024,\n"
            "                lpad(:r, 3, '0'), :r, :r * 2, :r * 3, :r + 0.25, :r + 0.5, 1, 2, 3, 4, 5, 'Строка ' || :r);\n"
            "        r = r + 1;\n"
            "      end\n"
            "      p = p + 1;\n"
            "    end\n"
            "    l = l + 1;\n"
            "  end\n"
            "end^\n"
            "set term ; ^\n");
        return d;
    }();
    return *db;
}

void BM_OpenTblYear(benchmark::State& state) {
    test::TestDatabase& db = bigDatabase();
    data::TfDM dm;
    dm.connectDatabase(db.params());
    dm.tblYear->setSelectSql("select * from TBL where NTBL = 1 and GOD = 2024");
    // Growth of the process on the first open: the rows and everything they brought along.
    const long before = test::residentKb();
    dm.tblYear->open();
    const long firstOpenKb = test::residentKb() - before;
    for (auto _ : state) {
        dm.tblYear->close();
        dm.tblYear->open();
        if (dm.tblYear->recordCount() != kRows) state.SkipWithError("wrong row count");
    }
    state.counters["rows/s"] = benchmark::Counter(static_cast<double>(kRows) * static_cast<double>(state.iterations()),
                                                  benchmark::Counter::kIsRate);
    state.counters["rows_MB"] = static_cast<double>(dm.tblYear->memoryBytes()) / 1048576.0;
    state.counters["bytes/row"] = static_cast<double>(dm.tblYear->memoryBytes()) / kRows;
    state.counters["first_open_RSS_MB"] = static_cast<double>(firstOpenKb) / 1024.0;
}
BENCHMARK(BM_OpenTblYear)->Unit(benchmark::kMillisecond)->Iterations(5);

// The server's share: the same rows fetched and decoded, kept nowhere.
void BM_FetchOnly(benchmark::State& state) {
    test::TestDatabase& db = bigDatabase();
    fb::Attachment a = db.connectAgain();
    fb::Transaction tr(a);
    for (auto _ : state) {
        fb::Statement st(tr, "select * from TBL where NTBL = 1 and GOD = 2024");
        st.execute();
        int n = 0;
        while (st.fetch()) ++n;
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_FetchOnly)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
