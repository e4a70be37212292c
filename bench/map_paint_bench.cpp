// One raster paint of each moving map in MAP at 40 NM around Seattle with the example database,
// stations, airports and waypoints shown, through its paint entry (frame, layers and overlay); and
// the same with a 30-leg route executed, a modified copy of it pending, both runways and the route
// data shown. Then the same on the world data set (../shared/data/world or $RO757_WORLD_DATA) at
// three of its densest places, per mode and range; and one whole simulator frame (the tick and all
// nine displays) with the three maps at 160 NM in MAP around Frankfurt.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "afds/afds_globals.h"
#include "afds/afds_services.h"
#include "afds/route_progress_globals.h"
#include "draw/display_surface.h"
#include "sim/sim_globals.h"
#include "module/module_entry.h"
#include "module/module_state.h"
#include "module/paint_entries.h"
#include "fmc/fmc_globals.h"
#include "sim/tick_globals.h"
#include "base/geodesy.h"
#include "afds/tick_route.h"
#include "host/host.h"
#include "host/panel_config.h"
#include "navdb/airport_loader.h"
#include "navdb/nav_loader.h"
#include "navdb/navdb_globals.h"
#include "nd/nd_globals.h"
#include "state/config_globals.h"
#include "world_data.h"

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

constexpr int kRouteLegs = 30;

// Row i of the executed route and of its pending modified copy: "WPnn" at the position, with an
// altitude constraint on every third row.
void SetRouteRow(int i, double lat, double lon) {
  RouteLeg& leg = fms_fpln_act[i];
  char ident[8];
  std::snprintf(ident, sizeof ident, "WP%02d", i);
  leg.ident = ident;
  leg.lat = lat;
  leg.lon = lon;
  leg.alt = 10000.0;
  leg.restr = i % 3 == 0 ? 1 : 0;
  leg.intc_crs = -1.0;
  fms_fpln_mod[i] = leg;
}

// The rows set, the route active on row 2 with its modified copy pending, and both runways of the
// origin and destination chosen.
void ActivateRoute(const char* origin, const char* destination) {
  fp_cnt = fp_mod_cnt = kRouteLegs;
  stpos = mod_stpos = 2;
  fms_fpln_active = 4;
  LoadAirport(origin, 1);
  LoadAirport(destination, 2);
  fms_dep_rwy_pos = fms_dest_rwy_pos = 1;
}

// Legs every 4 NM south-south-west of Seattle, active on the second.
void WithRoute() {
  for (int i = 0; i <= kRouteLegs; ++i) SetRouteRow(i, plane_lat - i * 4.0 / 60.0, plane_lon - i * 0.02);
  ActivateRoute("KSEA", "KPDX");
  nd_data_on = 1;
  dist_to_active_wpt = 5.0;
  true_airspeed = 280.0;
}

// Paints the display on every iteration, at the gauge table's bitmap size of the three maps.
void PaintEveryIteration(benchmark::State& state, const MapDisplay& d) {
  constexpr int kWidth = 358;
  constexpr int kHeight = 440;
  std::vector<uint32_t> pixels(static_cast<size_t>(kWidth) * kHeight);
  gauge::DeviceContext dc{pixels.data(), kWidth, kHeight, kWidth * 4, nullptr};
  const gauge::PixelSize size{kWidth, kHeight};
  for (auto _ : state) d.paint(d.surface, &dc, &size, kPaintNormal);
}

void BM_PaintMap(benchmark::State& state) {
  const MapDisplay& d = kMaps[state.range(0)];
  simhost::Host h;
  AtSeattleInMap(&h);
  if (state.range(1) != 0) WithRoute();
  PaintEveryIteration(state, d);
  state.SetLabel(state.range(1) != 0 ? std::string(d.name) + " with a 30-leg route" : d.name);
}
BENCHMARK(BM_PaintMap)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMicrosecond);

// --- the world data set ---

struct Place {
  const char* name;
  const char* origin;  // the aircraft has just left it
  const char* destination;
  double track_true;   // of the route, from the origin
};

const Place kPlaces[] = {
    {"Frankfurt", "EDDF", "EDDM", 140.0},
    {"Chicago", "KORD", "KMSP", 300.0},
    {"Seattle", "KSEA", "KPDX", 180.0},
};

struct View {
  const char* name;
  int32_t mode;  // 3 MAP, 4 PLAN
  double range_nm;
};

const View kViews[] = {
    {"MAP 10", 3, 10.0},   {"MAP 40", 3, 40.0},   {"MAP 160", 3, 160.0},
    {"MAP 320", 3, 320.0}, {"PLAN 40", 4, 40.0}, {"PLAN 320", 4, 320.0},
};

constexpr double kLegSpacingNm = 8.0;

// The route's rows every 8 NM from the origin along the place's track, active on row 2 with the
// aircraft 3 NM short of it.
void FlyRouteFrom(const Place& p) {
  ActivateRoute(p.origin, p.destination);
  const double lat0 = airport_recs[1].lat;
  const double lon0 = airport_recs[1].lon;
  for (int i = 0; i <= kRouteLegs; ++i) {
    double lat = 0.0, lon = 0.0;
    CalcDestPoint(lat0, lon0, p.track_true, i * kLegSpacingNm, &lat, &lon);
    SetRouteRow(i, lat, lon);
  }
  CalcDestPoint(lat0, lon0, p.track_true, 2 * kLegSpacingNm - 3.0, &plane_lat, &plane_lon);
  plane_hdg_true = p.track_true;
  plane_hdg_mag = plane_trk_mag = p.track_true;
  dist_to_active_wpt = 3.0;
}

void ShowEverything(const View& v) {
  UpdateIrsAnnunciatorVars();
  ground_speed = 250.0;
  true_airspeed = 280.0;
  nd_mode = fpnd_mode = fp_ehsi_mode = v.mode;
  nd_rng_nm = fpnd_rng_nm = fp_ehsi_rng_nm = v.range_nm;
  nd_sta_on = nd_arpt_on = nd_wpt_on = 1;
  ehsi_sta_on = ehsi_arpt_on = ehsi_wpt_on = 1;
  nd_range_rings_on = ehsi_range_rings_on = 1;
  nd_data_on = 1;
}

void BM_PaintWorldMap(benchmark::State& state) {
  const MapDisplay& d = kMaps[state.range(0)];
  const Place& p = kPlaces[state.range(1)];
  const View& v = kViews[state.range(2)];
  if (!world_bench::LoadWorld(state)) return;
  simhost::Host h;
  h.Attach(&ImportTable, &Linkage);
  FlyRouteFrom(p);
  ShowEverything(v);
  redraw_tick = 0;
  PaintEveryIteration(state, d);
  state.SetLabel(std::string(d.name) + " " + v.name + " " + p.name);
}
BENCHMARK(BM_PaintWorldMap)
    ->ArgsProduct({{0, 1, 2}, {0, 1, 2}, benchmark::CreateDenseRange(0, 5, 1)})
    ->MinTime(0.05)
    ->Unit(benchmark::kMicrosecond);

// A frame as simhost runs it, in-process: the tick, then every gauge of the default panel with all
// nine displays painting on every tick.
void BM_WorldFrame(benchmark::State& state) {
  if (!world_bench::UseWorldData(state)) return;
  const std::string dir = world_bench::WorldDataDir();
  auto h = std::make_unique<simhost::Host>();
  h->set_current_directory(dir);
  h->Attach(&ImportTable, &Linkage);
  for (const simhost::PanelEntry& e : simhost::DefaultPanel(&Linkage)) {
    h->CreateInstance(e.gauge, e.parameter, e.window);
  }
  h->Startup();
  h->RunFrame();

  FlyRouteFrom(kPlaces[0]);
  ShowEverything(kViews[2]);
  fms_fpln_active = 3;
  h->SetToken(71, plane_lat * 111130.555557);
  h->SetToken(72, (plane_lon < 0.0 ? plane_lon + 360.0 : plane_lon) * 781874935307.4);
  h->SetToken(81, plane_hdg_mag);
  h->SetToken(86, plane_hdg_true);
  h->SetToken(551, 250.0 * 1.68781);
  h->SetToken(614, 3000.0);
  h->SetExpression("(A:INDICATED ALTITUDE, feet)", 3000.0);
  FmsRefreshRate = StdbyPfdRefreshRate = 18;
  for (auto _ : state) h->RunFrame();
  state.SetLabel("three maps MAP 160 NM Frankfurt");
}
BENCHMARK(BM_WorldFrame)->Unit(benchmark::kMillisecond);

}  // namespace
