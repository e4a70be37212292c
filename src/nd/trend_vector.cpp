#include "nd/trend_vector.h"

#include <cmath>

#include "draw/draw_helpers.h"
#include "base/geodesy.h"
#include "sim/tick_globals.h"
#include "nd/map_geometry.h"
#include "nd/nd_globals.h"
#include "platform/gfx/gfx.h"

namespace {

constexpr double kDegToRadCoarse = 0.01745;  // the conversion the turn formula was tuned with
constexpr double kTurnConstant = 11.23;      // R(ft) = gs^2 / (11.23 tan(bank))
constexpr double kRateConstant = 96.7;       // w(deg/s) = gs x 96.7 / R(ft)
constexpr double kFeetPerNm = 6076.1;
constexpr double kMaxDiameter = 100000.0;
// Beyond this speed gs^2 leaves the doubles; no such circle can be drawn.
constexpr double kMaxGroundSpeed = 1e150;

void DrawTrendVector(gfx::Graphics* g, double range_nm, double fx, double fy) {
  TrendTurn turn{};
  if (!ComputeTrendTurn(ground_speed, plane_bank, map_px_per_nm, &turn)) return;
  calc_dist2 = turn.radius_nm;
  calc_dist = turn.diameter;

  const double d = turn.diameter;
  const double w = turn.rate_deg_s;
  const bool right = plane_bank < 0.0;
  // A circle in canvas units, whose angles are those of the map: in the layer's unequal scale the
  // circle would be an ellipse and its angles would bend the arcs off the turn.
  SetLayerFigureTransform(g, {fx, fy}, 0.0, 0.0);
  const gfx::REAL box_x = static_cast<gfx::REAL>(right ? 0.0 : -d);
  const gfx::REAL box_y = static_cast<gfx::REAL>(-d / 2.0);
  const gfx::REAL size = static_cast<gfx::REAL>(d);
  const gfx::Pen pen(gfx::Color(palette::kWhite), 1.0f);
  const auto arc = [&](double start, int32_t sweep) {
    g->DrawArc(&pen, box_x, box_y, size, size, static_cast<gfx::REAL>(start), static_cast<gfx::REAL>(sweep));
  };
  // Sweeps run from the aircraft forward: clockwise round a circle on the right, anticlockwise on
  // the left.
  if (right) {
    arc(180.0, TruncToPixel(30.0 * w));
    if (range_nm >= 20.0) arc(180.0 + 33.0 * w, TruncToPixel(27.0 * w));
    if (range_nm > 20.0) arc(180.0 + 63.0 * w, TruncToPixel(27.0 * w));
  } else {
    arc(0.0, -TruncToPixel(30.0 * w));
    if (range_nm >= 20.0) arc(-TruncToPixel(33.0 * w), -TruncToPixel(27.0 * w));
    if (range_nm > 20.0) arc(-TruncToPixel(63.0 * w), -TruncToPixel(27.0 * w));
  }
}

}  // namespace

bool ComputeTrendTurn(double gs, double bank_deg, double px_per_nm, TrendTurn* turn) {
  if (bank_deg == 0.0 || !(gs > 0.0) || gs > kMaxGroundSpeed) return false;
  const double tangent = std::tan(std::fabs(bank_deg) * kDegToRadCoarse);
  if (!(tangent > 0.0) || !std::isfinite(tangent)) return false;
  const double denominator = kTurnConstant * tangent;
  const double gs2 = gs * gs;
  // Compared before dividing, so that no step overflows: R (ft) would exceed 1e300.
  if (gs2 / 1e300 > denominator) return false;
  const double radius_ft = gs2 / denominator;
  if (!(radius_ft > 0.0)) return false;
  const double radius_nm = radius_ft / kFeetPerNm;
  const double diameter = 2.0 * radius_nm * px_per_nm;
  if (!std::isfinite(diameter) || diameter > kMaxDiameter || diameter < 0.0) return false;
  turn->radius_nm = radius_nm;
  turn->diameter = std::trunc(diameter);
  const double rate = gs * kRateConstant / radius_ft;
  if (!std::isfinite(rate)) return false;
  turn->rate_deg_s = rate;
  return true;
}

void DrawTrendVectorFpNd(DisplaySurface*, gfx::Graphics* graphics, double fx, double fy) {
  DrawTrendVector(graphics, fpnd_rng_nm, fx, fy);
}

void DrawTrendVectorNd(DisplaySurface*, gfx::Graphics* graphics, double fx, double fy) {
  DrawTrendVector(graphics, nd_rng_nm, fx, fy);
}
