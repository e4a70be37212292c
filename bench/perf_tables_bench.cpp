// The look-ups the displays and the autoflight make on every paint or pass: the thrust-limit EPR over
// every thrust reference mode, and the N1-to-EPR conversion (one per engine and EICAS paint) over the
// four tables, with the simulator stand-in in-process for token 342.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "afds/afds_globals.h"
#include "fmc/engine_epr.h"
#include "fmc/perf_tables.h"
#include "fmc/thrust_limits.h"
#include "module/module_entry.h"
#include "module/module_state.h"
#include "sim/tick_globals.h"
#include "host/host.h"
#include "state/aircraft_id_globals.h"

namespace {

void BM_GetThrustLimitEpr(benchmark::State& state) {
  ResetModuleState();
  InitThrustLimitTables();
  engine_type = state.range(0) == 0 ? "RB211-535E4B" : "PW2040";
  gross_weight = 185000.0;
  int32_t i = 0;
  double sum = 0.0;
  for (auto _ : state) {
    tmsp = 1 + i % 7;
    plane_alt = 500.0 * (i % 83);
    sum += GetThrustLimitEpr(-25.0 + i % 97);
    ++i;
  }
  benchmark::DoNotOptimize(sum);
}
BENCHMARK(BM_GetThrustLimitEpr)->Arg(0)->Arg(1)->Unit(benchmark::kNanosecond);

void BM_ComputeEngineEpr(benchmark::State& state) {
  ResetModuleState();
  simhost::Host h;
  h.Attach(&ImportTable, &Linkage);
  InitPerformanceTables();
  engine_type = state.range(0) < 2 ? "RB211-535E4B" : "PW2040";
  h.SetToken(342, state.range(0) % 2 == 0 ? 3000.0 : 14000.0);
  true_airspeed = 450.0;
  int32_t i = 0;
  double sum = 0.0;
  for (auto _ : state) {
    sum += ComputeEngineEpr(55.0 + 0.37 * (i % 150));
    ++i;
  }
  benchmark::DoNotOptimize(sum);
}
// 0: table C, 1: D, 2: A, 3: B.
BENCHMARK(BM_ComputeEngineEpr)->DenseRange(0, 3)->Unit(benchmark::kNanosecond);

}  // namespace
