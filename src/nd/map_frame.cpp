#include "nd/map_frame.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "afds/afds_globals.h"
#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "draw/draw_helpers.h"
#include "base/geodesy.h"
#include "nd/map_toolkit.h"
#include "sim/readers_radio.h"
#include "sim/tick_globals.h"
#include "nd/ehsi_parts.h"
#include "nd/map_geometry.h"
#include "nd/nd_globals.h"
#include "nd/fix_info_layer.h"
#include "nd/nearby_layers.h"
#include "nd/roses.h"
#include "nd/route_layer.h"
#include "nd/trend_vector.h"
#include "state/config_globals.h"

namespace {

using gfx::PointF;
using gfx::REAL;

constexpr int32_t kModeMap = 3;
constexpr int32_t kModePlan = 4;

// --- the layer order ---

using SurfaceLayer = void (*)(DisplaySurface*, gfx::Graphics*, double, double);
using FixInfoLayer = void (*)(DisplaySurface*, gfx::Graphics*);
using HoldLayer = void (*)(gfx::Graphics*, double, double);
using ArcLayer = void (*)(gfx::Graphics*);

struct MapLayerSet {
  SurfaceLayer stations, airports, waypoints, route;
  FixInfoLayer fix_info;
  SurfaceLayer trend;  // null: the display has none
  HoldLayer hold;
  ArcLayer alt_arc;
  const int32_t* mode;  // the display's, for the traffic's up direction
};

constexpr MapLayerSet kEhsiLayers{DrawMapStationsEhsi, DrawMapAirportsEhsi, DrawMapWaypointsEhsi, DrawMapRouteEhsi,
                                  DrawMapFixInfoEhsi,  nullptr,             DrawMapHoldEhsi,      DrawAltRangeArcEhsi,
                                  &fp_ehsi_mode};
constexpr MapLayerSet kFpNdLayers{DrawMapStationsFpNd, DrawMapAirportsFpNd,  DrawMapWaypointsFpNd,
                                  DrawMapRouteFpNd,    DrawMapFixInfoFpNd,   DrawTrendVectorFpNd,
                                  DrawMapHoldFpNd,     DrawAltRangeArcFpNd,  &fpnd_mode};
constexpr MapLayerSet kNdLayers{DrawMapStationsNd, DrawMapAirportsNd,  DrawMapWaypointsNd, DrawMapRouteNd,
                                DrawMapFixInfoNd,  DrawTrendVectorNd,  DrawMapHoldNd,      DrawAltRangeArcNd,
                                &nd_mode};

struct LayerGates {
  bool stations, airports, waypoints, route, fix_info, tcas, trend, hold, alt_arc;
};

struct MapPlace {
  MapCanvas canvas;
  double cx, cy;
  int32_t radius_px;
  double range_nm;
};

bool FixInfoShown() { return !fix_info[1].ident.empty() || !fix_info[2].ident.empty(); }
bool HoldShown() { return route_holds[1].leg > 0; }
// Descending on the autopilot's altitude hold towards a level below.
bool AltArcShown() {
  return ap_master == 1.0 && tok108_flag == 1.0 && plane_alt > ap_alt_lock && vert_speed < -200.0;
}

// Where the aircraft, the traffic's origin, lies from the map centre: the centre itself but in PLAN,
// whose centre is a route leg.
void TrafficOrigin(int32_t mode, double* x, double* y) {
  *x = 0.0;
  *y = 0.0;
  if (mode != kModePlan) return;
  double centre_lat = 0.0;
  double centre_lon = 0.0;
  PlanMapCentre(&centre_lat, &centre_lon);
  double dist_nm = 0.0;
  double brg = 0.0;
  CalcDistBrg(centre_lat, centre_lon, plane_lat, plane_lon, &dist_nm, &brg);
  CalcMapPoint(0.0, brg, 0.0, 0.0, dist_nm * map_px_per_nm, x, y);
}

void RunMapLayers(const MapLayerSet& set, const LayerGates& on, DisplaySurface* s, gfx::Graphics* g,
                  const MapPlace& at) {
  // Without a positive range there is no scale to place anything with.
  if (!(at.range_nm > 0.0)) return;
  const auto layer_transform = [&] { return SetLayerTransform(g, s, at.canvas, at.cx, at.cy); };
  const LayerFactors f = layer_transform();
  map_px_per_nm = at.radius_px / at.range_nm;
  if (on.stations) set.stations(s, g, f.fx, f.fy);
  if (on.airports) set.airports(s, g, f.fx, f.fy);
  if (on.waypoints) set.waypoints(s, g, f.fx, f.fy);
  if (on.route) set.route(s, g, f.fx, f.fy);
  if (on.fix_info) {
    layer_transform();
    set.fix_info(s, g);
  }
  if (on.tcas) {
    double own_x = 0.0;
    double own_y = 0.0;
    TrafficOrigin(*set.mode, &own_x, &own_y);
    SetCanvasTransform(g, s, at.canvas, at.cx + own_x, at.cy + own_y);
    DrawTcasTraffic(g, MapUpDirection(*set.mode));
  }
  if (on.trend && set.trend != nullptr) {
    layer_transform();
    set.trend(s, g, f.fx, f.fy);
  }
  if (on.hold) {
    layer_transform();
    set.hold(g, f.fx, f.fy);
  }
  if (on.alt_arc) {
    SetCanvasTransform(g, s, at.canvas, at.cx, at.cy);
    set.alt_arc(g);
  }
  layer_transform();
}

// "%.0f" of half the range with its left edge moved by the text's length (x_base - per_char x n).
void DrawHalfRangeLabel(gfx::Graphics* g, const gfx::Font* font, const gfx::Brush* brush, double range_nm,
                        double x_base, double per_char, double y) {
  char text[32];
  const int n = std::snprintf(text, sizeof text, "%.0f", range_nm * 0.5);
  const int32_t chars = n < 0 ? 0 : (n < static_cast<int>(sizeof text) ? n : static_cast<int>(sizeof text) - 1);
  DrawTextCut(g, font, brush, x_base - per_char * chars, y, text, chars);
}

void DrawAircraftTriangle(gfx::Graphics* g, const gfx::Pen* pen, double height) {
  const REAL h = static_cast<REAL>(height);
  DrawPolyline(g, pen, {PointF(0, 0), PointF(-7, h), PointF(7, h), PointF(0, 0)});
}

// --- FP_ND ---

constexpr CompassArc kFpNdArc{236.0, 12.0, 6.0, -224.0};

// Relative bearing a (degrees) brought into (-180, 180].
double HalfTurn(double a) {
  double r = FmodPositive(a + 180.0, 360.0) - 180.0;
  return r == -180.0 ? 180.0 : r;
}

void DrawFpNdBearingPointers(gfx::Graphics* g, const DisplaySurface* s, const gfx::Pen* pen, double cy) {
  const double cx = fp_nd_centre_x;
  // The receivers give bearings from the nose; a track-up map has the nose right of its top by the drift.
  const double nose = fpnd_mode == kModeMap && MapModeDispHdgAlways != 1 ? plane_hdg_mag - plane_trk_mag : 0.0;
  if (ReadTokenVar20() > 0.0) {
    SetCanvasTransform(g, s, kFpNdCanvas, cx, cy, ReadTokenVar39() + 360.0 + nose);
    DrawLineD(g, pen, -5, -240, 0, -245);
    DrawLineD(g, pen, 5, -240, 0, -245);
    DrawLineD(g, pen, 0, -245, 0, -180);
    DrawLineD(g, pen, -10, -180, 10, -180);
    DrawLineD(g, pen, 0, 233, 8, 240);
    DrawLineD(g, pen, 0, 233, -8, 240);
    DrawLineD(g, pen, 0, 233, 0, 170);
  }
  if (ReadVor1Signal() > 0.0) {
    double station = ReadTokenVar550() + plane_hdg_mag;
    if (station >= 360.0) station -= 360.0;
    const double a = station - plane_hdg_mag + nose;
    const double rel = HalfTurn(a);
    SetCanvasTransform(g, s, kFpNdCanvas, cx, cy, a);
    if (rel > -100.0 && rel < 100.0) {
      DrawPolyline(g, pen, {PointF(0, -245), PointF(5, -240), PointF(5, -185), PointF(10, -185), PointF(10, -175),
                            PointF(-10, -175), PointF(-10, -185), PointF(-5, -185), PointF(-5, -240),
                            PointF(0, -245)});
    }
    if (rel < -90.0 || rel > 90.0) {
      DrawPolyline(g, pen, {PointF(0, 240), PointF(8, 245), PointF(8, 235), PointF(5, 230), PointF(5, 180),
                            PointF(0, 170), PointF(-5, 180), PointF(-5, 230), PointF(-8, 235), PointF(-8, 245),
                            PointF(0, 240)});
      DrawLineD(g, pen, 0, 225, 5, 230);
      DrawLineD(g, pen, 0, 225, -5, 230);
    }
  }
}

// --- ND ---

constexpr CompassArc kNdArc{189.0, 10.0, 5.0, -179.0};
constexpr double kNdCentreX = 107.0;
constexpr double kNdCentredY = 126.0;
constexpr double kNdExpandedY = 209.0;

struct NdResources {
  NdResources()
      : white(gfx::Color(palette::kWhite), static_cast<REAL>(EfisLinesize)),
        white1(gfx::Color(palette::kWhite), 1.0f),
        text(gfx::Color(palette::kWhite)),
        label(PixelFont(display_font.c_str(), 12.0)),
        range(PixelFont(display_font.c_str(), 12.0, false)) {}
  gfx::Pen white;
  gfx::Pen white1;
  gfx::SolidBrush text;
  gfx::Font label;
  gfx::Font range;
};

double CentredRingLabelX(int32_t b) { return b < 100 ? -5.0 : -9.0; }
constexpr CompassRose kNdCentredRing{10, -80.0, -80.0, -90.0, -90.0, true, CentredRingLabelX};
// The selected range reaches the arc of the expanded frames, and in centred MAP the compass ring's
// edge, so that the half-range mark halfway to it tells the map's scale.
constexpr int32_t kNdArcRadiusPx = 189;
constexpr int32_t kNdCentredRingRadiusPx = 90;

LayerGates NdGates(bool map_modes) {
  const bool map = nd_mode == kModeMap;
  if (!map_modes) return {false, false, false, false, false, nd_tfc_on == 1, false, false, false};
  return {nd_sta_on == 1 && nd_rng_nm <= 160.0,
          nd_arpt_on == 1 && nd_rng_nm <= 160.0,
          nd_wpt_on == 1 && nd_rng_nm <= 40.0,
          true,
          FixInfoShown(),
          nd_tfc_on == 1,
          nd_mode != kModePlan,
          map && HoldShown(),
          map && AltArcShown()};
}

// The ND's map presentations are track up unless the heading is asked for always.
bool NdTrackUp() { return nd_mode >= kModeMap && MapModeDispHdgAlways != 1; }

void DrawNdCentredMap(DisplaySurface* s, gfx::Graphics* g, const NdResources& r, bool aligned) {
  SetCanvasTransform(g, s, kNdCanvas, kNdCentreX, kNdCentredY);
  gfx::GraphicsPath circle;
  circle.AddEllipse(-130.0f, -105.0f, 260.0f, 260.0f);
  g->SetClip(&circle, gfx::CombineModeReplace);
  DrawAircraftTriangle(g, &r.white, 14.0);
  if (aligned) {
    DrawCompassRose(g, s, kNdCanvas, kNdCentreX, kNdCentredY, kNdCentredRing, NdTrackUp(), &r.white, &r.label,
                    &r.text);
  }
  SetCanvasTransform(g, s, kNdCanvas, kNdCentreX, kNdCentredY);
  g->DrawLine(&r.white1, 0.0f, 0.0f, 0.0f, -189.0f);
  const double half_range_y = -0.5 * nd_radius_px;
  DrawLineD(g, &r.white1, -5.0, half_range_y, 5.0, half_range_y);
  DrawHalfRangeLabel(g, &r.range, &r.text, nd_rng_nm, -6.0, 8.0, half_range_y - 7.0);
  if (!aligned) return;
  // The map ends at the ring, where the selected range is reached, not over the rose and header.
  const float ring = static_cast<float>(nd_radius_px);
  gfx::GraphicsPath map_area;
  map_area.AddEllipse(-ring, -ring, 2.0f * ring, 2.0f * ring);
  g->SetClip(&map_area, gfx::CombineModeReplace);
  RunMapLayers(kNdLayers, NdGates(true), s, g, {kNdCanvas, kNdCentreX, kNdCentredY, nd_radius_px, nd_rng_nm});
}

void DrawNdExpandedFrame(DisplaySurface* s, gfx::Graphics* g, const NdResources& r) {
  const bool rose = nd_mode == 1 || nd_mode == 2;
  SetCanvasTransform(g, s, kNdCanvas, kNdCentreX, kNdExpandedY);
  DrawUpperHalfCircle(g, &r.white, 189.0);
  if (nd_mode == kModeMap && nd_range_rings_on == 1) {
    for (double radius : {141.0, 94.0, 47.0}) DrawUpperHalfCircle(g, &r.white, radius);
  }
  DrawCompassArc(g, s, kNdCanvas, kNdCentreX, kNdExpandedY, kNdArc, NdTrackUp(), &r.white, &r.label, &r.text);
  SetCanvasTransform(g, s, kNdCanvas, kNdCentreX, kNdExpandedY);
  if (rose) {
    SetArcClip(g, 189.0, 235.0, 70.0,
               {PointF(108, -155), PointF(108, 18), PointF(50, 18), PointF(50, 43), PointF(-50, 43), PointF(-50, 0),
                PointF(-108, 0), PointF(-108, -155)});
    DrawNdExpandedNavSymbols(s, g);
  } else {
    SetArcClip(g, 189.0, 235.0, 70.0,
               {PointF(108, -155), PointF(108, 43), PointF(50, 43), PointF(-50, 43), PointF(-108, 0),
                PointF(-108, -155)});
  }
  const bool map_modes = nd_mode == kModeMap || nd_mode == kModePlan;
  const double layer_cy = nd_mode == kModePlan ? kNdCentredY : kNdExpandedY;
  RunMapLayers(kNdLayers, NdGates(map_modes), s, g, {kNdCanvas, kNdCentreX, layer_cy, nd_radius_px, nd_rng_nm});
}

// --- FP_EHSI ---

LayerGates EhsiGates() {
  const double range = fp_ehsi_rng_nm;
  return {ehsi_sta_on == 1,
          ehsi_arpt_on == 1 && range <= 160.0,
          ehsi_wpt_on == 1 && range <= 40.0,
          true,
          FixInfoShown(),
          tcas_display_on == 1 && fp_ehsi_mode == kModeMap,
          false,
          HoldShown(),
          AltArcShown()};
}

}  // namespace

void DrawFpNdMap(DisplaySurface* s, gfx::Graphics* g) {
  const gfx::Pen white1(gfx::Color(palette::kWhite), 1.0f);
  const gfx::Pen white2(gfx::Color(palette::kWhite), 2.0f);
  const gfx::Pen green2(gfx::Color(palette::kGreen), 2.0f);
  const gfx::SolidBrush text{gfx::Color(palette::kWhite)};
  const gfx::SolidBrush black{gfx::Color(palette::kBlack)};
  const gfx::Font label = PixelFont("Arial", 12.0);
  const gfx::Font range_font = PixelFont("Arial", 12.0, false);
  const gfx::Font cardinal = PixelFont("Arial", 15.0);

  const double cx = fp_nd_centre_x;
  const double cy = fp_nd_centre_y;
  SetCanvasTransform(g, s, kFpNdCanvas, cx, cy);
  if (!IrsAligned()) return;
  const bool map = fpnd_mode == kModeMap;
  const bool plan = fpnd_mode == kModePlan;
  if (map) {
    g->FillRectangle(&black, -160.0f, -236.0f, 320.0f, 100.0f);
    DrawUpperHalfCircle(g, &white2, 236.0);
    if (nd_range_rings_on == 1) {
      for (double radius : {177.0, 118.0, 59.0}) DrawUpperHalfCircle(g, &white2, radius);
    }
    DrawCompassArc(g, s, kFpNdCanvas, cx, cy, kFpNdArc, MapModeDispHdgAlways != 1, &white2, &label, &text);
    SetCanvasTransform(g, s, kFpNdCanvas, cx, cy);
    SetArcClip(g, 236.0, 180.0, 180.0,
               {PointF(159, -150), PointF(159, 0), PointF(100, 0), PointF(100, 152), PointF(-100, 152),
                PointF(-100, 0), PointF(-159, 0), PointF(-159, -236)});
    fp_nd_radius_px = 236;
    DrawAircraftTriangle(g, &white2, 18.0);
    g->DrawLine(&white1, 0.0f, 0.0f, 0.0f, -236.0f);
    DrawHalfRangeLabel(g, &range_font, &text, fpnd_rng_nm, -5.0, 9.0, -130.0);
  } else if (plan) {
    g->DrawEllipse(&white2, -120.0f, -120.0f, 240.0f, 240.0f);
    g->DrawEllipse(&white2, -60.0f, -60.0f, 120.0f, 120.0f);
    fp_nd_radius_px = 120;
    DrawTextAt(g, &range_font, &text, -75.0, -5.0, "%.0f", fpnd_rng_nm * 0.5);
    DrawTextAt(g, &cardinal, &text, -8.0, -145.0, "N");
    DrawTextAt(g, &cardinal, &text, -8.0, 130.0, "S");
    DrawTextAt(g, &cardinal, &text, 125.0, -7.0, "E");
    DrawTextAt(g, &cardinal, &text, -145.0, -7.0, "W");
  }
  const double range = fpnd_rng_nm;
  const LayerGates gates{nd_sta_on == 1,
                         nd_arpt_on == 1 && range <= 80.0,
                         nd_wpt_on == 1 && range <= 40.0,
                         true,
                         FixInfoShown(),
                         fp_nd_tfc_on == 1 && map,
                         map,
                         map && HoldShown(),
                         map && AltArcShown()};
  RunMapLayers(kFpNdLayers, gates, s, g, {kFpNdCanvas, cx, cy, fp_nd_radius_px, range});
  if (!plan) {
    g->ResetClip();
    DrawFpNdBearingPointers(g, s, &green2, cy);
  }
  g->ResetClip();
}

void DrawNdMap(DisplaySurface* s, gfx::Graphics* g) {
  const NdResources r;
  const bool aligned = IrsAligned();
  const bool centred = nd_mode == kModeMap && ctr_mode != 0;
  nd_radius_px = centred ? kNdCentredRingRadiusPx : kNdArcRadiusPx;
  if (centred) {
    DrawNdCentredMap(s, g, r, aligned);
  } else {
    if (aligned) DrawNdExpandedFrame(s, g, r);
    if (nd_mode < kModePlan && ctr_mode == 0) {
      SetCanvasTransform(g, s, kNdCanvas, kNdCentreX, kNdExpandedY);
      DrawAircraftTriangle(g, &r.white, 18.0);
      g->DrawLine(&r.white1, 0.0f, 0.0f, 0.0f, -189.0f);
      DrawHalfRangeLabel(g, &r.range, &r.text, nd_rng_nm, -1.0, 8.0, -107.0);
    }
  }
  g->ResetClip();
}

void DrawEhsiMap(DisplaySurface* s, gfx::Graphics* g) {
  const EhsiResources r;
  const bool track_up = fp_ehsi_mode >= kModeMap && MapModeDispHdgAlways != 1;
  DrawEhsiArcAndClip(g, s, r);
  if (ehsi_range_rings_on == 1) {
    for (double radius : {100.0, 67.0, 33.0}) DrawUpperHalfCircle(g, &r.white2, radius);
  }
  DrawEhsiCompassArc(g, s, r, track_up);
  DrawEhsiAircraftAndMarks(g, s, r, -20.0);
  RunMapLayers(kEhsiLayers, EhsiGates(), s, g,
               {kFpEhsiCanvas, kEhsiCentreX, kEhsiMapCentreY, ehsi_radius_px, fp_ehsi_rng_nm});
  DrawEhsiSelectedHeading(g, s, r, kEhsiMapCentreY, hdg_sel_dir - (track_up ? plane_trk_mag : plane_hdg_mag), -134.0,
                          true);
  g->ResetClip();
  DrawEhsiVsScale(g, s, r);
  const bool turn_pointer = fp_ehsi_mode == kModeMap && MapModeDispHdgAlways == 0;
  SetCanvasTransform(g, s, kFpEhsiCanvas, kEhsiCentreX, kEhsiMapCentreY,
                     turn_pointer ? plane_hdg_mag - plane_trk_mag : 0.0);
  DrawPolyline(g, &r.white2, {PointF(0, -134), PointF(6, -144), PointF(-6, -144), PointF(0, -134)});
}
