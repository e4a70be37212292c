// Panel-state files with a 150-leg active route: one save (text written whole, then put in place)
// and one named load (every line applied, the route read into the modified table), with the
// simulator stand-in in-process for the readers and named variables.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "fmc/fmc_globals.h"
#include "sim/sim_globals.h"
#include "module/module_entry.h"
#include "module/module_state.h"
#include "host/host.h"
#include "state/panel_state_files.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr int32_t kLegs = 150;

void SetLongRoute() {
  for (int32_t i = 0; i < kLegs; ++i) {
    RouteLeg& l = fms_fpln_act[i];
    char text[16];
    std::snprintf(text, sizeof text, "WP%d", i);
    l.ident = text;
    l.lat = 40.0 + i * 0.05;
    l.lon = -120.0 + i * 0.07;
    l.type = "INT";
    std::snprintf(text, sizeof text, "J%d", i % 90);
    l.via = text;
    l.proc = i < 10 ? "SID" : "";
    l.alt = i % 5 == 0 ? 12000.0 : -999.0;
    l.restr = i % 5 == 0 ? 1 : 0;
    l.ias = -999.0;
    l.intc_crs = -1.0;
  }
  fp_cnt = kLegs - 1;
  stpos = 5;
  fms_fpln_active = 3;
  lnav_leg[0].ToId = "WP5";
  lnav_leg[0].FrId = "WP4";
}

struct Bed {
  Bed() {
    ResetModuleState();
    host.Attach(&ImportTable, &Linkage);
    dir.MakeDir("Orvantel/PanelStates");
    sim_root = dir.path();
    aircraft = "orvantel 757 - 200";
    SetLongRoute();
  }
  ~Bed() { ResetModuleState(); }
  testing_support::TempDir dir;
  simhost::Host host;
};

void BM_SavePanelStateLongRoute(benchmark::State& state) {
  Bed bed;
  for (auto _ : state) SavePanelState("bench");
  benchmark::DoNotOptimize(bed.host.frame());
}
BENCHMARK(BM_SavePanelStateLongRoute)->Unit(benchmark::kMicrosecond);

void BM_LoadPanelStateLongRoute(benchmark::State& state) {
  Bed bed;
  SavePanelState("bench");
  for (auto _ : state) benchmark::DoNotOptimize(LoadPanelState("BENCH.PNL"));
  state.SetItemsProcessed(state.iterations() * kLegs);
}
BENCHMARK(BM_LoadPanelStateLongRoute)->Unit(benchmark::kMicrosecond);

}  // namespace
