#include "platform/gfx/gfx_path.h"

#include <algorithm>
#include <cmath>

namespace gfx {

namespace {

constexpr double kDegToRad = M_PI / 180.0;

// The angle of an ellipse arc names a direction from the centre; the curve is built on the
// ellipse's parameter, so the direction is turned into the parameter of the point where that ray
// meets the ellipse, staying in the same revolution. Quarter turns and degenerate ellipses need no
// change (and would divide by zero).
double DirectionToParameter(double angle_deg, double rx, double ry) {
  const double a = angle_deg * kDegToRad;
  const double s = std::sin(a);
  const double c = std::cos(a);
  if (std::fabs(c) < 1e-5 || std::fabs(s) < 1e-5 || rx == 0.0 || ry == 0.0) return a;
  double t = std::atan2(s / std::fabs(ry), c / std::fabs(rx));
  const double revs = std::round(a / (2.0 * M_PI)) - std::round(t / (2.0 * M_PI));
  t += revs * 2.0 * M_PI;
  return t;
}

double BezierAt(double p0, double p1, double p2, double p3, double t) {
  const double u = 1.0 - t;
  return u * u * u * p0 + 3.0 * u * u * t * p1 + 3.0 * u * t * t * p2 + t * t * t * p3;
}

}  // namespace

void PathData::PushJoin(double x, double y) {
  Push(x, y, (new_figure_ || points_.empty()) ? PathPointTypeStart : PathPointTypeLine);
  new_figure_ = false;
}

void PathData::CloseFigure() {
  if (!points_.empty() && !new_figure_) points_.back().type |= PathPointTypeCloseSubpath;
  new_figure_ = true;
}

void PathData::CloseAllFigures() {
  for (size_t i = 1; i < points_.size(); ++i) {
    if ((points_[i].type & PathPointTypeMask) == PathPointTypeStart) {
      points_[i - 1].type |= PathPointTypeCloseSubpath;
    }
  }
  if (!points_.empty()) points_.back().type |= PathPointTypeCloseSubpath;
  new_figure_ = true;
}

void PathData::AddLine(double x1, double y1, double x2, double y2) {
  PushJoin(x1, y1);
  Push(x2, y2, PathPointTypeLine);
}

void PathData::AddLines(const PointF* pts, int count) {
  if (pts == nullptr || count < 1) return;
  PushJoin(pts[0].X, pts[0].Y);
  for (int i = 1; i < count; ++i) Push(pts[i].X, pts[i].Y, PathPointTypeLine);
}

void PathData::AddLines(const Point* pts, int count) {
  if (pts == nullptr || count < 1) return;
  PushJoin(pts[0].X, pts[0].Y);
  for (int i = 1; i < count; ++i) Push(pts[i].X, pts[i].Y, PathPointTypeLine);
}

void PathData::PushArc(double x, double y, double w, double h, double start_deg, double sweep_deg,
                       bool join_first) {
  sweep_deg = std::clamp(sweep_deg, -360.0, 360.0);
  const double rx = w / 2.0;
  const double ry = h / 2.0;
  const double cx = x + rx;
  const double cy = y + ry;
  const double t0 = DirectionToParameter(start_deg, rx, ry);
  const double t1 = DirectionToParameter(start_deg + sweep_deg, rx, ry);
  const double span = t1 - t0;
  // Quarter-turn pieces keep the cubic's error far below a pixel at any display size.
  const int pieces = std::max(1, static_cast<int>(std::ceil(std::fabs(span) / (M_PI / 2.0) - 1e-9)));
  const double step = span / pieces;
  const double k = 4.0 / 3.0 * std::tan(step / 4.0);

  double c0 = std::cos(t0);
  double s0 = std::sin(t0);
  if (join_first) {
    PushJoin(cx + rx * c0, cy + ry * s0);
  } else {
    Push(cx + rx * c0, cy + ry * s0, PathPointTypeLine);
  }
  for (int i = 1; i <= pieces; ++i) {
    const double t = (i == pieces) ? t1 : t0 + step * i;
    const double c1 = std::cos(t);
    const double s1 = std::sin(t);
    Push(cx + rx * (c0 - k * s0), cy + ry * (s0 + k * c0), PathPointTypeBezier);
    Push(cx + rx * (c1 + k * s1), cy + ry * (s1 - k * c1), PathPointTypeBezier);
    Push(cx + rx * c1, cy + ry * s1, PathPointTypeBezier);
    c0 = c1;
    s0 = s1;
  }
}

void PathData::AddArc(double x, double y, double w, double h, double start_deg, double sweep_deg) {
  PushArc(x, y, w, h, start_deg, sweep_deg, true);
}

void PathData::AddBezier(double x1, double y1, double x2, double y2, double x3, double y3,
                         double x4, double y4) {
  PushJoin(x1, y1);
  Push(x2, y2, PathPointTypeBezier);
  Push(x3, y3, PathPointTypeBezier);
  Push(x4, y4, PathPointTypeBezier);
}

void PathData::AddRectangle(double x, double y, double w, double h) {
  Push(x, y, PathPointTypeStart);
  Push(x + w, y, PathPointTypeLine);
  Push(x + w, y + h, PathPointTypeLine);
  Push(x, y + h, PathPointTypeLine | PathPointTypeCloseSubpath);
  new_figure_ = true;
}

void PathData::AddEllipse(double x, double y, double w, double h) {
  new_figure_ = true;
  PushArc(x, y, w, h, 0.0, 360.0, true);
  points_.back().type |= PathPointTypeCloseSubpath;
  new_figure_ = true;
}

void PathData::AddPie(double x, double y, double w, double h, double start_deg, double sweep_deg) {
  Push(x + w / 2.0, y + h / 2.0, PathPointTypeStart);
  PushArc(x, y, w, h, start_deg, sweep_deg, false);
  points_.back().type |= PathPointTypeCloseSubpath;
  new_figure_ = true;
}

void PathData::Append(const PathData& other) {
  points_.insert(points_.end(), other.points_.begin(), other.points_.end());
  new_figure_ = other.new_figure_;
}

void PathData::Transform(const Matrix& m) {
  for (PathPoint& p : points_) {
    double x = 0.0;
    double y = 0.0;
    m.Apply(p.x, p.y, &x, &y);
    p.x = x;
    p.y = y;
  }
}

RectF PathBounds(const PathPoint* pts, size_t count) {
  if (pts == nullptr || count == 0) return RectF();
  double x0 = pts[0].x;
  double y0 = pts[0].y;
  double x1 = x0;
  double y1 = y0;
  auto take = [&](double x, double y) {
    x0 = std::min(x0, x);
    y0 = std::min(y0, y);
    x1 = std::max(x1, x);
    y1 = std::max(y1, y);
  };
  for (size_t i = 1; i < count; ++i) {
    if ((pts[i].type & PathPointTypeMask) == PathPointTypeBezier && i + 2 < count) {
      const PathPoint& p0 = pts[i - 1];
      const PathPoint& p1 = pts[i];
      const PathPoint& p2 = pts[i + 1];
      const PathPoint& p3 = pts[i + 2];
      for (int s = 1; s <= 16; ++s) {
        const double t = s / 16.0;
        take(BezierAt(p0.x, p1.x, p2.x, p3.x, t), BezierAt(p0.y, p1.y, p2.y, p3.y, t));
      }
      i += 2;
      continue;
    }
    take(pts[i].x, pts[i].y);
  }
  return RectF(static_cast<REAL>(x0), static_cast<REAL>(y0), static_cast<REAL>(x1 - x0),
               static_cast<REAL>(y1 - y0));
}

// GraphicsPath.

Status GraphicsPath::Reset() {
  data_.Reset();
  fill_mode_ = FillModeAlternate;
  return Ok;
}

Status GraphicsPath::StartFigure() {
  data_.StartFigure();
  return Ok;
}

Status GraphicsPath::CloseFigure() {
  data_.CloseFigure();
  return Ok;
}

Status GraphicsPath::CloseAllFigures() {
  data_.CloseAllFigures();
  return Ok;
}

Status GraphicsPath::SetFillMode(FillMode mode) {
  if (mode != FillModeAlternate && mode != FillModeWinding) return Keep(InvalidParameter);
  fill_mode_ = mode;
  return Ok;
}

Status GraphicsPath::AddLine(REAL x1, REAL y1, REAL x2, REAL y2) {
  data_.AddLine(x1, y1, x2, y2);
  return Ok;
}

Status GraphicsPath::AddLine(INT x1, INT y1, INT x2, INT y2) {
  data_.AddLine(x1, y1, x2, y2);
  return Ok;
}

Status GraphicsPath::AddLines(const PointF* pts, INT count) {
  if (pts == nullptr || count < 1) return Keep(InvalidParameter);
  data_.AddLines(pts, count);
  return Ok;
}

Status GraphicsPath::AddLines(const Point* pts, INT count) {
  if (pts == nullptr || count < 1) return Keep(InvalidParameter);
  data_.AddLines(pts, count);
  return Ok;
}

Status GraphicsPath::AddArc(REAL x, REAL y, REAL w, REAL h, REAL start_deg, REAL sweep_deg) {
  data_.AddArc(x, y, w, h, start_deg, sweep_deg);
  return Ok;
}

Status GraphicsPath::AddArc(INT x, INT y, INT w, INT h, REAL start_deg, REAL sweep_deg) {
  data_.AddArc(x, y, w, h, start_deg, sweep_deg);
  return Ok;
}

Status GraphicsPath::AddBezier(REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4,
                               REAL y4) {
  data_.AddBezier(x1, y1, x2, y2, x3, y3, x4, y4);
  return Ok;
}

Status GraphicsPath::AddBeziers(const PointF* pts, INT count) {
  if (pts == nullptr || count < 4 || (count - 1) % 3 != 0) return Keep(InvalidParameter);
  data_.AddBeziers(pts, count);
  return Ok;
}

Status GraphicsPath::AddRectangle(const RectF& r) {
  data_.AddRectangle(r.X, r.Y, r.Width, r.Height);
  return Ok;
}

Status GraphicsPath::AddEllipse(REAL x, REAL y, REAL w, REAL h) {
  data_.AddEllipse(x, y, w, h);
  return Ok;
}

Status GraphicsPath::AddEllipse(INT x, INT y, INT w, INT h) {
  data_.AddEllipse(x, y, w, h);
  return Ok;
}

Status GraphicsPath::AddPolygon(const PointF* pts, INT count) {
  if (pts == nullptr || count < 3) return Keep(InvalidParameter);
  data_.AddPolygon(pts, count);
  return Ok;
}

Status GraphicsPath::AddPolygon(const Point* pts, INT count) {
  if (pts == nullptr || count < 3) return Keep(InvalidParameter);
  data_.AddPolygon(pts, count);
  return Ok;
}

Status GraphicsPath::AddPie(REAL x, REAL y, REAL w, REAL h, REAL start_deg, REAL sweep_deg) {
  data_.AddPie(x, y, w, h, start_deg, sweep_deg);
  return Ok;
}

Status GraphicsPath::Transform(const Matrix* m) {
  if (m == nullptr) return Keep(InvalidParameter);
  data_.Transform(*m);
  return Ok;
}

Status GraphicsPath::GetLastPoint(PointF* p) const {
  if (p == nullptr || data_.empty()) return InvalidParameter;
  const PathPoint& last = data_.points().back();
  *p = PointF(static_cast<REAL>(last.x), static_cast<REAL>(last.y));
  return Ok;
}

Status GraphicsPath::GetBounds(RectF* bounds) const {
  if (bounds == nullptr) return InvalidParameter;
  *bounds = PathBounds(data_.points().data(), data_.points().size());
  return Ok;
}

}  // namespace gfx
