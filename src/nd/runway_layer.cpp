#include "nd/runway_layer.h"

#include "fmc/fmc_globals.h"
#include "draw/draw_helpers.h"
#include "base/geodesy.h"
#include "base/int_conversion.h"
#include "sim/tick_globals.h"
#include "navdb/navdb_globals.h"
#include "nd/map_geometry.h"
#include "state/config_globals.h"

namespace {

constexpr double kFeetPerLengthUnit = 5280.0;
constexpr double kReachNm = 100.0;
constexpr double kExtensionNm = 18.0;
constexpr double kHalfWidthNm = 0.5;
constexpr double kLabelOffsetDeg = 7.0;
// The identifier goes through a narrow buffer of 19 bytes.
constexpr int32_t kIdentChars = 18;

struct Position {
  double lat;
  double lon;
};

Position Dest(Position p, double crs_deg, double dist_nm) {
  Position out{};
  CalcDestPoint(p.lat, p.lon, crs_deg, dist_nm, &out.lat, &out.lon);
  return out;
}

struct RunwayPainter {
  gfx::Graphics* g;
  double fx, fy;
  double centre_lat, centre_lon, up;
  const gfx::Pen* pen;

  LayerPoint Point(Position p) const { return ProjectToLayer(centre_lat, centre_lon, up, fx, fy, p.lat, p.lon); }
  void Line(Position a, Position b) const {
    const LayerPoint pa = Point(a);
    const LayerPoint pb = Point(b);
    g->DrawLine(pen, TruncToPixel(pa.x), TruncToPixel(pa.y), TruncToPixel(pb.x), TruncToPixel(pb.y));
  }
  bool InReach(Position t) const {
    CalcDistBrg(centre_lat, centre_lon, t.lat, t.lon, &calc_dist2, &calc_brg);
    return calc_dist2 < kReachNm;
  }
};

struct RunwayShape {
  Position threshold;
  double length_nm;
  double true_hdg;
};

RunwayShape ShapeOf(const RunwayRecord& rwy) {
  return {{rwy.lat, rwy.lon}, rwy.length_ft / kFeetPerLengthUnit, rwy.heading + mag_var};
}

void DrawExtensions(const RunwayPainter& p, const RunwayShape& r) {
  const Position ahead = Dest(r.threshold, r.true_hdg, 0.7 * r.length_nm);
  p.Line(ahead, Dest(ahead, r.true_hdg, kExtensionNm));
  const Position behind = Dest(r.threshold, r.true_hdg - 180.0, 0.2 * r.length_nm);
  p.Line(behind, Dest(behind, r.true_hdg - 180.0, kExtensionNm));
}

void DrawSides(const RunwayPainter& p, const RunwayShape& r) {
  const Position left = Dest(r.threshold, r.true_hdg - 90.0, kHalfWidthNm);
  p.Line(left, Dest(left, r.true_hdg, r.length_nm));
  const Position right = Dest(r.threshold, r.true_hdg + 90.0, kHalfWidthNm);
  p.Line(right, Dest(right, r.true_hdg, r.length_nm));
}

struct RunwayMap {
  double font_px;  // times fy
  bool efis_pen;   // EfisLinesize x fy, else 2 x fy
};

void DrawRunways(const RunwayMap& map, gfx::Graphics* g, double fx, double fy, double centre_lat, double centre_lon,
                 double up) {
  if (stpos == kNoActiveLeg) return;
  const gfx::Font font = PixelFont(display_font.c_str(), map.font_px * fy);
  const gfx::Pen pen = DashedPen(palette::kWhite, (map.efis_pen ? EfisLinesize : 2.0) * fy);
  const gfx::SolidBrush brush{gfx::Color(palette::kWhite)};
  const RunwayPainter p{g, fx, fy, centre_lat, centre_lon, up, &pen};

  if (const RunwayRecord* dep = SelectedRunway(1, fms_dep_rwy_pos)) {
    const RunwayShape r = ShapeOf(*dep);
    if (p.InReach(r.threshold)) {
      DrawExtensions(p, r);
      DrawSides(p, r);
    }
  }
  if (const RunwayRecord* arr = SelectedRunway(2, fms_dest_rwy_pos)) {
    const RunwayShape r = ShapeOf(*arr);
    if (p.InReach(r.threshold)) {
      p.Line(r.threshold, Dest(r.threshold, r.true_hdg, r.length_nm));
      DrawExtensions(p, r);
      if (ShowExtDestCtrlineRwyId == 1) {
        const Position behind = Dest(r.threshold, r.true_hdg - 180.0, 0.2 * r.length_nm);
        const LayerPoint at = p.Point(Dest(behind, r.true_hdg + kLabelOffsetDeg - 180.0, kExtensionNm));
        DrawTextCut(g, &font, &brush, at.x - 4.0 * fx, at.y, arr->ident, kIdentChars);
      }
      DrawSides(p, r);
    }
  }
}

constexpr RunwayMap kEhsiRunways{8.0, false};
constexpr RunwayMap kFpNdRunways{11.0, false};
constexpr RunwayMap kNdRunways{9.0, true};

}  // namespace

const RunwayRecord* SelectedRunway(int block, int row) {
  if (row <= 0 || row >= kAirportRunwayRows) return nullptr;
  return &airport_recs[block].runways[row];
}

void DrawMapRunwaysEhsi(DisplaySurface*, gfx::Graphics* g, double fx, double fy, double lat, double lon, double up) {
  DrawRunways(kEhsiRunways, g, fx, fy, lat, lon, up);
}
void DrawMapRunwaysFpNd(DisplaySurface*, gfx::Graphics* g, double fx, double fy, double lat, double lon, double up) {
  DrawRunways(kFpNdRunways, g, fx, fy, lat, lon, up);
}
void DrawMapRunwaysNd(DisplaySurface*, gfx::Graphics* g, double fx, double fy, double lat, double lon, double up) {
  DrawRunways(kNdRunways, g, fx, fy, lat, lon, up);
}
