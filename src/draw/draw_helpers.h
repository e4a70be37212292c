// Small drawing helpers of the painters: the display palette, texts placed by their top-left corner,
// open polylines and filled polygons from a list of points. Coordinates are world units of the
// transform in force.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "platform/gfx/gfx.h"

namespace palette {
inline constexpr gfx::ARGB kWhite = 0xFFDEE6E9u;
inline constexpr gfx::ARGB kGreen = 0xFF00FA00u;
inline constexpr gfx::ARGB kMagenta = 0xFFFF13D5u;
inline constexpr gfx::ARGB kCyan = 0xFF02A7EBu;
inline constexpr gfx::ARGB kLightCyan = 0xFF00E6E9u;
inline constexpr gfx::ARGB kYellow = 0xFFFFFF00u;
inline constexpr gfx::ARGB kGrey = 0xFFC0C0C0u;
inline constexpr gfx::ARGB kBlack = 0xFF000000u;
inline constexpr gfx::ARGB kTrafficTextRed = 0xFFF10101u;
inline constexpr gfx::ARGB kTrafficSymbolRed = 0xFFC90101u;
inline constexpr gfx::ARGB kAmber = 0xFFE9B73Eu;
inline constexpr gfx::ARGB kRed = 0xFFFF0000u;
}  // namespace palette

// A bold (or regular) font of `size_px` pixels of the family; the painters make theirs per paint.
inline gfx::Font PixelFont(const char* family, double size_px, bool bold = true) {
  return gfx::Font(family, static_cast<gfx::REAL>(size_px), bold ? gfx::FontStyleBold : gfx::FontStyleRegular,
                   gfx::UnitPixel);
}

// printf-style text, formatted into a narrow buffer of 64 bytes (longer output is cut), drawn with
// the default format so that (x, y) is its top-left corner. Returns the number of bytes drawn.
int32_t DrawTextAt(gfx::Graphics* g, const gfx::Font* font, const gfx::Brush* brush, double x, double y,
                   const char* format, ...) __attribute__((format(printf, 6, 7)));

// At most `max_chars` bytes of a zero-terminated text, drawn as DrawTextAt does.
void DrawTextCut(gfx::Graphics* g, const gfx::Font* font, const gfx::Brush* brush, double x, double y,
                 const char* text, int32_t max_chars);

// A world box that holds all the ink DrawTextCut can put down for `text` at (x, y) in `font`: the
// layout box with room for the widest glyphs and a glyph's overhang. Painters that leave out what
// cannot be seen test it with Graphics::IsVisible.
gfx::RectF TextCutInkBounds(const gfx::Font* font, double x, double y, const char* text, int32_t max_chars);

// A formatted readout read by place, as the drums read theirs. A value outside a readout's range (or
// not finite) prints shorter or longer than its form: a place past the text's end holds NUL, and
// anything but a digit there reads as the digit 0.
inline char ReadoutChar(std::string_view text, size_t index) { return index < text.size() ? text[index] : '\0'; }
inline int32_t DigitValue(char c) { return c >= '0' && c <= '9' ? c - '0' : 0; }
inline int32_t ReadoutDigit(std::string_view text, size_t index) { return DigitValue(ReadoutChar(text, index)); }

// The Mach readout of the attitude and map displays: ".785" below Mach 1, "1.020" from Mach 1 and
// from wherever the short form would round up to ".1000".
void FormatMachText(double mach, char* buffer, size_t size);

void DrawPolyline(gfx::Graphics* g, const gfx::Pen* pen, std::initializer_list<gfx::PointF> points);
void FillPolygon(gfx::Graphics* g, const gfx::Brush* brush, std::initializer_list<gfx::PointF> points);
void DrawLineD(gfx::Graphics* g, const gfx::Pen* pen, double x1, double y1, double x2, double y2);

// A solid pen given the GDI+ dash style "dash".
inline gfx::Pen DashedPen(gfx::ARGB argb, double width) {
  gfx::Pen pen(gfx::Color(argb), static_cast<gfx::REAL>(width));
  pen.SetDashStyle(gfx::DashStyleDash);
  return pen;
}
