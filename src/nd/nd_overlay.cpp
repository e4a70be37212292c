#include "nd/nd_overlay.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "afds/afds_globals.h"
#include "afds/route_progress_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_following.h"
#include "draw/draw_helpers.h"
#include "base/geodesy.h"
#include "base/int_conversion.h"
#include "nd/map_toolkit.h"
#include "sim/readers_radio.h"
#include "sim/tcas_link.h"
#include "sim/tick_globals.h"
#include "nd/map_geometry.h"
#include "nd/nav_readouts.h"
#include "nd/nd_globals.h"
#include "state/config_globals.h"

namespace {

using gfx::PointF;
using gfx::REAL;

constexpr int32_t kModeMap = 3;
constexpr int32_t kModePlan = 4;
constexpr double kVnavFullScaleFt = 400.0;
constexpr double kVnavMaxShownFt = 9999.0;

struct OverlayInk {
  OverlayInk(const char* family, double line_width)
      : f7(PixelFont(family, 7.0)),
        f9(PixelFont(family, 9.0)),
        f10(PixelFont(family, 10.0)),
        f12(PixelFont(family, 12.0)),
        f13(PixelFont(family, 13.0)),
        f18(PixelFont(family, 18.0)),
        white(gfx::Color(palette::kWhite)),
        green(gfx::Color(palette::kGreen)),
        cyan(gfx::Color(palette::kCyan)),
        magenta(gfx::Color(palette::kMagenta)),
        yellow(gfx::Color(palette::kYellow)),
        black(gfx::Color(palette::kBlack)),
        white_line(gfx::Color(palette::kWhite), static_cast<REAL>(line_width)),
        magenta_line(gfx::Color(palette::kMagenta), static_cast<REAL>(line_width)),
        magenta_dashed(DashedPen(palette::kMagenta, line_width)),
        white1(gfx::Color(palette::kWhite), 1.0f),
        yellow1(gfx::Color(palette::kYellow), 1.0f),
        green1(gfx::Color(palette::kGreen), 1.0f) {}
  gfx::Font f7, f9, f10, f12, f13, f18;
  gfx::SolidBrush white, green, cyan, magenta, yellow, black;
  gfx::Pen white_line, magenta_line, magenta_dashed, white1, yellow1, green1;
};

struct Overlay {
  gfx::Graphics* g;
  const DisplaySurface* s;
  MapCanvas canvas;
  const OverlayInk& ink;

  void Canvas(double cx = 0.0, double cy = 0.0, double rotation_deg = 0.0) const {
    SetCanvasTransform(g, s, canvas, cx, cy, rotation_deg);
  }
  void Fill(double x, double y, double w, double h) const {
    g->FillRectangle(&ink.black, static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(w),
                     static_cast<REAL>(h));
  }
  void Box(const gfx::Pen* pen, double x, double y, double w, double h) const {
    g->DrawRectangle(pen, static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(w), static_cast<REAL>(h));
  }
};

bool HasActiveRoute() { return stpos != kNoActiveLeg; }

// Heading readout value: the magnetic heading when the label is "HDG", else the magnetic track.
double ReadoutValue(bool heading) { return heading ? HeadingReadout() : plane_trk_mag; }

// Draws "%.1f" of a distance and returns its number of characters.
int32_t DrawDistance(const Overlay& o, double x, double y, double dist_nm) {
  return DrawTextAt(o.g, &o.ink.f12, &o.ink.white, x, y, "%.1f", dist_nm);
}

void DrawTrueAirspeed(const Overlay& o, double x, double y) {
  if (true_airspeed > 100.0) {
    DrawTextAt(o.g, &o.ink.f12, &o.ink.white, x, y, "%3.0f", true_airspeed);
  } else {
    DrawTextAt(o.g, &o.ink.f12, &o.ink.white, x, y, "---");
  }
}

// "hhmm.0" and a small "Z" after it.
void DrawEta(const Overlay& o, double dist_nm, double x, double y, double z_y) {
  const ArrivalClock eta = ArrivalClockAt(dist_nm, ground_speed);
  // The tenths field has no source of its own and stays 0.
  const int32_t n = DrawTextAt(o.g, &o.ink.f12, &o.ink.white, x, y, "%02.0f%02.0f.%01.0f", eta.hours, eta.minutes, 0.0);
  DrawTextAt(o.g, &o.ink.f9, &o.ink.white, x + 6.5 * n, z_y, "Z");
}

// Magnetic wind direction in whole degrees.
int32_t MagneticWindDirection() {
  int32_t d = TruncToI32(TruncToI32(wind_dir) - mag_var);
  if (d < 0) {
    d += 360;
  } else if (d >= 360) {
    d -= 360;
  }
  return d;
}

// Wind direction in whole degrees: true, or magnetic unless WindVectorDegVar is "TRUE".
int32_t WindDirection() { return wind_vector_deg_var != "TRUE" ? MagneticWindDirection() : TruncToI32(wind_dir); }

// `up_mag`: the magnetic direction at the top of the display the arrow lies on.
void DrawWind(const Overlay& o, double up_mag, double text_x, double text_y, double arrow_x, double arrow_y) {
  const int32_t d = WindDirection();
  if (wind_speed >= 1.0) {
    DrawTextAt(o.g, &o.ink.f12, &o.ink.white, text_x, text_y, "%03d\xB0/%2.0f", d, wind_speed);
  } else {
    DrawTextAt(o.g, &o.ink.f12, &o.ink.white, text_x, text_y, "---\xB0/---");
    return;
  }
  // The arrow points where the wind blows to on the compass below it, whatever the text's reference.
  const int32_t from = MagneticWindDirection();
  const double to = from + 180.0 <= 360.0 ? from + 180.0 : from - 180.0;
  o.Canvas(arrow_x, arrow_y, to - up_mag);
  FillPolygon(o.g, &o.ink.white, {PointF(0, -9), PointF(3, -6), PointF(-3, -6), PointF(0, -9)});
  o.g->DrawLine(&o.ink.white_line, 0.0f, -6.0f, 0.0f, 9.0f);
}

// --- VNAV path-deviation scale ---

struct VnavScale {
  double bg_x, bg_y;
  double line_x, line_top, line_bottom;
  double tick_x;
  double ticks[3];
  int32_t centre, above, below;
  double diamond_x;  // the diamond's top and bottom point
  double text_x, text_above_y, text_below_y;
  bool tens;  // the ND writes tens of feet with a 0 after them
};

constexpr VnavScale kFpNdVnav{130, 60, 145, 75, 135, 130, {75, 105, 135}, 101, 133, 69, 150, 130, 140, 60, false};
constexpr VnavScale kNdVnav{190, 155, 205, 169, 231, 190, {170, 200, 230}, 196, 228, 164, 208, 187, 235, 155, true};

void DrawVnavScale(const Overlay& o, const VnavScale& v) {
  o.Fill(v.bg_x, v.bg_y, 25.0, 90.0);
  const gfx::Pen* pen = &o.ink.white_line;
  DrawLineD(o.g, pen, v.line_x, v.line_top, v.line_x, v.line_bottom);
  for (double y : v.ticks) DrawLineD(o.g, pen, v.tick_x, y, v.line_x, y);
  const VnavDiamond d = PlaceVnavDiamond(v.centre, v.above, v.below);
  const double x = v.diamond_x;
  const double y = d.y;
  DrawPolyline(o.g, &o.ink.magenta_line,
               {PointF(x, y), PointF(x + 5, y + 4), PointF(x, y + 8), PointF(x - 5, y + 4), PointF(x, y)});
  if (!d.text) return;
  const double ty = d.above ? v.text_above_y : v.text_below_y;
  if (v.tens) {
    DrawTextAt(o.g, &o.ink.f9, &o.ink.white, v.text_x, ty, "%4d0", d.deviation_ft / 10);
  } else {
    DrawTextAt(o.g, &o.ink.f9, &o.ink.white, v.text_x, ty, "%4d", d.deviation_ft);
  }
}

// The TCAS status on a black box: "TFC" in green while traffic is shown, else "TCAS" over "OFF".
struct TcasBox {
  double x, y;
  double line_dy;
  double off_w, off_h;
  double on_w, on_h;
  bool small;  // 9 px, else 13 px
};

constexpr TcasBox kFpNdTcasBox{0, 120, 15, 40, 30, 40, 15, false};
constexpr TcasBox kNdTcasBox{10, 80, 10, 30, 20, 20, 10, true};

void DrawTcasBox(const Overlay& o, bool traffic_on, const TcasBox& b) {
  const gfx::Font* font = b.small ? &o.ink.f9 : &o.ink.f13;
  if (traffic_on) {
    o.Fill(b.x, b.y, b.on_w, b.on_h);
    DrawTextAt(o.g, font, &o.ink.green, b.x, b.y, "TFC");
    return;
  }
  o.Fill(b.x, b.y, b.off_w, b.off_h);
  DrawTextAt(o.g, font, &o.ink.white, b.x, b.y, "TCAS");
  DrawTextAt(o.g, font, &o.ink.white, b.x, b.y + b.line_dy, "OFF");
}

bool VnavScaleShown(int32_t mode) { return tod == 1 && HasActiveRoute() && mode == kModeMap; }

// --- FP_ND ---

void DrawFpNdTcasBox(const Overlay& o) {
  if (tcas_server_connect != 1 || fpnd_mode != kModeMap) return;
  DrawTcasBox(o, fp_nd_tfc_on == 1, kFpNdTcasBox);
}

void DrawFpNdSpeedBlock(const Overlay& o) {
  if (const RouteLeg* leg = HasActiveRoute() ? ActiveRouteRow(stpos) : nullptr) {
    DrawTextAt(o.g, &o.ink.f12, &o.ink.magenta, 270, 4, "%s", leg->ident.c_str());
    const int32_t n = DrawDistance(o, 270, 32, ShownDistToActiveWptNm());
    DrawTextAt(o.g, &o.ink.f9, &o.ink.white, 270 + 7.0 * n, 34, "NM");
  }
  DrawTextAt(o.g, &o.ink.f9, &o.ink.white, 0, 2, "GS");
  DrawTextAt(o.g, &o.ink.f12, &o.ink.white, 20, 0, "%3.0f", ground_speed);
  DrawTextAt(o.g, &o.ink.f9, &o.ink.white, 45, 2, "TAS");
  DrawTrueAirspeed(o, 70, 0);
}

void DrawFpNdEta(const Overlay& o) {
  const RouteLeg* leg = HasActiveRoute() ? ActiveRouteRow(stpos) : nullptr;
  if (leg == nullptr || !(ground_speed > 80.0)) return;
  CalcDistBrg(plane_lat, plane_lon, leg->lat, leg->lon, &calc_dist2, &calc_brg);
  DrawEta(o, calc_dist2, 265, 18, 22);
}

void DrawFpNdHeading(const Overlay& o, bool aligned) {
  const double cx = fp_nd_centre_x;
  if (!aligned) {
    o.Box(&o.ink.yellow1, cx - 15, 4, 30, 12);
    DrawTextAt(o.g, &o.ink.f12, &o.ink.yellow, cx - 15, 3, "HDG");
    o.Box(&o.ink.yellow1, cx - 17, 141, 30, 12);
    DrawTextAt(o.g, &o.ink.f12, &o.ink.yellow, cx - 17, 141, "MAP");
    return;
  }
  const bool heading = MapModeDispHdgAlways == 1;
  DrawTextAt(o.g, &o.ink.f12, &o.ink.green, 105, 3, heading ? "HDG" : "TRK");
  DrawTextAt(o.g, &o.ink.f18, &o.ink.white, cx - 18, 0, "%03.0f", ReadoutValue(heading));
  DrawTextAt(o.g, &o.ink.f12, &o.ink.green, 185, 3, "MAG");
}

void DrawFpNdRadio(const Overlay& o) {
  DrawTextAt(o.g, &o.ink.f12, &o.ink.green, 0, 280, "%s", Nav1ReceiverLabel());
  DrawNav1Frequency(o.g, &o.ink.f12, &o.ink.green, 0, 295);
  DrawTextAt(o.g, &o.ink.f9, &o.ink.green, 0, 312, "DME");
  if (dme_dist > 0.0) DrawTextAt(o.g, &o.ink.f12, &o.ink.green, 25, 310, "%.1f", dme_dist);
}

// Heading pointer and selected-heading marker on the compass arc of the MAP.
void DrawFpNdHeadingMarks(const Overlay& o, bool aligned) {
  const double cx = fp_nd_centre_x;
  const double cy = fp_nd_centre_y;
  const bool track_up = MapModeDispHdgAlways == 0;
  o.Canvas(cx, cy, track_up ? plane_hdg_mag - plane_trk_mag : 0.0);
  DrawLineD(o.g, &o.ink.white_line, 0, -236, 7, -250);
  DrawLineD(o.g, &o.ink.white_line, 7, -250, -7, -250);
  DrawLineD(o.g, &o.ink.white_line, -7, -250, 0, -236);
  o.Canvas(cx, cy, hdg_sel_dir - (MapModeDispHdgAlways == 1 ? plane_hdg_mag : plane_trk_mag));
  DrawPolyline(o.g, &o.ink.magenta_line,
               {PointF(0, -236), PointF(10, -236), PointF(10, -246), PointF(4, -246), PointF(0, -236), PointF(-4, -246),
                PointF(-10, -246), PointF(-10, -236), PointF(0, -236)});
  if (aligned) o.g->DrawLine(&o.ink.magenta_dashed, 0.0f, 0.0f, 0.0f, -236.0f);
}

// --- ND ---

void DrawNdTcasBox(const Overlay& o) {
  if (nd_mode > kModeMap || ctr_mode != 0) return;
  DrawTcasBox(o, nd_tfc_on == 1, kNdTcasBox);
}

void DrawNdSpeedBlock(const Overlay& o) {
  if (nd_mode == kModeMap || nd_mode == kModePlan || ctr_mode == 1) {
    if (HasActiveRoute()) {
      const int32_t n = DrawDistance(o, 7, 4, ShownDistToActiveWptNm());
      DrawTextAt(o.g, &o.ink.f9, &o.ink.white, 7.0 * (n + 1), 6, "NM");
    }
    DrawTextAt(o.g, &o.ink.f9, &o.ink.white, 7, 18, "TAS");
    DrawTrueAirspeed(o, 31, 15);
    return;
  }
  DrawTextAt(o.g, &o.ink.f9, &o.ink.white, 5, 10, "DME");
  if (ReadVor1Signal() > 0.0 && dme_dist > 0.0) {
    DrawTextAt(o.g, &o.ink.f12, &o.ink.white, 30, 8, "%.1f", dme_dist);
  } else {
    DrawTextAt(o.g, &o.ink.f12, &o.ink.white, 30, 8, "- - -");
  }
}

void DrawNdHeading(const Overlay& o, bool aligned) {
  const bool heading = nd_mode < kModeMap || MapModeDispHdgAlways == 1;
  const char* label = heading ? "HDG" : "TRK";
  if (!aligned) {
    o.Box(&o.ink.yellow1, 97, 4, 18, 9);
    DrawTextAt(o.g, &o.ink.f7, &o.ink.yellow, 97, 5, "%s", label);
    if (nd_mode == kModeMap) {
      const double y = ctr_mode == 1 ? 110.0 : 140.0;
      o.Box(&o.ink.yellow1, 97, y, 18, 9);
      DrawTextAt(o.g, &o.ink.f7, &o.ink.yellow, 97, y + 1.0, "MAP");
    }
    return;
  }
  DrawTextAt(o.g, &o.ink.f9, &o.ink.green, 65, 3, "%s", label);
  DrawTextAt(o.g, &o.ink.f13, &o.ink.white, 93, 0, "%03.0f", ReadoutValue(heading));
  DrawTextAt(o.g, &o.ink.f9, &o.ink.green, 130, 3, "M");
}

void DrawNdRadio(const Overlay& o) {
  if (nd_mode >= kModeMap) return;
  DrawTextAt(o.g, &o.ink.f12, &o.ink.green, 10, 240, "%s", Nav1ReceiverLabel());
  DrawNav1Frequency(o.g, &o.ink.f12, &o.ink.green, 170, 240);
  if (ReadTokenVar20() > 1.0) {
    DrawTextAt(o.g, &o.ink.f12, &o.ink.cyan, 10, 225, "ADF 1");
    // The radio stack's reading: the tenths and thousands come from the second word.
    DrawTextAt(o.g, &o.ink.f12, &o.ink.cyan, 170, 225, "%04.1f", ReadAdfFrequency());
  }
}

// The selected-heading bug of the centred presentations: two bars joined by three uprights.
void DrawNdCentredBug(const Overlay& o, double inner, double outer) {
  DrawLineD(o.g, &o.ink.magenta_line, -10, inner, 10, inner);
  DrawLineD(o.g, &o.ink.magenta_line, -10, outer, 10, outer);
  for (double x : {-10.0, 0.0, 10.0}) DrawLineD(o.g, &o.ink.magenta_line, x, inner, x, outer);
}

void DrawNdHeadingMarks(const Overlay& o) {
  constexpr double cx = 107.0;
  const double y0 = ctr_mode != 0 ? 126.0 : 209.0;
  const bool map_modes = nd_mode == kModeMap || nd_mode == kModePlan;
  if (map_modes && MapModeDispHdgAlways == 0) {
    o.Canvas(cx, y0, plane_hdg_mag - plane_trk_mag);
    const double a = ctr_mode == 1 ? -77.0 : -177.0;
    const double b = a - 10.0;
    DrawPolyline(o.g, &o.ink.white_line, {PointF(0, a), PointF(5, b), PointF(-5, b), PointF(0, a)});
  }
  const double map_ref = MapModeDispHdgAlways == 1 ? plane_hdg_mag : plane_trk_mag;
  const double ref = nd_mode == kModeMap ? map_ref : plane_hdg_mag;
  double reach = -190.0;
  if (nd_mode < kModeMap && ctr_mode == 1) {
    o.Canvas(cx, y0, hdg_sel_dir - plane_hdg_mag);
    DrawNdCentredBug(o, -79.0, -87.0);
    reach = -87.0;
  } else if (nd_mode == kModeMap && ctr_mode == 1) {
    o.Canvas(cx, y0, hdg_sel_dir - map_ref);
    DrawNdCentredBug(o, -92.0, -100.0);
    reach = -92.0;
  } else if (nd_mode != kModePlan) {
    o.Canvas(cx, y0, hdg_sel_dir - ref);
    const PointF outline[] = {PointF(0, -190),  PointF(-7, -196), PointF(-10, -196), PointF(-10, -190),
                              PointF(10, -190), PointF(10, -196), PointF(6, -196),   PointF(0, -190)};
    for (size_t i = 0; i + 1 < std::size(outline); ++i) o.g->DrawLine(&o.ink.magenta_line, outline[i], outline[i + 1]);
  }
  if (nd_mode != kModePlan) DrawLineD(o.g, &o.ink.magenta_dashed, 0, 0, 0, reach);
  o.Canvas(cx, 126.0);
  if (nd_mode <= 2 && ctr_mode == 1) {
    DrawPolyline(o.g, &o.ink.white_line, {PointF(0, -80), PointF(7, -70), PointF(-7, -70), PointF(0, -80)});
  }
  if (nd_mode == kModePlan) {
    DrawTextAt(o.g, &o.ink.f10, &o.ink.green, 95, -50, "N");
    DrawLineD(o.g, &o.ink.green1, 100, -40, 100, -20);
    DrawLineD(o.g, &o.ink.green1, 100, -40, 103, -37);
    DrawLineD(o.g, &o.ink.green1, 100, -40, 97, -37);
  }
}

}  // namespace

VnavDiamond PlaceVnavDiamond(int32_t centre_y, int32_t above_y, int32_t below_y) {
  const double deviation = std::min(std::fabs(plane_alt - vnav_path_alt), kVnavMaxShownFt);
  const bool above = plane_alt > vnav_path_alt;
  VnavDiamond d{centre_y, false, TruncToI32(deviation), above};
  if (!(route_dist_sum > 0.0) || plane_alt == vnav_path_alt) return d;
  if (deviation < kVnavFullScaleFt) {
    const double shift = deviation / kVnavFullScaleFt * 30.0;
    d.y = TruncToPixel(above ? centre_y + shift : centre_y - shift);
  } else {
    d.y = above ? above_y : below_y;
    d.text = true;
  }
  return d;
}

void DrawFpNdOverlay(DisplaySurface* s, gfx::Graphics* g) {
  const OverlayInk ink("Arial", 2.0);
  const Overlay o{g, s, kFpNdCanvas, ink};
  const bool aligned = IrsAligned();
  o.Canvas();
  DrawFpNdTcasBox(o);
  DrawFpNdSpeedBlock(o);
  o.Box(&ink.white_line, 139, 0, 40, 20);
  DrawFpNdEta(o);
  DrawFpNdHeading(o, aligned);
  if (aligned && fpnd_mode == kModeMap) DrawFpNdRadio(o);
  if (fpnd_mode == kModeMap) {
    DrawWind(o, MapModeDispHdgAlways == 1 ? plane_hdg_mag : plane_trk_mag, 5, 18, 20, 40);
    DrawFpNdHeadingMarks(o, aligned);
  }
  if (VnavScaleShown(fpnd_mode)) {
    o.Canvas(fp_nd_centre_x, fp_nd_centre_y);
    DrawVnavScale(o, kFpNdVnav);
  }
}

void DrawNdOverlay(DisplaySurface* s, gfx::Graphics* g) {
  const OverlayInk ink(display_font.c_str(), EfisLinesize);
  const Overlay o{g, s, kNdCanvas, ink};
  const bool aligned = IrsAligned();
  o.Canvas();
  DrawNdTcasBox(o);
  DrawNdSpeedBlock(o);
  DrawPolyline(g, &ink.white1,
               {PointF(91, 2), PointF(91, 14), PointF(100, 14), PointF(107, 20), PointF(114, 14), PointF(123, 14),
                PointF(123, 2)});
  if (VnavScaleShown(nd_mode)) DrawVnavScale(o, kNdVnav);
  DrawNdHeading(o, aligned);
  if (HasActiveRoute() && ground_speed > 30.0 && nd_mode >= kModeMap) DrawEta(o, ShownDistToActiveWptNm(), 165, 0, 2);
  DrawNdRadio(o);
  // The rose presentations are heading up.
  const double up_mag = nd_mode == kModeMap && MapModeDispHdgAlways != 1 ? plane_trk_mag : plane_hdg_mag;
  if (nd_mode < kModePlan) DrawWind(o, up_mag, 0, 210, 15, 230);
  if (aligned) DrawNdHeadingMarks(o);
}
