// The per-tick driver with the simulator stand-in in-process: one full tick (token 1 advancing every
// iteration) and the cheap repeat call that every further gauge of the same tick makes.
#include <benchmark/benchmark.h>

#include "frame/main_update.h"
#include "frame/module_entry.h"
#include "frame/module_state.h"
#include "frame/tick_globals.h"
#include "host/host.h"

namespace {

// A cruising aircraft, so that every sample and the wind triangle take their working branches.
void SetCruise(simhost::Host& h) {
  h.SetToken(61, 280.0);
  h.SetToken(551, 450.0 * 1.68781);
  h.SetToken(64, 0.78 / (1.52587890625e-05 * 3.2));
  h.SetToken(71, 47.5 * 111130.555557);
  h.SetToken(72, 8.5 * 781874935307.4);
  h.SetToken(75, 1013.25);
  h.SetToken(81, 92.0);
  h.SetToken(86, 94.0);
  h.SetToken(82, 2.0);
  h.SetToken(343, 45.0);
  h.SetToken(344, 300.0);
  h.SetToken(614, 10000.0);
  h.SetToken(117, 1.0);
  h.SetToken(118, 0.78);
  h.SetExpression("(A:INDICATED ALTITUDE, feet)", 35000.0);
  h.SetExpression("(A:AUTOPILOT ALTITUDE LOCK VAR, feet)", 35000.0);
  h.SetExpression("(A:EMPTY WEIGHT,pounds)", 128000.0);
  h.SetExpression("(A:Payload Station Weight:1,pounds)", 30000.0);
}

void BM_MainUpdateTick(benchmark::State& state) {
  ResetModuleState();
  simhost::Host h;
  h.Attach(&ImportTable, &Linkage);
  SetCruise(h);
  double tick = 0.0;
  for (auto _ : state) {
    tick += 1.0;
    h.SetToken(1, tick);
    MainUpdate();
  }
  benchmark::DoNotOptimize(plane_trk_mag);
}
BENCHMARK(BM_MainUpdateTick)->Unit(benchmark::kMicrosecond);

void BM_MainUpdateRepeatCallInTick(benchmark::State& state) {
  ResetModuleState();
  simhost::Host h;
  h.Attach(&ImportTable, &Linkage);
  SetCruise(h);
  h.SetToken(1, 1.0);
  MainUpdate();
  for (auto _ : state) MainUpdate();
  benchmark::DoNotOptimize(ias);
}
BENCHMARK(BM_MainUpdateRepeatCallInTick)->Unit(benchmark::kMicrosecond);

}  // namespace
