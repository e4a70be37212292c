// Geometry shared by the three moving maps and their layers: the map scale and pixel radii, the
// canvas and layer transforms, the compass arc, the clip outlines and the test for an aligned IRS.
//
// Canvas units are each display's fixed logical units (FP_ND 318 x 424, ND 215 x 252, FP_EHSI
// 318 x 192); the gauge bitmap of W x H pixels is the DisplaySurface's size.
//
// The layer transform (what every map layer draws under): reset, scale (W / (W + H), H / (W + H)),
// translate (cx fx, cy fy) with fx = (W + H) / canvas width and fy = (W + H) / canvas height. A layer
// multiplies its x by fx and its y by fy, so that it draws in canvas units around the map centre.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "draw/display_surface.h"
#include "base/globals_macros.h"
#include "navdb/nav_records.h"
#include "platform/gfx/gfx.h"

#define MAP_GEOMETRY_SCALARS(X)                                                            \
  X(double, map_px_per_nm, 0.0)   /* scale of the map being painted; valid during its paint */ \
  X(int32_t, fp_nd_centre_x, 159) /* FP_ND map centre, canvas x */                         \
  X(int32_t, fp_nd_radius_px, 236) /* FP_ND: 236 in MAP, 120 in PLAN; the last one written */ \
  X(int32_t, nd_radius_px, 189)  /* ND: 90 in centred MAP, else 189; the last one written */ \
  X(int32_t, ehsi_radius_px, 134)

RO_DECLARE_GLOBALS(MAP_GEOMETRY_SCALARS)

void ResetMapGeometryGlobals();

struct MapCanvas {
  double width;
  double height;
};
inline constexpr MapCanvas kFpNdCanvas{318.0, 424.0};
inline constexpr MapCanvas kNdCanvas{215.0, 252.0};
inline constexpr MapCanvas kFpEhsiCanvas{318.0, 192.0};

struct LayerFactors {
  double fx;
  double fy;
};

// The layer factors of a surface on a canvas.
LayerFactors LayerFactorsOf(const DisplaySurface* surface, MapCanvas canvas);
// Sets the layer transform about the canvas point (cx, cy) and returns its factors.
LayerFactors SetLayerTransform(gfx::Graphics* g, const DisplaySurface* surface, MapCanvas canvas, double cx,
                               double cy);
// Under the layer transform: moves the origin to the layer point (x, y) (layer units, as a layer's
// projected points are) and makes one unit a canvas unit, turned by `rotation_deg`. A figure drawn in
// this frame (a hold's racetrack, a turn's arcs) keeps its shape and size whatever its direction, and
// a line of it along a bearing lies on the map's own line along that bearing: a rotation or an arc
// inside the layer's unequal scale would be skewed by it.
void SetLayerFigureTransform(gfx::Graphics* g, LayerFactors f, double x, double y, double rotation_deg = 0.0);
// Reset, scale to the canvas, translate to (cx, cy), rotate by `rotation_deg`.
void SetCanvasTransform(gfx::Graphics* g, const DisplaySurface* surface, MapCanvas canvas, double cx, double cy,
                        double rotation_deg = 0.0);

// All three IRSs in mode 3.
bool IrsAligned();

// A bearing's compass tick is drawn when it lies within 55 degrees of the heading, either side,
// across the 0/360 seam (d = bearing - heading, not wrapped).
bool CompassTickVisible(double bearing_deg, double heading_deg);

// The compass arc of the map frames: ticks every 5 degrees (long every 10, labelled every 30 with
// the bearing / 10) within 55 degrees of the magnetic heading, ending on the arc at the top after
// the rotation of the bearing against the track (track up) or the heading.
struct CompassArc {
  double radius;
  double long_tick;   // length
  double short_tick;
  double label_y;
};
void DrawCompassArc(gfx::Graphics* g, const DisplaySurface* surface, MapCanvas canvas, double cx, double cy,
                    const CompassArc& arc, bool track_up, const gfx::Pen* pen, const gfx::Font* font,
                    const gfx::Brush* brush);

// A compass rose: ticks every `step_deg` over the full circle, rotated against the track (track up)
// or the heading, long from `long_from` (multiples of 10) or short from `short_from` to `to`, and
// labels at multiples of 30 at (label_x(b), label_y). `label_replaces_tick` leaves out the tick where
// a label stands.
struct CompassRose {
  int32_t step_deg;
  double long_from;
  double short_from;
  double to;
  double label_y;
  bool label_replaces_tick;
  double (*label_x)(int32_t bearing_deg);
};
void DrawCompassRose(gfx::Graphics* g, const DisplaySurface* surface, MapCanvas canvas, double cx, double cy,
                     const CompassRose& rose, bool track_up, const gfx::Pen* pen, const gfx::Font* font,
                     const gfx::Brush* brush);

// Replaces the clip with the outline of an arc of the circle of `radius` (start and sweep in GDI+
// degrees) followed by straight lines through `points`, closed; in canvas units around the centre
// of the transform in force.
void SetArcClip(gfx::Graphics* g, double radius, double start_deg, double sweep_deg,
                std::initializer_list<gfx::PointF> points);

// The upper half of the circle of `radius` about the origin.
void DrawUpperHalfCircle(gfx::Graphics* g, const gfx::Pen* pen, double radius);

// A position's point on a map layer: distance and true bearing from the map centre C (written to
// calc_dist2 and calc_brg, the scaled radius to calc_dist), projected with the up direction U at
// map_px_per_nm and multiplied by the layer factors.
struct LayerPoint {
  double x;
  double y;
};
LayerPoint ProjectToLayer(double centre_lat, double centre_lon, double up_deg, double fx, double fy, double lat,
                          double lon);

// The layers that draw many items (nearby stations, waypoints and airports) leave out each item
// whose symbol and label the clip would cut away whole. Before an item is projected, this cheap
// bound tells when its position lies too far from the projection centre for any of it to show:
// farther than the farthest visible point of the canvas plus `item_reach` canvas units (how far an
// item's symbol and label extend from its point), at the scale map_px_per_nm.
class MapItemCulling {
 public:
  MapItemCulling(const gfx::Graphics* g, LayerFactors f, double centre_lat, double centre_lon, double item_reach);
  // False only when the position is certainly out of sight.
  bool MayShow(double lat, double lon) const;

 private:
  bool bounded_ = false;
  double centre_lat_ = 0.0;
  double centre_lon_ = 0.0;
  double reach_rad_ = 0.0;        // the sight radius as an arc
  double cos_centre_lat_ = 0.0;
  double min_cos_lat_ = 0.0;      // of any latitude within the sight radius of the centre
  double haversine_limit_ = 0.0;  // sin^2 of half the sight radius
};

// How far (canvas units) world boxes drawn about an item's point (0, 0) reach from it.
double CanvasReach(std::initializer_list<gfx::RectF> boxes, LayerFactors f);

// The scratch values a layer that projects rows 1..count of `rows` from the centre would leave
// behind: calc_dist2 and calc_brg of the last row, and calc_dist (the scaled distance) of the last
// row within `reach_nm`, when a layer that skipped rows out of sight has not already left them.
// `last_in_reach` is the last row the layer found within reach (0: none).
void LeaveLayerScratch(const NavRecord* rows, int32_t count, int32_t last_in_reach, double centre_lat,
                       double centre_lon, double reach_nm);

