// ResetModuleState runs before every test case, so it must stay cheap; the stored-plan tables are
// reset only where they were used.
#include <benchmark/benchmark.h>

#include "fmc/fmc_globals.h"
#include "module/module_state.h"

static void BM_ResetModuleState(benchmark::State& state) {
  for (auto _ : state) ResetModuleState();
}
BENCHMARK(BM_ResetModuleState);

// A built plan list of ten rows (rows 0..11 reset in full).
static void BM_ResetModuleStateWithPlanList(benchmark::State& state) {
  for (auto _ : state) {
    fpl_list_loaded = 10;
    ResetModuleState();
  }
}
BENCHMARK(BM_ResetModuleStateWithPlanList);
