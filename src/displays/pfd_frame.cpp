#include "displays/pfd_frame.h"

#include <cmath>

#include "afds/afds_globals.h"
#include "displays/eadi_parts.h"
#include "draw/draw_helpers.h"
#include "base/geodesy.h"
#include "base/int_conversion.h"
#include "sim/readers_flight.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"

namespace {

using gfx::PointF;
using gfx::REAL;

constexpr char kFamily[] = "Arial";
constexpr double kPitchUnitsPerDeg = kPfdPitchUnitsPerDeg;
constexpr int32_t kLadderMaxDeg = 90;
// Token 349 at or above this puts the limit bracket at its top.
constexpr double kBracketFullScale = 25000.0;

REAL R(double v) { return static_cast<REAL>(v); }

gfx::Pen CanvasPen(gfx::ARGB colour, double width) { return gfx::Pen(gfx::Color(colour), R(width)); }

// The rounded rectangle of the attitude sphere: the clip of sky, ground and flight director, and
// the black outline drawn over their edge.
void BuildAttitudeOutline(gfx::GraphicsPath* p) {
  p->AddArc(-82, -80, 30, 30, 180.0f, 90.0f);
  p->AddLine(-67, -80, 67, -80);
  p->AddArc(52, -80, 30, 30, 270.0f, 90.0f);
  p->AddLine(82, -65, 82, 65);
  p->AddArc(52, 50, 30, 30, 0.0f, 90.0f);
  p->AddLine(67, 80, -67, 80);
  p->AddArc(-82, 50, 30, 30, 90.0f, 90.0f);
  p->AddLine(-82, 65, -82, -65);
  p->CloseFigure();
}

// Arched top, square bottom: the ladder fades out under the mode panel.
void BuildLadderClip(gfx::GraphicsPath* p) {
  p->AddArc(-85, -65, 170, 141, 192.0f, 154.0f);
  const gfx::Point edges[] = {{82, -16}, {82, 75}, {-82, 75}, {-82, -14}};
  p->AddLines(edges, 4);
  p->CloseFigure();
}

void FineText(gfx::Graphics* g, const PfdFrame& f, const gfx::Font* font, const gfx::Brush* brush, double x,
              double y, int32_t value) {
  const PointF p = f.Fine(x, y);
  DrawTextAt(g, font, brush, p.X, p.Y, "%d", value);
}

void DrawSkyAndGround(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r, double y0) {
  f.SetFine(g, plane_bank);
  // Both polygons reach past the clip at every bank; the clip alone shapes the sphere.
  const PointF sky[] = {f.Fine(-477, -450), f.Fine(159, -132), f.Fine(159, y0), f.Fine(-477, y0),
                        f.Fine(-477, -450)};
  g->FillPolygon(&r.sky, sky, 5);
  const PointF ground[] = {f.Fine(-477, y0), f.Fine(159, y0), f.Fine(159, 186), f.Fine(-477, 186),
                           f.Fine(-477, y0)};
  g->FillPolygon(&r.ground, ground, 5);
}

void DrawPitchLadder(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r, double y0) {
  f.SetFine(g, plane_bank);
  FineLine(g, f, &r.scale, -130, y0, 130, y0);
  for (int32_t i = 5; i <= kLadderMaxDeg; i += 5) {
    const double yu = y0 - kPitchUnitsPerDeg * i;
    const double yd = y0 + kPitchUnitsPerDeg * i;
    if (i % 10 == 0) {
      for (double y : {yu, yd}) {
        FineLine(g, f, &r.scale, -32, y, 32, y);
        // No sign below the horizon: the bar's side tells it.
        FineText(g, f, &r.fine11, &r.white, 33, y - 5, i);
        FineText(g, f, &r.fine11, &r.white, -48, y - 5, i);
      }
    } else {
      FineLine(g, f, &r.scale, -16, yu, 16, yu);
      FineLine(g, f, &r.scale, -16, yd, 16, yd);
      FineLine(g, f, &r.scale, -8, yu + 8, 8, yu + 8);
      FineLine(g, f, &r.scale, -8, yd - 8, 8, yd - 8);
    }
  }
}

void DrawLimitBracket(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r) {
  const double t = ReadTokenVar349();
  const double y = t >= kBracketFullScale ? -40.0 : 37.0 - t / kBracketFullScale * 80.0;
  f.SetFine(g);
  for (double side : {-1.0, 1.0}) {
    FineLine(g, f, &r.bracket, 30 * side, y, 30 * side, y - 5);
    FineLine(g, f, &r.bracket, 30 * side, y - 5, 42 * side, y - 5);
    for (double x : {33.0, 36.0, 39.0}) FineLine(g, f, &r.bracket, x * side, y - 5, (x + 3) * side, y - 12);
  }
}

}  // namespace

PfdFrame PfdFrame::Of(const DisplaySurface& s) {
  return Of(s, kPfdCanvasWidth, kPfdCanvasHeight, kPfdCentreX, kPfdCentreY);
}

PfdFrame PfdFrame::Of(const DisplaySurface& s, double canvas_width, double canvas_height, double centre_x,
                      double centre_y) {
  PfdFrame f;
  const double w = s.width;
  const double h = s.height;
  f.sx = w / canvas_width;
  f.sy = h / canvas_height;
  f.k = h / (16.0 * (w + h));
  f.fx = f.sx / f.k;
  f.fy = f.sy / f.k;
  f.cx = centre_x;
  f.cy = centre_y;
  return f;
}

void PfdFrame::SetCanvas(gfx::Graphics* g, double rotation_deg) const {
  g->ResetTransform();
  g->ScaleTransform(R(sx), R(sy));
  g->TranslateTransform(R(cx), R(cy));
  if (rotation_deg != 0.0) g->RotateTransform(R(rotation_deg));
}

gfx::PointF PfdFrame::LadderPoint(double right_deg, double above_horizon_deg, double pitch_deg,
                                  double bank_deg) const {
  // In the ladder's frame the horizon lies at -3 pitch; the fine frame stretches it by (sx, sy) into
  // pixels before it turns it by the bank.
  const double lx = kPitchUnitsPerDeg * right_deg * sx;
  const double ly = (-kPitchUnitsPerDeg * pitch_deg - kPitchUnitsPerDeg * above_horizon_deg) * sy;
  const double a = bank_deg * kDegToRad;
  const double px = lx * std::cos(a) - ly * std::sin(a);
  const double py = lx * std::sin(a) + ly * std::cos(a);
  return PointF(R(px / sx), R(py / sy));
}

void PfdFrame::SetFine(gfx::Graphics* g, double rotation_deg) const {
  g->ResetTransform();
  g->ScaleTransform(R(k), R(k));
  g->TranslateTransform(R(cx * fx), R(cy * fy));
  if (rotation_deg != 0.0) g->RotateTransform(R(rotation_deg));
}

REAL PfdFrame::FineX(double x) const { return static_cast<REAL>(TruncToPixel(x * fx)); }
REAL PfdFrame::FineY(double y) const { return static_cast<REAL>(TruncToPixel(y * fy)); }

PfdResources::PfdResources(const PfdFrame& f)
    : outline(CanvasPen(palette::kBlack, 2)),
      box(CanvasPen(palette::kGreen, 1)),
      outer_marker(CanvasPen(palette::kRed, 2)),
      middle_marker(CanvasPen(palette::kAmber, 2)),
      v_bar(CanvasPen(palette::kMagenta, 1)),
      cross_bar(CanvasPen(palette::kMagenta, 2)),
      symbol(CanvasPen(palette::kWhite, 1)),
      thick(CanvasPen(palette::kWhite, 2)),
      trend(CanvasPen(palette::kGreen, 2 * f.fx)),
      limit_dash(CanvasPen(palette::kRed, 3 * f.fy)),
      scale(CanvasPen(palette::kWhite, f.fy)),
      bracket(CanvasPen(palette::kAmber, 2 * f.fx)),
      bug(CanvasPen(palette::kMagenta, f.fy)),
      white(gfx::Color(palette::kWhite)),
      green(gfx::Color(palette::kGreen)),
      magenta(gfx::Color(palette::kMagenta)),
      amber(gfx::Color(palette::kAmber)),
      red(gfx::Color(palette::kRed)),
      black(gfx::Color(palette::kBlack)),
      sky(gfx::Color(ConfiguredColour(pfd_sky_color_r, pfd_sky_color_g, pfd_sky_color_b))),
      ground(gfx::Color(ConfiguredColour(pfd_gnd_color_r, pfd_gnd_color_g, pfd_gnd_color_b))),
      tape(gfx::Color(ConfiguredColour(pfd_tape_color_r, pfd_tape_color_g, pfd_tape_color_b))),
      canvas9(PixelFont(kFamily, 9)),
      canvas13(PixelFont(kFamily, 13)),
      canvas15(PixelFont(kFamily, 15)),
      canvas18(PixelFont(kFamily, 18)),
      fine7(PixelFont(kFamily, 7 * f.fy)),
      fine11(PixelFont(kFamily, 11 * f.fy)),
      fine13(PixelFont(kFamily, 13 * f.fy)),
      fine15(PixelFont(kFamily, 15 * f.fy)) {
  BuildAttitudeOutline(&attitude_clip);
  BuildLadderClip(&ladder_clip);
}

void FineLine(gfx::Graphics* g, const PfdFrame& f, const gfx::Pen* pen, double x1, double y1, double x2, double y2) {
  g->DrawLine(pen, f.FineX(x1), f.FineY(y1), f.FineX(x2), f.FineY(y2));
}

void FineFillRect(gfx::Graphics* g, const PfdFrame& f, const gfx::Brush* brush, double x, double y, double w,
                  double h) {
  g->FillRectangle(brush, f.FineX(x), f.FineY(y), f.FineX(w), f.FineY(h));
}

void FineClipRect(gfx::Graphics* g, const PfdFrame& f, double x, double y, double w, double h) {
  g->SetClip(gfx::RectF(f.FineX(x), f.FineY(y), f.FineX(w), f.FineY(h)));
}

void DrawPfdAttitude(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r) {
  const double y0 = -kPitchUnitsPerDeg * plane_pitch;  // plane_pitch is negative nose up
  DrawSkyAndGround(g, f, r, y0);
  g->ResetClip();
  f.SetCanvas(g);
  g->DrawPath(&r.outline, &r.attitude_clip);
  g->SetClip(&r.ladder_clip);
  DrawPitchLadder(g, f, r, y0);
  // The ladder clip stays for the bracket, and for the symbols after it.
  if (ReadFlapsAngle() > 0.0) DrawLimitBracket(g, f, r);
}

void DrawPfdBankScale(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r) {
  f.SetCanvas(g, plane_bank);
  const gfx::Point pointer[] = {{0, -70}, {4, -62}, {-4, -62}, {0, -70}};
  g->DrawLines(&r.symbol, pointer, 4);
  const int32_t slip_x = TruncToPixel(ReadTokenVar69() / 15.875) - 5;
  g->DrawRectangle(&r.symbol, slip_x, -62, 10, 3);

  for (int32_t a : {-60, -45, -30, -20, -10, 0, 10, 20, 30, 45, 60}) {
    f.SetCanvas(g, a);
    if (a == 0) {
      const gfx::Point top[] = {{0, -70}, {5, -80}, {-5, -80}};
      g->FillPolygon(&r.white, top, 3);
    } else if (a % 30 == 0) {
      g->DrawLine(&r.symbol, 0, -70, 0, -82);
    } else {
      g->DrawLine(&r.symbol, 0, -70, 0, -76);
    }
  }
}
