// One raster paint of the standby display through its paint entry, at the gauge's bitmap size and at
// four times that: climbing in a bank with the Mach number, the radio altitude and a sideslip shown,
// and both drums between digits.
#include <benchmark/benchmark.h>

#include <vector>

#include "draw/display_surface.h"
#include "module/module_entry.h"
#include "module/module_state.h"
#include "module/paint_entries.h"
#include "sim/tick_globals.h"
#include "host/host.h"

namespace {

void ClimbingInABank(simhost::Host* h) {
  ResetModuleState();
  h->Attach(&ImportTable, &Linkage);
  redraw_tick = 0;
  plane_pitch = -5.0;
  plane_bank = 15.0;
  ias = 249.6;
  plane_alt = 12345.0;
  plane_hdg_mag = 358.5;
  plane_mach = 0.78;
  radio_height = 1800.0;
  baro_inhg = 29.92;
  h->SetToken(69, 30.0);
}

void BM_PaintStbyPfd(benchmark::State& state) {
  const int scale = static_cast<int>(state.range(0));
  simhost::Host h;
  ClimbingInABank(&h);
  const int w = 101 * scale;
  const int h_px = 90 * scale;
  std::vector<uint32_t> pixels(static_cast<size_t>(w) * static_cast<size_t>(h_px));
  gauge::DeviceContext dc{pixels.data(), w, h_px, w * 4, nullptr};
  const gauge::PixelSize size{w, h_px};
  for (auto _ : state) PaintStbyPfd(&stby_pfd_surface, &dc, &size, kPaintNormal);
}
BENCHMARK(BM_PaintStbyPfd)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

}  // namespace
