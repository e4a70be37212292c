// ResetModuleState runs before every test case, so it must stay cheap; of the stored-plan tables
// only the rows built since are dropped.
#include <benchmark/benchmark.h>

#include "fmc/fmc_globals.h"
#include "module/module_state.h"

static void BM_ResetModuleState(benchmark::State& state) {
  for (auto _ : state) ResetModuleState();
}
BENCHMARK(BM_ResetModuleState);

// A built plan list of ten rows and its fixed row (each row built, then dropped).
static void BM_ResetModuleStateWithPlanList(benchmark::State& state) {
  for (auto _ : state) {
    fpl_list_loaded = 11;
    for (int32_t row = 1; row <= 11; ++row) fpl_store[row].name = "PLAN.RTE";
    ResetModuleState();
  }
}
BENCHMARK(BM_ResetModuleStateWithPlanList);
