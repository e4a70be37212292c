// One CDU paint of the RTE LEGS page on the raster back end: an active 20-leg route with
// constraints, a hold and the plan map's centre, at the CDU gauge's bitmap size; and the same page
// with a MOD route, as after an edit.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_model.h"
#include "draw/display_surface.h"
#include "module/module_entry.h"
#include "module/module_state.h"
#include "module/paint_entries.h"
#include "sim/tick_globals.h"
#include "host/host.h"
#include "nd/nd_globals.h"

namespace {

constexpr int kWidth = 399;
constexpr int kHeight = 320;

// Origin, 18 fixes and the destination, 30 NM apart going south; every third fix constrained.
void TwentyLegRoute() {
  fp_cnt = 20;
  for (int32_t i = 0; i <= fp_cnt; ++i) {
    RouteLeg& leg = fms_fpln_act[i];
    ResetRouteLeg(leg);
    leg.ident = i == 0 ? "KSEA" : (i == fp_cnt ? "KPDX" : "FIX" + std::to_string(i));
    leg.lat = 47.45 - 0.5 * i;
    leg.lon = -122.3;
    leg.type = i == 0 || i == fp_cnt ? "APT" : "INT";
    if (i % 3 == 0 && i > 0 && i < fp_cnt) {
      leg.alt = 10000.0 + 1000.0 * i;
      leg.ias = 250.0;
      leg.restr = 3;
    }
  }
  fms_fpln_act[2].hold_idx = 1;
  hold_cnt = 1;
  CopyActiveToModRoute();
  fms_fpln_active = 3;
  stpos = 1;
}

void BM_PaintRteLegs(benchmark::State& state) {
  simhost::Host h;
  ResetModuleState();
  h.Attach(&ImportTable, &Linkage);
  TwentyLegRoute();
  fms_page = 6;
  nd_mode = 4;
  if (state.range(0) != 0) {
    fms_fpln_active = 4;
    saved_stpos = 1;
  }
  std::vector<uint32_t> pixels(static_cast<size_t>(kWidth) * kHeight);
  gauge::DeviceContext dc{pixels.data(), kWidth, kHeight, kWidth * 4, nullptr};
  const gauge::PixelSize size{kWidth, kHeight};
  for (auto _ : state) {
    redraw_tick = 0;
    PaintCdu(&cdu_surface, &dc, &size, kPaintNormal);
    benchmark::DoNotOptimize(pixels.data());
  }
  state.SetLabel(state.range(0) != 0 ? "MOD, raster" : "ACT, raster");
}
BENCHMARK(BM_PaintRteLegs)->Arg(0)->Arg(1);

}  // namespace
