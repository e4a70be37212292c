// The paint entries' own share of a frame: each display's background (graphics object, clear,
// transform, black fill) painted at its gauge size on the raster back end, the nine together, and
// the same calls with the recording back end added.
#include <benchmark/benchmark.h>

#include <vector>

#include "draw/display_surface.h"
#include "module/module_entry.h"
#include "module/module_state.h"
#include "module/paint_entries.h"
#include "sim/tick_globals.h"
#include "host/host.h"
#include "platform/gfx/gfx.h"

namespace {

struct Display {
  const char* name;
  PaintEntry paint;
  DisplaySurface* surface;
  int width, height;  // the gauge table's bitmap
};

const Display kDisplays[] = {
    {"EADI", PaintEadi, &eadi_surface, 217, 173},
    {"CDU", PaintCdu, &cdu_surface, 399, 320},
    {"FP_EHSI", PaintFpEhsi, &fp_ehsi_surface, 358, 440},
    {"FP_ND", PaintFpNd, &fp_nd_surface, 358, 440},
    {"FP_PFD", PaintFpPfd, &fp_pfd_surface, 318, 232},
    {"LOWER_EICAS", PaintLowerEicas, &lower_eicas_surface, 250, 213},
    {"ND", PaintNd, &nd_surface, 358, 440},
    {"STBY_PFD", PaintStbyPfd, &stby_pfd_surface, 101, 90},
    {"UPPER_EICAS", PaintUpperEicas, &upper_eicas_surface, 250, 213},
};

// A display's bitmap as the host makes it, optionally recording.
struct Screen {
  std::vector<uint32_t> pixels;
  gauge::DeviceContext dc{};
  gauge::PixelSize size{};

  Screen(const Display& d, gfx::Recording* rec)
      : pixels(static_cast<size_t>(d.width) * static_cast<size_t>(d.height)) {
    dc = {pixels.data(), d.width, d.height, d.width * 4, rec};
    size = {d.width, d.height};
  }
};

// A powered aircraft in slot 0, where every display paints.
void Powered(simhost::Host* h) {
  ResetModuleState();
  h->Attach(&ImportTable, &Linkage);
  redraw_tick = 0;
}

void BM_PaintBackground(benchmark::State& state) {
  const Display& d = kDisplays[state.range(0)];
  simhost::Host h;
  Powered(&h);
  const bool recording = state.range(1) != 0;
  gfx::Recording rec;
  Screen screen(d, recording ? &rec : nullptr);
  for (auto _ : state) {
    rec.Reset();
    d.paint(d.surface, &screen.dc, &screen.size, kPaintNormal);
  }
  state.SetLabel(std::string(d.name) + (recording ? " raster+recording" : " raster"));
}
BENCHMARK(BM_PaintBackground)->ArgsProduct({benchmark::CreateDenseRange(0, 8, 1), {0, 1}});

void BM_PaintAllNineBackgrounds(benchmark::State& state) {
  simhost::Host h;
  Powered(&h);
  const bool recording = state.range(0) != 0;
  gfx::Recording rec;
  std::vector<Screen> screens;
  screens.reserve(std::size(kDisplays));
  for (const Display& d : kDisplays) screens.emplace_back(d, recording ? &rec : nullptr);
  for (auto _ : state) {
    rec.Reset();
    for (size_t i = 0; i < std::size(kDisplays); ++i) {
      kDisplays[i].paint(kDisplays[i].surface, &screens[i].dc, &screens[i].size, kPaintNormal);
    }
  }
  state.SetLabel(recording ? "raster+recording" : "raster");
}
BENCHMARK(BM_PaintAllNineBackgrounds)->Arg(0)->Arg(1);

}  // namespace
