#include "nd/map_toolkit.h"

#include <algorithm>
#include <cmath>

#include "afds/afds_globals.h"
#include "fmc/fmc_globals.h"
#include "draw/draw_helpers.h"
#include "base/geodesy.h"
#include "sim/tick_globals.h"
#include "navdb/navdb_globals.h"
#include "navdb/nearby_lists.h"
#include "nd/map_geometry.h"
#include "nd/nd_globals.h"
#include "platform/gfx/gfx.h"
#include "state/config_globals.h"

namespace {

using gfx::REAL;

constexpr int32_t kModeMap = 3;
constexpr int32_t kModePlan = 4;
constexpr int32_t kAirportIdentChars = 5;
constexpr double kAirportReachMarginNm = 10.0;

const char* FamilyOf(bool display_family) { return display_family ? display_font.c_str() : "Arial"; }

// --- nearby airports ---

struct AirportLayer {
  const int32_t* mode;
  const double* range_nm;
  bool display_family;
};

void DrawMapAirports(const AirportLayer& layer, gfx::Graphics* g, double sx, double sy) {
  const gfx::Pen pen(gfx::Color(palette::kCyan), 4.0f);
  const gfx::SolidBrush brush{gfx::Color(palette::kCyan)};
  const gfx::Font font = PixelFont(FamilyOf(layer.display_family), 10.0 * sx);

  // PLAN is north up also without a route, like the other layers of the plan map.
  double ref_lat = plane_lat;
  double ref_lon = plane_lon;
  double up = 0.0;
  if (*layer.mode == kModePlan) {
    if (stpos != kNoActiveLeg) {
      if (const RouteLeg* leg = ActiveRouteRow(map_ctr_leg > 0 ? map_ctr_leg : stpos)) {
        ref_lat = leg->lat;
        ref_lon = leg->lon;
      }
    }
  } else {
    up = MapUpDirection(*layer.mode);
  }

  if (NearbyListStale({near_apt_ref_lat, near_apt_ref_lon}, ref_lat, ref_lon, kNearCoarseRebuildNm)) {
    FilterAirportsCoarse(ref_lat, ref_lon);
  }
  if (NearbyListStale({near_apt_ref_lat2, near_apt_ref_lon2}, ref_lat, ref_lon, kNearFineRebuildNm)) {
    FilterAirportsFine(ref_lat, ref_lon);
  }

  const double reach_nm = 2.0 * *layer.range_nm + kAirportReachMarginNm;
  const int32_t count = std::min(near_apt_count, kNearAptsFineCapacity);
  // The ring's box and the identifier's corner of an airport at (x, y), world units; the ring's
  // ink stays within its 4-unit pen's width around the box.
  const auto ring_at = [&](double x, double y) {
    return gfx::Rect(TruncToPixel((x - 5.0) * sx), TruncToPixel((y - 3.0) * sy), TruncToPixel(10.0 * sx),
                     TruncToPixel(10.0 * sy));
  };
  const auto ring_ink = [](const gfx::Rect& r) {
    constexpr gfx::REAL kPenSpill = 4.0f;
    return gfx::RectF(r.X - kPenSpill, r.Y - kPenSpill, r.Width + 2.0f * kPenSpill, r.Height + 2.0f * kPenSpill);
  };
  const auto ident_at = [&](double x, double y) {
    return LayerPoint{(x - 5.0) * sx + 2.0 * sx, (y - 3.0) * sy - 15.0 * sy};
  };
  const LayerPoint ident0 = ident_at(0.0, 0.0);
  const MapItemCulling culling(g, {sx, sy}, ref_lat, ref_lon,
                               CanvasReach({ring_ink(ring_at(0.0, 0.0)),
                                            TextCutInkBounds(&font, ident0.x, ident0.y, "WWWWW", kAirportIdentChars)},
                                           {sx, sy}));
  int32_t last_in_reach = 0;
  for (int32_t i = 1; i <= count; ++i) {
    const NavRecord& apt = near_apts_fine[i];
    if (!culling.MayShow(apt.lat, apt.lon)) continue;
    CalcDistBrg(ref_lat, ref_lon, apt.lat, apt.lon, &calc_dist2, &calc_brg);
    if (calc_dist2 > reach_nm) continue;
    last_in_reach = i;
    calc_dist = map_px_per_nm * calc_dist2;
    double x = 0.0;
    double y = 0.0;
    CalcMapPoint(up, calc_brg, 0.0, 0.0, calc_dist, &x, &y);
    const gfx::Rect ring = ring_at(x, y);
    const LayerPoint ident = ident_at(x, y);
    if (!g->IsVisible(ring_ink(ring)) &&
        !g->IsVisible(TextCutInkBounds(&font, ident.x, ident.y, apt.ident, kAirportIdentChars))) {
      continue;
    }
    g->DrawEllipse(&pen, ring);
    DrawTextCut(g, &font, &brush, ident.x, ident.y, apt.ident, kAirportIdentChars);
  }
  LeaveLayerScratch(near_apts_fine, count, last_in_reach, ref_lat, ref_lon, reach_nm);
}

// --- altitude range arc ---

constexpr double kArcLimit = 32767.0;

void DrawAltRangeArc(gfx::Graphics* g, double target_alt_ft, double pen_width) {
  // A level flight has no range to the target level; a far one lies off any map.
  if (vert_speed == 0.0) return;
  const double minutes = (plane_alt - target_alt_ft) / vert_speed;
  const double y = minutes * (ground_speed / 60.0) * map_px_per_nm;
  if (!std::isfinite(y) || y < -kArcLimit || y > kArcLimit) return;
  const gfx::Pen pen(gfx::Color(palette::kGreen), static_cast<REAL>(pen_width));
  g->DrawArc(&pen, -108, TruncToPixel(y), 217, 217, 240.0f, 60.0f);
}

// --- holding pattern ---

struct HoldLayer {
  double leg_factor;       // of the leg length L, for the along-course sizes
  double outbound_factor;  // of L, the outbound side's offset and the turn width
  bool efis_pen;           // EfisLinesize instead of 2
};

void DrawMapHold(const HoldLayer& layer, int32_t mode, gfx::Graphics* g, double sx, double sy) {
  const RouteHold& hold = route_holds[1];
  double dist_nm = 0.0;
  double brg = 0.0;
  CalcDistBrg(plane_lat, plane_lon, hold.lat, hold.lon, &dist_nm, &brg);
  // Placed and turned like the rest of the map: on a track-up map the heading would put the pattern
  // beside its fix and skew it off its inbound course by the drift.
  const double up = MapUpDirection(mode);
  const double up_mag = plane_hdg_mag - (plane_hdg_true - up);
  double x = 0.0;
  double y = 0.0;
  CalcMapPoint(up, brg, 0.0, 0.0, map_px_per_nm * dist_nm, &x, &y);
  // Drawn in canvas units: the inbound leg lies on the route line into the fix and the racetrack
  // keeps its size whatever its direction.
  SetLayerFigureTransform(g, {sx, sy}, x * sx, y * sy, hold.inbd_crs - up_mag);
  const double leg = hold.leg_dist * map_px_per_nm * layer.leg_factor;
  const double side = hold.leg_dist * map_px_per_nm * layer.outbound_factor;
  const gfx::Pen pen(gfx::Color(palette::kMagenta), static_cast<REAL>(layer.efis_pen ? EfisLinesize : 2.0));

  const bool right = hold.turn == 1;
  const double outbound_x = right ? side : -side;
  const double box_x = right ? 0.0 : -side;
  const double top = -0.2 * leg;
  const double bottom = 0.8 * leg;
  DrawLineD(g, &pen, 0.0, 0.0, 0.0, top);
  DrawLineD(g, &pen, outbound_x, top, outbound_x, bottom);
  DrawLineD(g, &pen, 0.0, bottom, 0.0, 0.0);
  const auto turn = [&](double box_y, REAL start_deg) {
    g->DrawArc(&pen, static_cast<REAL>(box_x), static_cast<REAL>(box_y), static_cast<REAL>(side),
               static_cast<REAL>(0.25 * leg), start_deg, 180.0f);
  };
  turn(-0.3 * leg, 180.0f);
  turn(0.66 * leg, 0.0f);
}

constexpr HoldLayer kHoldFlatPanel{1.0, 0.5, false};
constexpr HoldLayer kHoldNd{1.4, 0.75, true};

}  // namespace

const RouteLeg* ActiveRouteRow(int32_t row) {
  if (row < 0 || row >= kRouteRows) return nullptr;
  return &fms_fpln_act[row];
}

double MapUpDirection(int32_t mode) {
  if (mode == kModePlan) return 0.0;
  if (mode != kModeMap || MapModeDispHdgAlways != 0) return plane_hdg_true;
  double up = plane_hdg_true - drift_angle;
  if (up < 0.0) {
    up += 360.0;
  } else if (up >= 360.0) {
    up -= 360.0;
  }
  return up;
}

void PlanMapCentre(double* lat, double* lon) {
  *lat = plane_lat;
  *lon = plane_lon;
  if (stpos == kNoActiveLeg) return;
  if (const RouteLeg* leg = ActiveRouteRow(map_ctr_leg > 0 ? map_ctr_leg : stpos)) {
    *lat = leg->lat;
    *lon = leg->lon;
  }
}

void DrawMapAirportsEhsi(DisplaySurface*, gfx::Graphics* graphics, double sx, double sy) {
  DrawMapAirports({&fp_ehsi_mode, &fp_ehsi_rng_nm, false}, graphics, sx, sy);
}
void DrawMapAirportsFpNd(DisplaySurface*, gfx::Graphics* graphics, double sx, double sy) {
  DrawMapAirports({&fpnd_mode, &fpnd_rng_nm, false}, graphics, sx, sy);
}
void DrawMapAirportsNd(DisplaySurface*, gfx::Graphics* graphics, double sx, double sy) {
  DrawMapAirports({&nd_mode, &nd_rng_nm, true}, graphics, sx, sy);
}

void DrawAltRangeArcEhsi(gfx::Graphics* graphics) { DrawAltRangeArc(graphics, ap_alt_lock, 2.0); }
void DrawAltRangeArcFpNd(gfx::Graphics* graphics) { DrawAltRangeArc(graphics, alt_sel_num, 2.0); }
void DrawAltRangeArcNd(gfx::Graphics* graphics) {
  DrawAltRangeArc(graphics, BodArcAPRestrictions == 1 ? ap_alt_lock : static_cast<double>(alt_sel_num),
                  EfisLinesize);
}

void DrawMapHoldEhsi(gfx::Graphics* graphics, double sx, double sy) {
  DrawMapHold(kHoldFlatPanel, fp_ehsi_mode, graphics, sx, sy);
}
void DrawMapHoldFpNd(gfx::Graphics* graphics, double sx, double sy) {
  DrawMapHold(kHoldFlatPanel, fpnd_mode, graphics, sx, sy);
}
void DrawMapHoldNd(gfx::Graphics* graphics, double sx, double sy) { DrawMapHold(kHoldNd, nd_mode, graphics, sx, sy); }
