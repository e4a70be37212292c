#include "draw/draw_helpers.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

using gfx::REAL;

int32_t DrawBytes(gfx::Graphics* g, const gfx::Font* font, const gfx::Brush* brush, double x, double y,
                  const char* text, int32_t length) {
  if (length <= 0) return 0;
  g->DrawString(text, length, font, gfx::PointF(static_cast<REAL>(x), static_cast<REAL>(y)), brush);
  return length;
}

}  // namespace

int32_t DrawTextAt(gfx::Graphics* g, const gfx::Font* font, const gfx::Brush* brush, double x, double y,
                   const char* format, ...) {
  char buffer[64];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  if (n < 0) return 0;
  const int32_t length = n < static_cast<int>(sizeof buffer) ? n : static_cast<int32_t>(sizeof buffer) - 1;
  return DrawBytes(g, font, brush, x, y, buffer, length);
}

void DrawTextCut(gfx::Graphics* g, const gfx::Font* font, const gfx::Brush* brush, double x, double y,
                 const char* text, int32_t max_chars) {
  if (text == nullptr || max_chars <= 0) return;
  const size_t n = strnlen(text, static_cast<size_t>(max_chars));
  DrawBytes(g, font, brush, x, y, text, static_cast<int32_t>(n));
}

gfx::RectF TextCutInkBounds(const gfx::Font* font, double x, double y, const char* text, int32_t max_chars) {
  // No glyph of the display fonts advances more than an em; the layout pads a third of an em and
  // the ink may spill about an em around it.
  constexpr double kWidestGlyphEm = 1.25;
  constexpr double kSpillEm = 1.0;
  constexpr double kLineEm = 1.5;
  const size_t n = text == nullptr || max_chars <= 0 ? 0 : strnlen(text, static_cast<size_t>(max_chars));
  const double em = font->GetPixelSize();
  return gfx::RectF(static_cast<REAL>(x - kSpillEm * em), static_cast<REAL>(y - kSpillEm * em),
                    static_cast<REAL>((kWidestGlyphEm * static_cast<double>(n) + 2.0 * kSpillEm + 1.0) * em),
                    static_cast<REAL>((kLineEm + 2.0 * kSpillEm) * em));
}

void DrawPolyline(gfx::Graphics* g, const gfx::Pen* pen, std::initializer_list<gfx::PointF> points) {
  g->DrawLines(pen, points.begin(), static_cast<gfx::INT>(points.size()));
}

void FillPolygon(gfx::Graphics* g, const gfx::Brush* brush, std::initializer_list<gfx::PointF> points) {
  g->FillPolygon(brush, points.begin(), static_cast<gfx::INT>(points.size()));
}

void DrawLineD(gfx::Graphics* g, const gfx::Pen* pen, double x1, double y1, double x2, double y2) {
  g->DrawLine(pen, static_cast<REAL>(x1), static_cast<REAL>(y1), static_cast<REAL>(x2), static_cast<REAL>(y2));
}

void FormatMachText(double mach, char* buffer, size_t size) {
  if (size == 0) return;
  if (mach < 1.0) {
    std::snprintf(buffer, size, ".%3.0f", mach * 1000.0);
    if (std::strlen(buffer) <= 4) return;
  }
  std::snprintf(buffer, size, "%.3f", mach);
}
