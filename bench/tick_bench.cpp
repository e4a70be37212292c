// The per-tick driver with the simulator stand-in in-process: one full tick (token 1 advancing every
// iteration), the same on an active route in cruise (every tick, and the route-block ticks alone),
// and the cheap repeat call that every further gauge of the same tick makes.
#include <benchmark/benchmark.h>

#include <string>

#include "afds/afds_globals.h"
#include "afds/route_progress_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_model.h"
#include "module/main_update.h"
#include "module/module_entry.h"
#include "module/module_state.h"
#include "sim/tick_globals.h"
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

// One tick per iteration; with `every_tick_a_route_slot` each tick runs the route block with the
// T/C and T/D steps (slot 8 of the display cycle).
void TickLoop(benchmark::State& state, void (*setup)(simhost::Host&), bool every_tick_a_route_slot) {
  ResetModuleState();
  simhost::Host h;
  h.Attach(&ImportTable, &Linkage);
  setup(h);
  double tick = 0.0;
  for (auto _ : state) {
    tick += 1.0;
    h.SetToken(1, tick);
    if (every_tick_a_route_slot) redraw_tick = 7;
    MainUpdate();
  }
  benchmark::DoNotOptimize(plane_trk_mag);
  benchmark::DoNotOptimize(dist_to_active_wpt);
}

void BM_MainUpdateTick(benchmark::State& state) { TickLoop(state, SetCruise, false); }
BENCHMARK(BM_MainUpdateTick)->Unit(benchmark::kMicrosecond);

// An active route of `legs` legs eastbound along 47 N, flown with LNAV and VNAV in cruise, the
// aircraft on leg 11 (the route following walks the legs ahead), an altitude constraint on leg 40.
void SetActiveRouteInCruise(simhost::Host& h, int legs) {
  SetCruise(h);
  h.SetToken(71, 47.0 * 111130.555557);
  h.SetToken(72, (360.0 - 122.0 + 5.2) * 781874935307.4);
  h.SetToken(103, 1.0);
  for (int i = 0; i <= legs; ++i) {
    RouteLeg& leg = fms_fpln_act[i];
    ResetRouteLeg(leg);
    leg.ident = "WP" + std::to_string(i);
    leg.lat = 47.0;
    leg.lon = -122.0 + 0.5 * i;
  }
  fms_fpln_act[40].restr = 1;
  fms_fpln_act[40].alt = 11000.0;
  fp_cnt = legs;
  stpos = 11;
  fms_fpln_active = 3;
  lnav_leg[0].FrId = fms_fpln_act[10].ident;
  lnav_leg[0].fr_lat = fms_fpln_act[10].lat;
  lnav_leg[0].fr_lon = fms_fpln_act[10].lon;
  lnav = 1;
  vnav = 1;
  cruise_alt = init_cruise_alt = 35000;
  toc = 1;
  toc_dist_done = 1;
  tod_lat = 47.0;
  tod_lon = -122.0 + 0.5 * 35;
  last_restr_lat = tod_lat;
  last_restr_lon = tod_lon;
  ap_master = 1.0;
}

void SetActiveRoute50InCruise(simhost::Host& h) { SetActiveRouteInCruise(h, 50); }
void SetActiveRoute200InCruise(simhost::Host& h) { SetActiveRouteInCruise(h, 200); }

void BM_MainUpdateTickOnActiveRoute(benchmark::State& state) { TickLoop(state, SetActiveRoute50InCruise, false); }
BENCHMARK(BM_MainUpdateTickOnActiveRoute)->Unit(benchmark::kMicrosecond);

void BM_MainUpdateRouteBlockTick(benchmark::State& state) { TickLoop(state, SetActiveRoute50InCruise, true); }
BENCHMARK(BM_MainUpdateRouteBlockTick)->Unit(benchmark::kMicrosecond);

// The longest route the tables hold.
void BM_MainUpdateRouteBlockTick200Legs(benchmark::State& state) { TickLoop(state, SetActiveRoute200InCruise, true); }
BENCHMARK(BM_MainUpdateRouteBlockTick200Legs)->Unit(benchmark::kMicrosecond);

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
