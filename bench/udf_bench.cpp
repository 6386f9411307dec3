// Cost of the UDF functions the control procedures call per condition and per cycle step.

#include <benchmark/benchmark.h>

#include <string>

#include "core/coord.h"
#include "core/evaluator.h"
#include "core/variables.h"

namespace {

namespace udf = vexo::udf;

// A substituted condition side of about sixty characters.
const std::string kExpression = "(12.5+7,25)*3-4/2+(1000,75-250.5)/3+17*2-(8,5+1.5)*4-100/7";
const std::string kCondition = "0410100,1000,1:5,3>=0410100,1000,1:5,4+0410100,1000,1:5,5";

void BM_CalcExpression2(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(udf::calc_expression2(kExpression));
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(std::to_string(kExpression.size()) + " chars");
}
BENCHMARK(BM_CalcExpression2);

void BM_CalcExpression(benchmark::State& state) {
    const std::string expression = "0410100,1000,1:5,4+0410100,1000,1:5,5";
    const std::string names = "0410100,1000,1:5,4$0410100,1000,1:5,5$";
    const std::string values = "1250.5$37$";
    for (auto _ : state) benchmark::DoNotOptimize(udf::calc_expression(expression, names, values));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CalcExpression);

void BM_Vars(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(udf::vars(kCondition));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Vars);

void BM_CoordCycleRow(benchmark::State& state) {
    const std::string variable = "0410100,1000,1:5,3";
    for (auto _ : state) benchmark::DoNotOptimize(udf::coord(variable, "row", 3, 1));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CoordCycleRow);

void BM_CoordTermSign(benchmark::State& state) {
    const std::string variable = "2011,0001,0410100,1000,1+2+5\xCF" "7,3";
    for (auto _ : state) benchmark::DoNotOptimize(udf::coord(variable, "znak", 1, 4));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CoordTermSign);

void BM_CoordForm(benchmark::State& state) {
    const std::string variable = "01041,1000,1:5,3";
    for (auto _ : state) benchmark::DoNotOptimize(udf::coord(variable, "form", 1, 1));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CoordForm);

}  // namespace

BENCHMARK_MAIN();
