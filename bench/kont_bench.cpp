// Control conditions evaluated by KONT on the demo database (embedded engine):
// every condition of every table, for one institution and for all members of a
// district consolidation.
#include "fb/attachment.h"
#include "fb/statement.h"
#include "fb/transaction.h"
#include "test_database.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace vexo;

namespace {

struct Call {
    std::string lpu;
    std::string period;
    std::string number;
};

fb::Attachment& demo() {
    static test::TempDir dir("vexo-kont-bench");
    static fb::Attachment db = [] {
        test::useEmbeddedEngine();
        const auto copy = dir.path() / "vexo.gdb";
        std::filesystem::copy_file(VEXO_DEMO_DATABASE, copy);
        fb::ConnectParams p;
        p.database = copy.string();
        return fb::Attachment::attach(p);
    }();
    return db;
}

std::vector<std::vector<fb::Value>> rows(fb::Transaction& tr, const std::string& sql,
                                         const std::vector<fb::Value>& params = {}) {
    fb::Statement st(tr, sql);
    st.execute(params);
    std::vector<std::vector<fb::Value>> out;
    while (st.fetch()) out.push_back(st.row());
    return out;
}

// Every condition number of every table, with a period the institution reported it for in 2024.
std::vector<Call> callsFor(fb::Transaction& tr, const std::vector<std::string>& institutions) {
    std::vector<Call> calls;
    const auto ranges = rows(tr, "select FORMA, USL1, USL2 from USLK order by AUTOINC");
    for (const std::string& lpu : institutions) {
        for (const auto& r : ranges) {
            const auto period = rows(tr, "select first 1 PERIOD from TBL where NTBL = ? and LPU = ? and GOD = 2024",
                                     {std::stoi(r[0].toText()), lpu});
            if (period.empty()) continue;
            for (long n = std::stol(r[1].toText()); n <= std::stol(r[2].toText()); ++n) {
                char number[16];
                std::snprintf(number, sizeof number, "%08ld", n);
                calls.push_back({lpu, period[0][0].toText(), number});
            }
        }
    }
    return calls;
}

void runCalls(benchmark::State& state, const std::vector<std::string>& institutions) {
    fb::Transaction tr(demo());
    const std::vector<Call> calls = callsFor(tr, institutions);
    fb::Statement kont(tr, "select * from KONT('one', ?, ?, '2024', '', '010', ?)");
    long violations = 0;
    for (auto _ : state) {
        violations = 0;
        for (const Call& c : calls) {
            kont.execute({c.lpu, c.period, c.number + "$+$"});
            while (kont.fetch()) ++violations;
        }
    }
    state.counters["conditions"] = static_cast<double>(calls.size());
    state.counters["conditions/s"] = benchmark::Counter(
        static_cast<double>(calls.size()) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["violations"] = static_cast<double>(violations);
}

void BM_KontOneInstitution(benchmark::State& state) { runCalls(state, {"010101"}); }
BENCHMARK(BM_KontOneInstitution)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_KontDistrictMembers(benchmark::State& state) {
    fb::Transaction tr(demo());
    std::vector<std::string> members;
    // The institutions of district 01.
    for (const auto& r : rows(tr, "select A from KODIF where RAION = '01' and coalesce(A3, '') = '' order by A"))
        members.push_back(r[0].toText());
    tr.commit();
    runCalls(state, members);
}
BENCHMARK(BM_KontDistrictMembers)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
