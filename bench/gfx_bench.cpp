// Cost of the recording back end next to the raster one, on the calls of a typical map paint:
// 200 lines, 50 strings and a few fills on the flat-panel ND's 318 x 424 surface.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include "platform/gfx/gfx.h"

namespace {

constexpr int kWidth = 318;
constexpr int kHeight = 424;

void Paint(gauge::DeviceContext* dc) {
  gfx::Graphics g(dc);
  g.SetSmoothingMode(gfx::SmoothingModeHighQuality);
  g.SetTextRenderingHint(gfx::TextRenderingHintAntiAlias);
  g.Clear(gfx::Color(0x00000000u));
  g.ScaleTransform(1.0f, 1.0f);
  g.TranslateTransform(159.0f, 272.0f);
  gfx::Pen white(gfx::Color(0xFFDEE6E9u), 2.0f);
  gfx::SolidBrush black{gfx::Color(0xFF000000u)};
  gfx::SolidBrush green{gfx::Color(0xFF00FA00u)};
  gfx::Font font("Arial", 12.0f, gfx::FontStyleBold, gfx::UnitPixel);
  g.FillRectangle(&black, -160, -236, 320, 100);
  const gfx::Point tri[] = {{0, 0}, {-7, 18}, {7, 18}};
  g.FillPolygon(&green, tri, 3);
  g.FillEllipse(&green, -20, -120, 12, 12);
  g.FillPie(&green, 40, -120, 30, 30, 0.0f, 90.0f);
  for (int i = 0; i < 200; ++i) {
    g.ResetTransform();
    g.TranslateTransform(159.0f, 272.0f);
    g.RotateTransform(static_cast<float>(i * 5 % 110 - 55));
    g.DrawLine(&white, 0, -224 - (i % 2) * 6, 0, -236);
  }
  g.ResetTransform();
  char text[16];
  for (int i = 0; i < 50; ++i) {
    std::snprintf(text, sizeof text, "WPT%02d", i);
    g.DrawString(text, -1, &font, gfx::PointF(static_cast<float>(i % 10) * 30.0f,
                                              static_cast<float>(i / 10) * 40.0f + 10.0f),
                 &green);
  }
}

void BM_GfxRasterPaint(benchmark::State& state) {
  std::vector<uint32_t> pixels(kWidth * kHeight);
  gauge::DeviceContext dc{pixels.data(), kWidth, kHeight, kWidth * 4, nullptr};
  for (auto _ : state) Paint(&dc);
}
BENCHMARK(BM_GfxRasterPaint);

void BM_GfxRecordingPaint(benchmark::State& state) {
  gfx::Recording rec;
  gauge::DeviceContext dc{nullptr, kWidth, kHeight, kWidth * 4, &rec};
  for (auto _ : state) {
    rec.Reset();
    Paint(&dc);
  }
}
BENCHMARK(BM_GfxRecordingPaint);

void BM_GfxRasterAndRecordingPaint(benchmark::State& state) {
  std::vector<uint32_t> pixels(kWidth * kHeight);
  gfx::Recording rec;
  gauge::DeviceContext dc{pixels.data(), kWidth, kHeight, kWidth * 4, &rec};
  for (auto _ : state) {
    rec.Reset();
    Paint(&dc);
  }
}
BENCHMARK(BM_GfxRasterAndRecordingPaint);

}  // namespace
