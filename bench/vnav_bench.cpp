// The vertical profile: one full prediction of a 150-leg route as route execution runs it (profile,
// T/C, distances, T/D, distances), and one VNAV target pass in descent.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "afds/afds_globals.h"
#include "afds/panel_input_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_following.h"
#include "fmc/route_model.h"
#include "fmc/vertical_profile.h"
#include "afds/vnav_targets.h"
#include "module/module_state.h"
#include "sim/tick_globals.h"

namespace {

constexpr int32_t kLegs = 150;

// Seattle to New York in 150 legs, with climb constraints on the first legs and descent constraints
// on the last ones.
void SetRoute() {
  for (int32_t i = 0; i <= kLegs; ++i) {
    RouteLeg& leg = fms_fpln_act[i];
    ResetRouteLeg(leg);
    char ident[16];
    std::snprintf(ident, sizeof ident, "F%04d", i);
    leg.ident = ident;
    leg.lat = 47.449 - 6.8 * i / kLegs;
    leg.lon = -122.309 + 48.5 * i / kLegs;
    leg.type = i == 0 || i == kLegs ? "APT" : "INT";
  }
  const struct {
    int32_t row;
    int32_t restr;
    double alt;
    double ias;
  } constraints[] = {{2, 3, 5000.0, 220.0}, {5, 1, 12000.0, kNoConstraint}, {140, 3, 15000.0, 280.0},
                     {144, 1, 10000.0, kNoConstraint}, {147, 3, 6000.0, 210.0}, {148, 2, kNoConstraint, 180.0}};
  for (const auto& c : constraints) {
    fms_fpln_act[c.row].restr = c.restr;
    fms_fpln_act[c.row].alt = c.alt;
    fms_fpln_act[c.row].ias = c.ias;
  }
  fp_cnt = kLegs;
  stpos = 1;
  next_restr_leg = 2;
  fms_fpln_active = 3;
  plane_lat = 47.449;
  plane_lon = -122.309;
  plane_alt = 400.0;
  gross_weight = 180000.0;
  cruise_alt = init_cruise_alt = 35000;
}

void BM_FullProfilePrediction(benchmark::State& state) {
  ResetModuleState();
  SetRoute();
  for (auto _ : state) {
    toc = tod = 0;
    CalcRouteProfile(cruise_alt);
    PredictToc(0);
    ComputeRouteDistances();
    PredictTod(0);
    ComputeRouteDistances();
    benchmark::DoNotOptimize(tod_lat);
  }
  state.SetItemsProcessed(state.iterations() * kLegs);
}
BENCHMARK(BM_FullProfilePrediction)->Unit(benchmark::kMicrosecond);

void BM_VnavTargetsInDescent(benchmark::State& state) {
  ResetModuleState();
  vnav = 1;
  startup_phase = 0;
  toc = tod = init_tod = 1;
  cross_at_elev = 10000.0;
  plane_alt = 20000.0;
  ap_alt_lock = 10000.0;
  alt_sel_num = 10000;
  ias = 280.0;
  ground_speed = 420.0;
  double dist = 40.0;
  for (auto _ : state) {
    dist_to_cross_at = dist;
    dist = dist > 20.0 ? dist - 0.01 : 40.0;
    get_vnav_info();
    benchmark::DoNotOptimize(vnav_tgt_vs);
  }
}
BENCHMARK(BM_VnavTargetsInDescent);

}  // namespace
