// One raster paint of the flat-panel PFD through its paint entry: aligned, in a climbing turn on the
// approach with every section drawn (ladder, bracket, limits, V-speeds, flight director, deviation,
// marker and radio altitude).
#include <benchmark/benchmark.h>

#include <vector>

#include "afds/afds_globals.h"
#include "displays/displays_globals.h"
#include "fmc/fmc_globals.h"
#include "draw/display_surface.h"
#include "base/geodesy.h"
#include "module/module_entry.h"
#include "module/module_state.h"
#include "module/paint_entries.h"
#include "sim/derived_samples.h"
#include "sim/tick_globals.h"
#include "host/host.h"
#include "state/config_globals.h"

namespace {

void InAClimbingTurn(simhost::Host* h) {
  ResetModuleState();
  h->Attach(&ImportTable, &Linkage);
  irs_l_anun_mode = irs_c_anun_mode = irs_r_anun_mode = 3;
  redraw_tick = 3;
  plane_pitch = -5.0;
  plane_bank = 15.0;
  ias = 152.4;
  ias_predicted = 160.0;
  ground_speed = 160.0;
  plane_alt = 1234.5;
  radio_height = 900.0;
  alt_sel_num = 1500;
  ap_spdbug = 150.0;
  v1 = 130;
  vr = 140;
  v2 = 150;
  vref = 138;
  ap_master = 1.0;
  fma_pitch_box_timer = 100;
  app_mode = 1;
  DispFPV = 1;
  h->SetToken(907, 5.0);          // flaps
  h->SetToken(63, 350.0 * 128);   // speed limit
  h->SetToken(792, 1.0);          // flight director
  h->SetToken(46, 0x40);          // glideslope and localizer
  h->SetToken(354, 1.0);          // outer marker
  h->SetToken(123, 1.0);          // autothrottle armed
}

void BM_PaintFpPfd(benchmark::State& state) {
  simhost::Host h;
  InAClimbingTurn(&h);
  constexpr int kWidth = 318;  // the gauge table's bitmap
  constexpr int kHeight = 232;
  std::vector<uint32_t> pixels(static_cast<size_t>(kWidth) * kHeight);
  gauge::DeviceContext dc{pixels.data(), kWidth, kHeight, kWidth * 4, nullptr};
  const gauge::PixelSize size{kWidth, kHeight};
  for (auto _ : state) PaintFpPfd(&fp_pfd_surface, &dc, &size, kPaintNormal);
}
BENCHMARK(BM_PaintFpPfd)->Unit(benchmark::kMicrosecond);

}  // namespace
