// EXEC of a modified 150-leg route (Seattle to New York): the copy into the active route, the LNAV
// leg, the vertical profile's distance passes and the modified route rebuilt from the active one.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "fmc/fmc_globals.h"
#include "fmc/route_exec.h"
#include "fmc/route_model.h"
#include "module/module_state.h"
#include "sim/tick_globals.h"

namespace {

constexpr int32_t kLegs = 150;

void ModifiedRoute() {
  for (int32_t i = 0; i <= kLegs; ++i) {
    RouteLeg& leg = fms_fpln_mod[i];
    ResetRouteLeg(leg);
    char ident[16];
    std::snprintf(ident, sizeof ident, "F%04d", i);
    leg.ident = i == 0 ? "KSEA" : i == kLegs ? "KJFK" : ident;
    leg.type = i == 0 || i == kLegs ? "APT" : "INT";
    leg.lat = 47.449 - 6.8 * i / kLegs;
    leg.lon = -122.309 + 48.5 * i / kLegs;
    char airway[16];
    std::snprintf(airway, sizeof airway, "J%d", i / 10);
    if (i % 10 != 0) leg.via = airway;
  }
  fp_mod_cnt = kLegs;
  // Already the route's airports: no airport file is read inside the loop.
  orig_ident = "KSEA";
  dest_ident = "KJFK";
  stpos = 12;
  plane_lat = fms_fpln_mod[12].lat + 0.05;
  plane_lon = fms_fpln_mod[12].lon - 0.2;
}

void BM_ExecRoute(benchmark::State& state) {
  ResetModuleState();
  ModifiedRoute();
  cruise_alt = static_cast<int32_t>(state.range(0));
  for (auto _ : state) {
    fms_fpln_active = 4;
    ExecRoute();
    benchmark::DoNotOptimize(fp_cnt);
  }
  state.SetItemsProcessed(state.iterations() * kLegs);
}
// Without a cruise altitude (no profile) and with one.
BENCHMARK(BM_ExecRoute)->Arg(0)->Arg(35000)->Unit(benchmark::kMicrosecond);

}  // namespace
