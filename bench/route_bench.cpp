// The route core: building a 150-leg route by waypoint insertions in front of the destination (as
// the RTE LEGS page adds fixes one by one), and one route-following step (the passage test and the
// along-route distances) on such a route in cruise.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "fmc/fmc_globals.h"
#include "fmc/route_edit.h"
#include "fmc/route_following.h"
#include "fmc/route_model.h"
#include "sim/sim_globals.h"
#include "module/module_state.h"
#include "sim/tick_globals.h"
#include "navdb/navdb_globals.h"

namespace {

constexpr int32_t kLegs = 150;

void StartRoute() {
  for (int32_t i = 0; i <= 1; ++i) {
    ResetRouteLeg(fms_fpln_mod[i]);
    fms_fpln_mod[i].ident = i == 0 ? "KSEA" : "KJFK";
    fms_fpln_mod[i].type = "APT";
  }
  fms_fpln_mod[0].lat = 47.449;
  fms_fpln_mod[0].lon = -122.309;
  fms_fpln_mod[1].lat = 40.640;
  fms_fpln_mod[1].lon = -73.779;
  fp_mod_cnt = 1;
  fms_fpln_active = 0;
  mod_stpos = 999;
}

void InsertLegs() {
  for (int32_t n = 1; n <= kLegs - 1; ++n) {
    NavRecord& c = nav_search_list[1];
    char ident[16];
    std::snprintf(ident, sizeof ident, "F%04d", n);
    SetText(c.ident, ident);
    SetText(c.type, "I");
    c.lat = 47.449 - 6.8 * n / kLegs;
    c.lon = -122.309 + 48.5 * n / kLegs;
    nav_search_cnt = 1;
    InsertTmpFplanWpt(fp_mod_cnt, 1);  // in front of the destination
  }
}

void BM_BuildRouteByInsertions(benchmark::State& state) {
  ResetModuleState();
  for (auto _ : state) {
    StartRoute();
    InsertLegs();
    benchmark::DoNotOptimize(fp_mod_cnt);
  }
  state.SetItemsProcessed(state.iterations() * (kLegs - 1));
}
BENCHMARK(BM_BuildRouteByInsertions)->Unit(benchmark::kMicrosecond);

// Cruise between the T/C and the T/D with the descent start known: every walk of the step runs.
void BM_RouteFollowingStep(benchmark::State& state) {
  ResetModuleState();
  StartRoute();
  InsertLegs();
  for (int32_t i = 0; i <= fp_mod_cnt; ++i) fms_fpln_act[i] = fms_fpln_mod[i];
  fp_cnt = fp_mod_cnt;
  fms_fpln_active = 3;
  stpos = 20;
  next_restr_leg = 140;
  cruise_alt = init_cruise_alt = 35000;
  toc = 1;
  toc_dist_done = 1;
  init_tod = 1;
  tod_stpos = 2;
  const RouteLeg& tod_leg = fms_fpln_act[120];
  tod_lat = last_restr_lat = tod_leg.lat;
  tod_lon = last_restr_lon = tod_leg.lon;
  const RouteLeg& active = fms_fpln_act[stpos];
  plane_lat = active.lat + 0.05;
  plane_lon = active.lon - 0.2;
  rel_leg_course = 110.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(IsActiveWptPassed());
    ComputeRouteDistances();
    benchmark::DoNotOptimize(dest_dtg);
  }
}
BENCHMARK(BM_RouteFollowingStep)->Unit(benchmark::kMicrosecond);

}  // namespace
