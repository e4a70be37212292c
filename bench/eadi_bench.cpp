// One raster paint of the EADI in each format through its paint entry, at the gauge's bitmap size and
// at four times that, climbing in a bank with the flight director, flaps, deviation scales and modes
// shown (format B with its V-speed markers).
#include <benchmark/benchmark.h>

#include <vector>

#include "afds/afds_services.h"
#include "fmc/fmc_globals.h"
#include "draw/display_surface.h"
#include "sim/sim_globals.h"
#include "module/module_entry.h"
#include "module/module_state.h"
#include "module/paint_entries.h"
#include "sim/tick_globals.h"
#include "host/host.h"
#include "state/config_globals.h"

namespace {

void ClimbingInABank(simhost::Host* h, int32_t format) {
  ResetModuleState();
  h->Attach(&ImportTable, &Linkage);
  UpdateIrsAnnunciatorVars();
  redraw_tick = 0;
  EadiMode = format;
  ShowRoundEadiVSpeeds = 1;
  plane_pitch = -5.0;
  plane_bank = 15.0;
  ias = 250.0;
  ap_spdbug = 260.0;
  plane_mach = 0.8;
  ground_speed = 284.0;
  radio_height = 1500.0;
  fd_bank_cmd = 25.0;
  fd_pitch_cmd = -8.0;
  gsi_needle = 40.0;
  cdi_needle = -30.0;
  vr = 140;
  v2 = 150;
  vref = 240;
  h->SetToken(792, 1);
  h->SetToken(907, 5.0);
  h->SetToken(349, 5000.0);
  h->SetToken(46, 0x40);
  h->SetToken(49, 1.0);
  h->SetToken(61, 250.0);
  h->SetToken(63, 300.0 * 128.0);
  h->SetToken(123, 1.0);
}

void BM_PaintEadi(benchmark::State& state) {
  const int32_t format = static_cast<int32_t>(state.range(0));
  const int scale = static_cast<int>(state.range(1));
  simhost::Host h;
  ClimbingInABank(&h, format);
  const int w = 217 * scale;
  const int h_px = 173 * scale;
  std::vector<uint32_t> pixels(static_cast<size_t>(w) * static_cast<size_t>(h_px));
  gauge::DeviceContext dc{pixels.data(), w, h_px, w * 4, nullptr};
  const gauge::PixelSize size{w, h_px};
  for (auto _ : state) PaintEadi(&eadi_surface, &dc, &size, kPaintNormal);
  state.SetLabel(format == 0 ? "format A" : "format B");
}
BENCHMARK(BM_PaintEadi)->ArgsProduct({{0, 1}, {1, 4}})->Unit(benchmark::kMicrosecond);

}  // namespace
