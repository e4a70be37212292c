// One raster paint of each EICAS page through its paint entry, at the gauge's size: the upper EICAS
// with both engines near go-around thrust, a full alert page and the reference line; the lower
// EICAS on its secondary engine page and on its status page.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "afds/afds_globals.h"
#include "afds/systems_globals.h"
#include "displays/displays_globals.h"
#include "fmc/engine_epr.h"
#include "fmc/thrust_limits.h"
#include "draw/display_surface.h"
#include "module/module_entry.h"
#include "module/module_state.h"
#include "module/paint_entries.h"
#include "sim/tick_globals.h"
#include "host/host.h"

namespace {

constexpr int kWidth = 250;
constexpr int kHeight = 213;

void EnginesRunning(simhost::Host* h) {
  ResetModuleState();
  h->Attach(&ImportTable, &Linkage);
  InitThrustLimitTables();
  FillN1EprTables();
  ac_power = 2;
  redraw_tick = 0;
  const std::pair<uint32_t, double> kTokens[] = {
      {566, 1},      {576, 1},      {626, 91.5},  {645, 92.3},  {627, 96.0},  {646, 96.8},
      {567, 1643.7}, {577, 1670.7}, {128, 14000}, {163, 14200}, {421, 5400},  {460, 5550},
      {562, 8928},   {572, 8352},   {561, 662.7}, {571, 675.3}, {642, 0.8},   {661, 1.4},
      {733, 0.98},   {735, 1.0},    {737, 0.96},  {641, 0.5},   {350, 0.047},
  };
  for (const auto& [id, v] : kTokens) h->SetToken(id, v);
  for (int32_t i = 1; i <= 4; ++i) warning_msgs[i] = {"WARNING " + std::to_string(i), 0};
  for (int32_t i = 1; i <= 8; ++i) caution_msgs[i] = {"CAUTION " + std::to_string(i), 0};
  warning_msg_count = 4;
  caution_msg_count = 8;
  l_eng_anti_ice_valve = 2;
}

void PaintRepeatedly(benchmark::State& state, PaintEntry paint, DisplaySurface* surface) {
  std::vector<uint32_t> pixels(static_cast<size_t>(kWidth) * kHeight);
  gauge::DeviceContext dc{pixels.data(), kWidth, kHeight, kWidth * 4, nullptr};
  const gauge::PixelSize size{kWidth, kHeight};
  for (auto _ : state) paint(surface, &dc, &size, kPaintNormal);
}

void BM_PaintUpperEicas(benchmark::State& state) {
  simhost::Host h;
  EnginesRunning(&h);
  PaintRepeatedly(state, PaintUpperEicas, &upper_eicas_surface);
}
BENCHMARK(BM_PaintUpperEicas)->Unit(benchmark::kMicrosecond);

void BM_PaintLowerEicas(benchmark::State& state) {
  simhost::Host h;
  EnginesRunning(&h);
  lower_eicas_mode = static_cast<int32_t>(state.range(0));
  PaintRepeatedly(state, PaintLowerEicas, &lower_eicas_surface);
  state.SetLabel(lower_eicas_mode == 1 ? "secondary engine page" : "status page");
}
BENCHMARK(BM_PaintLowerEicas)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
