// Paths: figures of lines, elliptic arcs and cubic Beziers, kept as GDI+ keeps them (a point list
// with a type per point). Every primitive of the graphics object is built as such a path in world
// units, then transformed to device space for the back ends.
//
// Figure rules follow GDI+: lines, arcs and Beziers added while a figure is open join it with a
// straight line from its last point; rectangles, ellipses, polygons and pies are closed figures of
// their own. Arc angles are degrees clockwise from the +x axis on a y-down screen; on an ellipse the
// angle names the direction from the centre (the point where that ray meets the ellipse).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/gfx/gfx_types.h"

namespace gfx {

enum PathPointType : uint8_t {
  PathPointTypeStart = 0,
  PathPointTypeLine = 1,
  PathPointTypeBezier = 3,
  PathPointTypeMask = 0x07,
  PathPointTypeCloseSubpath = 0x80,
};

struct PathPoint {
  double x;
  double y;
  uint8_t type;
};

// Growing point list with the open-figure state; reused between calls to avoid reallocations.
class PathData {
 public:
  void Reset() {
    points_.clear();
    new_figure_ = true;
  }
  const std::vector<PathPoint>& points() const { return points_; }
  std::vector<PathPoint>& points() { return points_; }
  bool empty() const { return points_.empty(); }

  void StartFigure() { new_figure_ = true; }
  void CloseFigure();
  void CloseAllFigures();

  void AddLine(double x1, double y1, double x2, double y2);
  void AddLines(const PointF* pts, int count);
  void AddLines(const Point* pts, int count);
  void AddArc(double x, double y, double w, double h, double start_deg, double sweep_deg);
  void AddBezier(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                 double y4);
  template <typename P>
  void AddBeziers(const P* pts, int count);  // count = 3k + 1
  void AddRectangle(double x, double y, double w, double h);
  void AddEllipse(double x, double y, double w, double h);
  template <typename P>
  void AddPolygon(const P* pts, int count);
  void AddPie(double x, double y, double w, double h, double start_deg, double sweep_deg);
  void Append(const PathData& other);

  // Applies `m` to every point in place.
  void Transform(const Matrix& m);

 private:
  std::vector<PathPoint> points_;
  bool new_figure_ = true;

  void Push(double x, double y, uint8_t type) { points_.push_back(PathPoint{x, y, type}); }
  // First point of a joining element: a start point on a new figure, else a line point.
  void PushJoin(double x, double y);
  // Arc as Beziers; its first point joins the open figure when `join_first`, else it is a line
  // point (the pie's edge from its centre).
  void PushArc(double x, double y, double w, double h, double start_deg, double sweep_deg,
               bool join_first);
};

template <typename P>
void PathData::AddBeziers(const P* pts, int count) {
  if (pts == nullptr || count < 4 || (count - 1) % 3 != 0) return;
  PushJoin(pts[0].X, pts[0].Y);
  for (int i = 1; i < count; ++i) Push(pts[i].X, pts[i].Y, PathPointTypeBezier);
}

template <typename P>
void PathData::AddPolygon(const P* pts, int count) {
  if (pts == nullptr || count < 2) return;
  Push(pts[0].X, pts[0].Y, PathPointTypeStart);
  for (int i = 1; i < count; ++i) Push(pts[i].X, pts[i].Y, PathPointTypeLine);
  points_.back().type |= PathPointTypeCloseSubpath;
  new_figure_ = true;
}

// Bounding box of a path, Beziers included by sampling their curve (not their control hull).
RectF PathBounds(const PathPoint* pts, size_t count);

// GDI+ GraphicsPath: a PathData with its fill mode and a status.
class GraphicsPath {
 public:
  explicit GraphicsPath(FillMode fill_mode = FillModeAlternate) : fill_mode_(fill_mode) {}

  Status Reset();
  Status StartFigure();
  Status CloseFigure();
  Status CloseAllFigures();
  Status SetFillMode(FillMode mode);
  FillMode GetFillMode() const { return fill_mode_; }

  Status AddLine(REAL x1, REAL y1, REAL x2, REAL y2);
  Status AddLine(INT x1, INT y1, INT x2, INT y2);
  Status AddLine(const PointF& a, const PointF& b) { return AddLine(a.X, a.Y, b.X, b.Y); }
  Status AddLines(const PointF* pts, INT count);
  Status AddLines(const Point* pts, INT count);
  Status AddArc(REAL x, REAL y, REAL w, REAL h, REAL start_deg, REAL sweep_deg);
  Status AddArc(INT x, INT y, INT w, INT h, REAL start_deg, REAL sweep_deg);
  Status AddArc(const RectF& r, REAL start_deg, REAL sweep_deg) {
    return AddArc(r.X, r.Y, r.Width, r.Height, start_deg, sweep_deg);
  }
  Status AddBezier(REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4, REAL y4);
  Status AddBezier(const PointF& a, const PointF& b, const PointF& c, const PointF& d) {
    return AddBezier(a.X, a.Y, b.X, b.Y, c.X, c.Y, d.X, d.Y);
  }
  Status AddBeziers(const PointF* pts, INT count);
  Status AddRectangle(const RectF& r);
  Status AddRectangle(const Rect& r) { return AddRectangle(RectF(r)); }
  Status AddEllipse(REAL x, REAL y, REAL w, REAL h);
  Status AddEllipse(INT x, INT y, INT w, INT h);
  Status AddEllipse(const RectF& r) { return AddEllipse(r.X, r.Y, r.Width, r.Height); }
  Status AddPolygon(const PointF* pts, INT count);
  Status AddPolygon(const Point* pts, INT count);
  Status AddPie(REAL x, REAL y, REAL w, REAL h, REAL start_deg, REAL sweep_deg);
  Status AddPie(const RectF& r, REAL start_deg, REAL sweep_deg) {
    return AddPie(r.X, r.Y, r.Width, r.Height, start_deg, sweep_deg);
  }
  Status Transform(const Matrix* m);

  INT GetPointCount() const { return static_cast<INT>(data_.points().size()); }
  Status GetLastPoint(PointF* p) const;
  // Bounds of the path in its own units (GDI+ GetBounds without a pen).
  Status GetBounds(RectF* bounds) const;
  Status GetLastStatus() {
    Status s = last_status_;
    last_status_ = Ok;
    return s;
  }

  const PathData& data() const { return data_; }

 private:
  PathData data_;
  FillMode fill_mode_;
  Status last_status_ = Ok;

  Status Keep(Status s) {
    if (s != Ok) last_status_ = s;
    return s;
  }
};

}  // namespace gfx
