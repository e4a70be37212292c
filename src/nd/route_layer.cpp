#include "nd/route_layer.h"

#include <algorithm>
#include <string>

#include "afds/afds_globals.h"
#include "afds/route_progress_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_model.h"
#include "draw/draw_helpers.h"
#include "base/geodesy.h"
#include "base/int_conversion.h"
#include "nd/map_toolkit.h"
#include "sim/tick_globals.h"
#include "nd/map_geometry.h"
#include "nd/nav_readouts.h"
#include "nd/nd_globals.h"
#include "nd/runway_layer.h"
#include "state/config_globals.h"

namespace {

constexpr int32_t kModeMap = 3;
constexpr int32_t kModePlan = 4;
constexpr int32_t kColourWhite = 0;
constexpr int32_t kColourMagenta = 4;
constexpr double kNoInterceptCourse = -1.0;
constexpr double kDataLabelMinGs = 30.0;
constexpr double kInterceptLineNm = 200.0;
constexpr double kAimLineNm = 5.0;
// Labels go through a wide buffer of 20 characters, runway identifiers through a narrow one of 19
// bytes.
constexpr int32_t kLabelChars = 19;
constexpr int32_t kRunwayIdentChars = 18;

using RunwayLayer = void (*)(DisplaySurface*, gfx::Graphics*, double, double, double, double, double);

enum class RouteMap { kEhsi, kFpNd, kNd };

struct RouteMapTraits {
  RouteMap map;
  const int32_t* mode;
  const double* range_nm;
  const int32_t* radius_px;
  bool intercept;              // FP_ND and ND: intercept course into the active waypoint
  bool data_labels;            // FP_ND and ND: altitude and ETA beside the waypoints ahead
  double active_label_min_gs;  // ground speed the active waypoint's data labels need
  bool origin_label_in_loop;   // FP_ND: the origin runway with row 0 in the loop, else before it
  bool dest_label_on_disco;    // FP_EHSI and ND: the destination runway also on a "DISCO" last row
  bool lnav_aim;               // ND
  RunwayLayer runways;
};

const RouteMapTraits kEhsiRoute{.map = RouteMap::kEhsi,
                                .mode = &fp_ehsi_mode,
                                .range_nm = &fp_ehsi_rng_nm,
                                .radius_px = &ehsi_radius_px,
                                .intercept = false,
                                .data_labels = false,
                                .active_label_min_gs = kDataLabelMinGs,
                                .origin_label_in_loop = false,
                                .dest_label_on_disco = true,
                                .lnav_aim = false,
                                .runways = DrawMapRunwaysEhsi};
const RouteMapTraits kFpNdRoute{.map = RouteMap::kFpNd,
                                .mode = &fpnd_mode,
                                .range_nm = &fpnd_rng_nm,
                                .radius_px = &fp_nd_radius_px,
                                .intercept = true,
                                .data_labels = true,
                                .active_label_min_gs = kDataLabelMinGs,
                                .origin_label_in_loop = true,
                                .dest_label_on_disco = false,
                                .lnav_aim = false,
                                .runways = DrawMapRunwaysFpNd};
const RouteMapTraits kNdRoute{.map = RouteMap::kNd,
                              .mode = &nd_mode,
                              .range_nm = &nd_rng_nm,
                              .radius_px = &nd_radius_px,
                              .intercept = true,
                              .data_labels = true,
                              .active_label_min_gs = 100.0,
                              .origin_label_in_loop = false,
                              .dest_label_on_disco = true,
                              .lnav_aim = true,
                              .runways = DrawMapRunwaysNd};

struct RouteResources {
  RouteResources(const RouteMapTraits& traits, double fx, double fy)
      : font(PixelFont(traits.map == RouteMap::kNd ? display_font.c_str() : "Arial",
                       12.0 * (traits.map == RouteMap::kEhsi ? fx : fy))),
        active(gfx::Color(palette::kMagenta), static_cast<gfx::REAL>(ActiveWidth(traits.map, fx, fy))),
        modified(DashedPen(palette::kCyan, traits.map == RouteMap::kNd ? EfisLinesize * fy : 2.0)),
        white(gfx::Color(palette::kWhite)),
        magenta(gfx::Color(palette::kMagenta)) {}
  static double ActiveWidth(RouteMap map, double fx, double fy) {
    switch (map) {
      case RouteMap::kEhsi:
        return 2.0 * fx;
      case RouteMap::kFpNd:
        return 2.0 * fy;
      case RouteMap::kNd:
        break;
    }
    return EfisLinesize * fy;
  }
  gfx::Font font;
  gfx::Pen active;
  gfx::Pen modified;
  gfx::SolidBrush white;
  gfx::SolidBrush magenta;
};

struct RouteLayer {
  const RouteMapTraits& traits;
  gfx::Graphics* g;
  double fx, fy;
  double centre_lat, centre_lon;
  double up;
  bool plan;
  const RouteResources& r;

  LayerPoint Point(double lat, double lon) const {
    return ProjectToLayer(centre_lat, centre_lon, up, fx, fy, lat, lon);
  }
  LayerPoint Point(const RouteLeg& leg) const { return Point(leg.lat, leg.lon); }

  void Line(const gfx::Pen* pen, LayerPoint a, LayerPoint b) const {
    g->DrawLine(pen, TruncToPixel(a.x), TruncToPixel(a.y), TruncToPixel(b.x), TruncToPixel(b.y));
  }
  void Label(const gfx::Brush* brush, LayerPoint p, const char* text) const {
    DrawTextCut(g, &r.font, brush, p.x + 7.0 * fx, p.y - 7.0 * fy, text, kLabelChars);
  }
  // The star is centred on the waypoint: its top point 6 units above it.
  void Star(LayerPoint p, int32_t colour) const {
    DrawMapSymbol(g, p.x, p.y - 6.0 * fy, kSymbolRouteWaypoint, -99, fx, fy, colour);
  }
  void RunwayIdent(int block, int32_t row, LayerPoint p) const {
    if (const RunwayRecord* rwy = SelectedRunway(block, row)) {
      DrawTextCut(g, &r.font, &r.white, p.x + 7.0 * fx, p.y - 19.0 * fy, rwy->ident, kRunwayIdentChars);
    }
  }
};

double LegDistance(const RouteLeg& a, const RouteLeg& b) {
  double dist = 0.0;
  double brg = 0.0;
  CalcDistBrg(a.lat, a.lon, b.lat, b.lon, &dist, &brg);
  return dist;
}

// Altitude constraint (altitude-only rows) and ETA below a waypoint ahead.
void DrawDataLabels(const RouteLayer& l, const RouteLeg& leg, LayerPoint p, double dist_to_go_nm, bool active) {
  double eta_dy = 4.0;
  if (leg.restr == 1) {
    DrawTextAt(l.g, &l.r.font, &l.r.white, p.x + 7.0 * l.fx, p.y + 4.0 * l.fy, "%5.0f", leg.alt);
    eta_dy = 16.0;
  }
  const ArrivalClock eta = ArrivalClockAt(dist_to_go_nm, ground_speed);
  DrawTextAt(l.g, &l.r.font, active ? &l.r.magenta : &l.r.white, p.x + 7.0 * l.fx, p.y + eta_dy * l.fy, "%02.0f%02.0fZ",
             eta.hours, eta.minutes);
}

void DrawActiveRoute(const RouteLayer& l) {
  const int32_t last = std::min(fp_cnt, kRouteRows - 1);
  const int32_t first = l.plan ? 0 : std::max(stpos - 1, 0);
  const LnavLeg& lnav_now = lnav_leg[0];
  const bool direct = !l.plan && lnav_now.FrId == "DIRECT";
  const LayerPoint start = direct ? l.Point(lnav_now.fr_lat, lnav_now.fr_lon) : l.Point(fms_fpln_act[first]);
  const bool labels_on = l.traits.data_labels && *l.traits.mode == kModeMap && nd_data_on == 1;

  if (!l.traits.origin_label_in_loop && fms_dep_rwy_pos > 0) {
    l.RunwayIdent(1, fms_dep_rwy_pos, l.Point(fms_fpln_act[0]));
  }
  LayerPoint prev = start;
  double dist_to_go = 0.0;
  for (int32_t i = first; i <= last; ++i) {
    const RouteLeg& leg = fms_fpln_act[i];
    const LayerPoint p = i == first ? start : l.Point(leg);
    const char* label = i == first && direct ? "DCT" : leg.ident.c_str();
    const bool disco = IsDisco(leg);
    if (i == stpos) {
      LayerPoint from = prev;
      if (l.traits.intercept && leg.intc_crs > kNoInterceptCourse) from = l.Point(lnav_now.fr_lat, lnav_now.fr_lon);
      l.Line(&l.r.active, from, p);
      l.Label(&l.r.magenta, p, label);
      if (i == fp_cnt) l.RunwayIdent(2, fms_dest_rwy_pos, p);
      l.Star(p, kColourMagenta);
    } else {
      if (i > 0 && !disco && !IsDisco(fms_fpln_act[i - 1])) l.Line(&l.r.active, prev, p);
      if (!disco) {
        l.Label(&l.r.white, p, label);
        if (l.traits.origin_label_in_loop && i == 0) l.RunwayIdent(1, fms_dep_rwy_pos, p);
        l.Star(p, kColourWhite);
      }
      if (i == fp_cnt && (!disco || l.traits.dest_label_on_disco)) l.RunwayIdent(2, fms_dest_rwy_pos, p);
    }
    if (labels_on && i >= stpos) {
      // Along the route: to the active waypoint direct, then leg by leg.
      if (i == stpos) {
        double brg = 0.0;
        CalcDistBrg(plane_lat, plane_lon, leg.lat, leg.lon, &dist_to_go, &brg);
      } else {
        dist_to_go += LegDistance(fms_fpln_act[i - 1], leg);
      }
      const double min_gs = i == stpos ? l.traits.active_label_min_gs : kDataLabelMinGs;
      if (i > first && ground_speed > min_gs) DrawDataLabels(l, leg, p, dist_to_go, i == stpos);
    }
    prev = p;
  }
}

// The dashed green line 5 NM from the aircraft towards the LNAV aim point and a dot on the aim point.
// lnav_aim_brg is the heading to fly there, the drift included: the map takes the bearing itself.
void DrawLnavAim(const RouteLayer& l) {
  const gfx::Pen pen = DashedPen(palette::kGreen, 2.0 * l.fx);
  const gfx::SolidBrush brush{gfx::Color(palette::kGreen)};
  double dist_nm = 0.0;
  double brg = 0.0;
  CalcDistBrg(plane_lat, plane_lon, lnav_aim_pt.lat, lnav_aim_pt.lon, &dist_nm, &brg);
  double x = 0.0;
  double y = 0.0;
  CalcMapPoint(l.up, brg, 0.0, 0.0, kAimLineNm * map_px_per_nm, &x, &y);
  const LayerPoint aircraft = l.Point(plane_lat, plane_lon);
  l.Line(&pen, aircraft, {aircraft.x + x * l.fx, aircraft.y + y * l.fy});
  const LayerPoint aim = l.Point(lnav_aim_pt.lat, lnav_aim_pt.lon);
  l.g->FillEllipse(&brush, static_cast<gfx::REAL>(aim.x - 4.0 * l.fx), static_cast<gfx::REAL>(aim.y - 4.0 * l.fy),
                   static_cast<gfx::REAL>(8.0 * l.fx), static_cast<gfx::REAL>(8.0 * l.fy));
}

bool ModifiedRouteShown() { return fms_fpln_active == 1 || fms_fpln_active == 2 || fms_fpln_active == 4; }

// The course line of the modified route's active row: from the waypoint towards the point 200 NM on
// along its intercept course, placed about the map centre.
void DrawModifiedIntercept(const RouteLayer& l, const RouteLeg& leg, LayerPoint p) {
  double far_lat = 0.0;
  double far_lon = 0.0;
  CalcDestPoint(leg.lat, leg.lon, leg.intc_crs + mag_var, kInterceptLineNm, &far_lat, &far_lon);
  CalcDistBrg(leg.lat, leg.lon, far_lat, far_lon, &calc_dist2, &calc_brg);
  double x = 0.0;
  double y = 0.0;
  CalcMapPoint(l.up, calc_brg, 0.0, 0.0, kInterceptLineNm * map_px_per_nm, &x, &y);
  l.Line(&l.r.active, p, {x * l.fx, y * l.fy});
}

void DrawModifiedRoute(const RouteLayer& l) {
  if (fp_mod_cnt < 0) return;
  const int32_t last = std::min(fp_mod_cnt, kRouteRows - 1);
  LayerPoint prev = l.Point(fms_fpln_mod[0]);
  for (int32_t i = 0; i <= last; ++i) {
    const RouteLeg& leg = fms_fpln_mod[i];
    // An airway waiting for its exit fix is not drawn; a "DISCO" stands at the leg after it, also
    // when that leg was edited since.
    if (IsThen(leg)) continue;
    const int32_t place = PlaceRowOf(fms_fpln_mod, last, i);
    if (place < 0) continue;
    const LayerPoint p = l.Point(fms_fpln_mod[place]);
    if (i == mod_stpos) {
      if (l.traits.intercept && leg.intc_crs > kNoInterceptCourse) {
        DrawModifiedIntercept(l, leg, p);
      } else {
        l.Line(&l.r.modified, prev, p);
      }
      l.Label(&l.r.magenta, p, leg.ident.c_str());
      l.Star(p, kColourMagenta);
    } else {
      if (i > 0) l.Line(&l.r.modified, prev, p);
      l.Label(&l.r.white, p, leg.ident.c_str());
      l.Star(p, kColourWhite);
    }
    prev = p;
  }
}

void DrawMapRoute(const RouteMapTraits& traits, DisplaySurface* s, gfx::Graphics* g, double fx, double fy) {
  // Without an active route there is neither a route nor a pending modification to draw.
  if (stpos == kNoActiveLeg || stpos < 0 || stpos >= kRouteRows) return;
  const int32_t mode = *traits.mode;
  const bool plan = mode == kModePlan;
  double centre_lat = plane_lat;
  double centre_lon = plane_lon;
  double up = 0.0;
  if (plan) {
    const RouteLeg* centre = ActiveRouteRow(map_ctr_leg);
    if (centre == nullptr) return;
    centre_lat = centre->lat;
    centre_lon = centre->lon;
  } else {
    up = MapUpDirection(mode);
  }
  const RouteResources r(traits, fx, fy);
  const RouteLayer l{traits, g, fx, fy, centre_lat, centre_lon, up, plan, r};

  DrawActiveRoute(l);
  if (traits.lnav_aim && DrawAPTarget == 1 && lnav == 1) DrawLnavAim(l);
  if (ModifiedRouteShown()) DrawModifiedRoute(l);
  traits.runways(s, g, fx, fy, centre_lat, centre_lon, up);
  if (mode == kModeMap) {
    DrawRouteMarks(g, *traits.radius_px, *traits.range_nm, 0.0, fx, fy, plane_lat, plane_lon, up);
  }
}

}  // namespace

void DrawMapRouteEhsi(DisplaySurface* s, gfx::Graphics* g, double fx, double fy) {
  DrawMapRoute(kEhsiRoute, s, g, fx, fy);
}
void DrawMapRouteFpNd(DisplaySurface* s, gfx::Graphics* g, double fx, double fy) {
  DrawMapRoute(kFpNdRoute, s, g, fx, fy);
}
void DrawMapRouteNd(DisplaySurface* s, gfx::Graphics* g, double fx, double fy) { DrawMapRoute(kNdRoute, s, g, fx, fy); }
