// One raster paint of each moving map in MAP at 40 NM around Seattle with the example database,
// stations, airports and waypoints shown, through its paint entry (frame, layers and overlay); and
// the same with a 30-leg route executed, a modified copy of it pending, both runways and the route
// data shown.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "afds/afds_services.h"
#include "afds/route_progress_globals.h"
#include "draw/display_surface.h"
#include "sim/sim_globals.h"
#include "module/module_entry.h"
#include "module/module_state.h"
#include "module/paint_entries.h"
#include "fmc/fmc_globals.h"
#include "sim/tick_globals.h"
#include "host/host.h"
#include "navdb/airport_loader.h"
#include "navdb/nav_loader.h"
#include "nd/nd_globals.h"

namespace {

struct MapDisplay {
  const char* name;
  PaintEntry paint;
  DisplaySurface* surface;
};

const MapDisplay kMaps[] = {
    {"FP_ND", PaintFpNd, &fp_nd_surface},
    {"ND", PaintNd, &nd_surface},
    {"FP_EHSI", PaintFpEhsi, &fp_ehsi_surface},
};

void AtSeattleInMap(simhost::Host* h) {
  ResetModuleState();
  h->Attach(&ImportTable, &Linkage);
  sim_root = RO757_SOURCE_DIR "/examples/sim";
  LoadNavDatabase();
  UpdateIrsAnnunciatorVars();
  redraw_tick = 0;
  plane_lat = 47.45;
  plane_lon = -122.311;
  plane_hdg_mag = plane_trk_mag = 164.0;
  plane_hdg_true = 180.0;
  ground_speed = 250.0;
  plane_bank = 15.0;
  nd_mode = fpnd_mode = fp_ehsi_mode = 3;
  nd_rng_nm = fpnd_rng_nm = fp_ehsi_rng_nm = 40.0;
  nd_sta_on = nd_arpt_on = nd_wpt_on = 1;
  ehsi_sta_on = ehsi_arpt_on = ehsi_wpt_on = 1;
  nd_range_rings_on = ehsi_range_rings_on = 1;
}

// Legs every 4 NM south-south-west of Seattle, active on the second.
void WithRoute() {
  constexpr int kLegs = 30;
  for (int i = 0; i <= kLegs; ++i) {
    RouteLeg& leg = fms_fpln_act[i];
    char ident[8];
    std::snprintf(ident, sizeof ident, "WP%02d", i);
    leg.ident = ident;
    leg.lat = plane_lat - i * 4.0 / 60.0;
    leg.lon = plane_lon - i * 0.02;
    leg.alt = 10000.0;
    leg.restr = i % 3 == 0 ? 1 : 0;
    leg.intc_crs = -1.0;
    fms_fpln_mod[i] = leg;
  }
  fp_cnt = fp_mod_cnt = kLegs;
  stpos = mod_stpos = 2;
  fms_fpln_active = 4;
  LoadAirport("KSEA", 1);
  LoadAirport("KPDX", 2);
  fms_dep_rwy_pos = fms_dest_rwy_pos = 1;
  nd_data_on = 1;
  dist_to_active_wpt = 5.0;
  true_airspeed = 280.0;
}

void BM_PaintMap(benchmark::State& state) {
  const MapDisplay& d = kMaps[state.range(0)];
  simhost::Host h;
  AtSeattleInMap(&h);
  if (state.range(1) != 0) WithRoute();
  constexpr int kWidth = 358;  // the gauge table's bitmaps of the three maps
  constexpr int kHeight = 440;
  std::vector<uint32_t> pixels(static_cast<size_t>(kWidth) * kHeight);
  gauge::DeviceContext dc{pixels.data(), kWidth, kHeight, kWidth * 4, nullptr};
  const gauge::PixelSize size{kWidth, kHeight};
  for (auto _ : state) d.paint(d.surface, &dc, &size, kPaintNormal);
  state.SetLabel(state.range(1) != 0 ? std::string(d.name) + " with a 30-leg route" : d.name);
}
BENCHMARK(BM_PaintMap)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMicrosecond);

}  // namespace
