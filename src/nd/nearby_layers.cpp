#include "nd/nearby_layers.h"

#include <algorithm>
#include <cstring>

#include "fmc/fmc_globals.h"
#include "draw/draw_helpers.h"
#include "base/geodesy.h"
#include "nd/map_toolkit.h"
#include "sim/tick_globals.h"
#include "navdb/navdb_globals.h"
#include "navdb/nearby_lists.h"
#include "nd/map_geometry.h"
#include "nd/nd_globals.h"
#include "platform/gfx/gfx.h"
#include "state/config_globals.h"

namespace {

constexpr int32_t kModePlan = 4;
constexpr double kReachMarginNm = 50.0;
// The identifier goes through a 7-character wide buffer: six characters and the terminator.
constexpr int32_t kIdentChars = 6;

struct Position {
  double lat;
  double lon;
};

// What tells the two layers apart.
struct NearbyKind {
  NavRecord* coarse;
  NavCentre* coarse_ctr;
  void (*build_coarse)(double, double);
  NavRecord* fine;
  const int32_t* fine_cnt;
  int32_t fine_rows;
  NavCentre* fine_ctr;
  void (*build_fine)(double, double);
  bool stations;  // symbol 1 ("V") or 2 at (x - 2, y - 4); else symbol 3 at (x, y)
  int32_t colour;
  double ident_dx;
  double ident_dy;
  gfx::ARGB ident_argb;
};

const NearbyKind kStations{near_stations_coarse, &near_stations_coarse_ctr, FilterStationsCoarse,
                           near_stations_fine,   &near_stations_fine_cnt,   kNearStationsFineCapacity + 1,
                           &near_stations_fine_ctr, FilterStationsFine,     true,
                           3,                    5.0,                       -14.0,
                           palette::kGreen};
const NearbyKind kWaypoints{near_wpts_coarse, &near_wpts_coarse_ctr, FilterWaypointsCoarse,
                            near_wpts_fine,   &near_wpts_fine_cnt,   kNearWptsFineRows,
                            &near_wpts_fine_ctr, FilterWaypointsFine, false,
                            1,                7.0,                   -10.0,
                            palette::kCyan};

struct NearbyDisplay {
  const int32_t* mode;
  const double* range_nm;
  bool display_family;
};

constexpr NearbyDisplay kEhsi{&fp_ehsi_mode, &fp_ehsi_rng_nm, false};
constexpr NearbyDisplay kFpNd{&fpnd_mode, &fpnd_rng_nm, false};
constexpr NearbyDisplay kNd{&nd_mode, &nd_rng_nm, true};

Position LegPosition(int32_t row, Position fallback) {
  const RouteLeg* leg = ActiveRouteRow(row);
  return leg != nullptr ? Position{leg->lat, leg->lon} : fallback;
}

void DrawNearby(const NearbyKind& kind, const NearbyDisplay& display, gfx::Graphics* g, double fx, double fy) {
  const int32_t mode = *display.mode;
  const Position aircraft{plane_lat, plane_lon};
  const bool plan = mode == kModePlan;
  const bool routed_plan = plan && stpos != kNoActiveLeg;
  // The lists follow the centre leg; the items are placed around the plan's centre row, which is
  // the active leg while no centre leg is chosen.
  const Position centre = routed_plan ? LegPosition(map_ctr_leg, aircraft) : aircraft;
  const Position projection = routed_plan ? LegPosition(map_ctr_leg > 0 ? map_ctr_leg : stpos, aircraft) : centre;
  const double up = plan ? 0.0 : MapUpDirection(mode);

  if (NearbyListStale(*kind.coarse_ctr, centre.lat, centre.lon, kNearCoarseRebuildNm)) {
    kind.build_coarse(centre.lat, centre.lon);
  }
  if (NearbyListStale(*kind.fine_ctr, centre.lat, centre.lon, kNearFineRebuildNm)) {
    kind.build_fine(centre.lat, centre.lon);
  }

  const gfx::Font font = PixelFont(display.display_family ? display_font.c_str() : "Arial", 10.0 * fx);
  const gfx::SolidBrush brush{gfx::Color(kind.ident_argb)};
  const double reach_nm = 2.0 * *display.range_nm + kReachMarginNm;
  const int32_t count = std::min(*kind.fine_cnt, kind.fine_rows - 1);

  // Where an item at (x, y) puts its symbol and its identifier, world units.
  const auto symbol_at = [&](double x, double y) {
    return kind.stations ? LayerPoint{(x - 2.0) * fx, (y - 4.0) * fy} : LayerPoint{x * fx, y * fy};
  };
  const auto ident_at = [&](double x, double y) {
    return LayerPoint{(x + kind.ident_dx) * fx, (y + kind.ident_dy) * fy};
  };
  const LayerPoint symbol0 = symbol_at(0.0, 0.0);
  const LayerPoint ident0 = ident_at(0.0, 0.0);
  const MapItemCulling culling(
      g, {fx, fy}, projection.lat, projection.lon,
      CanvasReach({MapSymbolInkBounds(symbol0.x, symbol0.y, kind.stations ? kSymbolVor : kSymbolWaypoint, fx, fy),
                   TextCutInkBounds(&font, ident0.x, ident0.y, "WWWWWW", kIdentChars)},
                  {fx, fy}));

  int32_t last_in_reach = 0;
  for (int32_t i = 1; i <= count; ++i) {
    const NavRecord& item = kind.fine[i];
    if (!culling.MayShow(item.lat, item.lon)) continue;
    CalcDistBrg(projection.lat, projection.lon, item.lat, item.lon, &calc_dist2, &calc_brg);
    if (calc_dist2 > reach_nm) continue;
    last_in_reach = i;
    calc_dist = calc_dist2 * map_px_per_nm;
    double x = 0.0;
    double y = 0.0;
    CalcMapPoint(up, calc_brg, 0.0, 0.0, calc_dist, &x, &y);
    const int32_t symbol =
        !kind.stations ? kSymbolWaypoint : (std::strcmp(item.type, "V") == 0 ? kSymbolVor : kSymbolStation);
    const LayerPoint at = symbol_at(x, y);
    const LayerPoint label = ident_at(x, y);
    if (!g->IsVisible(MapSymbolInkBounds(at.x, at.y, symbol, fx, fy)) &&
        !g->IsVisible(TextCutInkBounds(&font, label.x, label.y, item.ident, kIdentChars))) {
      continue;
    }
    DrawMapSymbol(g, at.x, at.y, symbol, -99, fx, fy, kind.colour);
    DrawTextCut(g, &font, &brush, label.x, label.y, item.ident, kIdentChars);
  }
  LeaveLayerScratch(kind.fine, count, last_in_reach, projection.lat, projection.lon, reach_nm);
}

}  // namespace

void DrawMapStationsEhsi(DisplaySurface*, gfx::Graphics* g, double fx, double fy) { DrawNearby(kStations, kEhsi, g, fx, fy); }
void DrawMapStationsFpNd(DisplaySurface*, gfx::Graphics* g, double fx, double fy) { DrawNearby(kStations, kFpNd, g, fx, fy); }
void DrawMapStationsNd(DisplaySurface*, gfx::Graphics* g, double fx, double fy) { DrawNearby(kStations, kNd, g, fx, fy); }
void DrawMapWaypointsEhsi(DisplaySurface*, gfx::Graphics* g, double fx, double fy) { DrawNearby(kWaypoints, kEhsi, g, fx, fy); }
void DrawMapWaypointsFpNd(DisplaySurface*, gfx::Graphics* g, double fx, double fy) { DrawNearby(kWaypoints, kFpNd, g, fx, fy); }
void DrawMapWaypointsNd(DisplaySurface*, gfx::Graphics* g, double fx, double fy) { DrawNearby(kWaypoints, kNd, g, fx, fy); }
