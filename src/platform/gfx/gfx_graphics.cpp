#include "platform/gfx/gfx_graphics.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace gfx {

namespace {

// Cairo holds device coordinates in 24.8 fixed point; beyond this they would wrap.
constexpr double kMaxDeviceCoordinate = 8.0e6;

// How far paint can reach beyond a primitive's device points: the raster back end joins lines with
// a miter limit of 10 (a tip up to 5 pen widths from its corner), moves points by half a pixel and
// antialiases one pixel further; a glyph's ink stays within one em of its layout box.
constexpr double kMiterReachWidths = 5.0;
constexpr double kRasterSpillPx = 2.0;

// An upper bound of the factor by which the transform can stretch a length (its Frobenius norm).
double MaxStretch(const Matrix& m) {
  return std::sqrt(m.M11() * m.M11() + m.M12() * m.M12() + m.M21() * m.M21() + m.M22() * m.M22());
}

bool DeviceGeometryUsable(const std::vector<PathPoint>& pts) {
  for (const PathPoint& p : pts) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || std::fabs(p.x) > kMaxDeviceCoordinate ||
        std::fabs(p.y) > kMaxDeviceCoordinate) {
      return false;
    }
  }
  return true;
}

RectF Intersect(const RectF& a, const RectF& b) {
  const REAL x0 = std::max(a.X, b.X);
  const REAL y0 = std::max(a.Y, b.Y);
  const REAL x1 = std::min(a.GetRight(), b.GetRight());
  const REAL y1 = std::min(a.GetBottom(), b.GetBottom());
  return RectF(x0, y0, std::max(0.0f, x1 - x0), std::max(0.0f, y1 - y0));
}

// The device bounding box of a world rectangle.
RectF DeviceBox(const Matrix& world, const RectF& r) {
  const double xs[2] = {r.X, r.GetRight()};
  const double ys[2] = {r.Y, r.GetBottom()};
  double x0 = 0.0, y0 = 0.0, x1 = 0.0, y1 = 0.0;
  bool first = true;
  for (double x : xs) {
    for (double y : ys) {
      double dx = 0.0, dy = 0.0;
      world.Apply(x, y, &dx, &dy);
      x0 = first ? dx : std::min(x0, dx);
      y0 = first ? dy : std::min(y0, dy);
      x1 = first ? dx : std::max(x1, dx);
      y1 = first ? dy : std::max(y1, dy);
      first = false;
    }
  }
  return RectF(static_cast<REAL>(x0), static_cast<REAL>(y0), static_cast<REAL>(x1 - x0), static_cast<REAL>(y1 - y0));
}

// The device box a stroke's outline can reach: each vertex widened by half the pen, a joint by
// its miter's length where the miter stays within the limit (beyond it the joint is bevelled).
// False when the path has curves: the caller then takes the bound of the sharpest miter.
bool StrokeOutlineBox(const std::vector<PathPoint>& pts, double half_width, RectF* box) {
  constexpr double kMiterLimit = 2.0 * kMiterReachWidths;
  double x0 = 0.0, y0 = 0.0, x1 = 0.0, y1 = 0.0;
  bool any = false;
  const auto add = [&](const PathPoint& p, double r) {
    x0 = any ? std::min(x0, p.x - r) : p.x - r;
    y0 = any ? std::min(y0, p.y - r) : p.y - r;
    x1 = any ? std::max(x1, p.x + r) : p.x + r;
    y1 = any ? std::max(y1, p.y + r) : p.y + r;
    any = true;
  };
  // A figure's vertices are [first, last]; closed, its first vertex joins its last segment too.
  const auto figure = [&](size_t first, size_t last, bool closed) {
    const size_t n = last - first + 1;
    for (size_t k = 0; k < n; ++k) {
      const bool joint = closed || (k > 0 && k + 1 < n);
      double r = half_width;
      if (joint && n > 1) {
        const PathPoint& a = pts[first + (k + n - 1) % n];
        const PathPoint& v = pts[first + k];
        const PathPoint& b = pts[first + (k + 1) % n];
        const double ax = a.x - v.x, ay = a.y - v.y, bx = b.x - v.x, by = b.y - v.y;
        const double la = std::hypot(ax, ay), lb = std::hypot(bx, by);
        // A zero-length segment gives the joint no direction: take the limit.
        double ratio = kMiterLimit;
        if (la > 0.0 && lb > 0.0) {
          const double cos_angle = std::clamp((ax * bx + ay * by) / (la * lb), -1.0, 1.0);
          const double sin_half = std::sqrt((1.0 - cos_angle) / 2.0);
          ratio = sin_half > 0.0 ? 1.0 / sin_half : kMiterLimit + 1.0;
        }
        r = ratio <= kMiterLimit ? half_width * ratio : half_width;
      }
      add(pts[first + k], r);
    }
  };
  size_t start = 0;
  for (size_t i = 0; i < pts.size(); ++i) {
    const uint8_t type = pts[i].type & PathPointTypeMask;
    if (type == PathPointTypeBezier) return false;
    if (i > start && type == PathPointTypeStart) {
      figure(start, i - 1, false);
      start = i;
    }
    if ((pts[i].type & PathPointTypeCloseSubpath) != 0) {
      figure(start, i, true);
      start = i + 1;
    }
  }
  if (start < pts.size()) figure(start, pts.size() - 1, false);
  *box = RectF(static_cast<REAL>(x0), static_cast<REAL>(y0), static_cast<REAL>(x1 - x0), static_cast<REAL>(y1 - y0));
  return any;
}

TextLayout& ScratchLayout() {
  static thread_local TextLayout layout;
  return layout;
}

}  // namespace

Graphics::Graphics(gauge::DeviceContext* dc) {
  if (dc == nullptr) {
    last_status_ = InvalidParameter;
    return;
  }
  if (raster_.Open(dc->pixels, dc->width, dc->height, dc->stride_bytes)) {
    backends_[backend_count_++] = &raster_;
  }
  if (dc->recording != nullptr) {
    recording_ = RecordingBackend(static_cast<Recording*>(dc->recording));
    backends_[backend_count_++] = &recording_;
  }
  surface_ = RectF(0.0f, 0.0f, static_cast<REAL>(std::max(0, dc->width)),
                   static_cast<REAL>(std::max(0, dc->height)));
  valid_ = backend_count_ > 0;
  if (!valid_) last_status_ = InvalidParameter;
}

Status Graphics::GetLastStatus() {
  const Status s = last_status_;
  last_status_ = Ok;
  return s;
}

RectF Graphics::VisibleArea() const { return clip_active_ ? Intersect(surface_, clip_bounds_) : surface_; }

bool Graphics::SeesEverything() const {
  const Recording* rec = recording_.recording();
  return rec != nullptr && rec->sees_everything();
}

RectF Graphics::Reach(const RectF& box, double margin) {
  const REAL m = static_cast<REAL>(margin);
  return RectF(box.X - m, box.Y - m, box.Width + 2.0f * m, box.Height + 2.0f * m);
}

bool Graphics::MayPaint(const RectF& box, double margin) const {
  const RectF area = VisibleArea();
  if (area.Width <= 0.0f || area.Height <= 0.0f) return false;
  return box.X - margin < area.GetRight() && box.GetRight() + margin > area.X && box.Y - margin < area.GetBottom() &&
         box.GetBottom() + margin > area.Y;
}

DrawState Graphics::State(Shape shape) const {
  DrawState s;
  s.world = &world_;
  s.antialias = smoothing_ == SmoothingModeHighQuality || smoothing_ == SmoothingModeAntiAlias ||
                smoothing_ == SmoothingModeAntiAlias8x8;
  s.text_antialias = text_hint_ != TextRenderingHintSingleBitPerPixel &&
                     text_hint_ != TextRenderingHintSingleBitPerPixelGridFit;
  s.high_speed = compositing_ == CompositingQualityHighSpeed;
  s.shape = shape;
  s.clip_active = clip_active_;
  s.clip_bounds = clip_bounds_;
  return s;
}

PathData& Graphics::Scratch() {
  static thread_local PathData scratch;
  scratch.Reset();
  return scratch;
}

Status Graphics::SetSmoothingMode(SmoothingMode mode) {
  if (!valid_) return Keep(InvalidParameter);
  if (mode < SmoothingModeDefault || mode > SmoothingModeAntiAlias8x8) {
    return Keep(InvalidParameter);
  }
  smoothing_ = mode;
  return Ok;
}

Status Graphics::SetCompositingQuality(CompositingQuality quality) {
  if (!valid_) return Keep(InvalidParameter);
  if (quality < CompositingQualityDefault || quality > CompositingQualityAssumeLinear) return Keep(InvalidParameter);
  compositing_ = quality;
  return Ok;
}

Status Graphics::SetTextRenderingHint(TextRenderingHint hint) {
  if (!valid_) return Keep(InvalidParameter);
  if (hint < TextRenderingHintSystemDefault || hint > TextRenderingHintClearTypeGridFit) {
    return Keep(InvalidParameter);
  }
  text_hint_ = hint;
  return Ok;
}

// Transform.

Status Graphics::ResetTransform() {
  if (!valid_) return Keep(InvalidParameter);
  return world_.Reset();
}

Status Graphics::TranslateTransform(REAL dx, REAL dy, MatrixOrder order) {
  if (!valid_) return Keep(InvalidParameter);
  return world_.Translate(dx, dy, order);
}

Status Graphics::ScaleTransform(REAL sx, REAL sy, MatrixOrder order) {
  if (!valid_) return Keep(InvalidParameter);
  return world_.Scale(sx, sy, order);
}

Status Graphics::RotateTransform(REAL angle_deg, MatrixOrder order) {
  if (!valid_) return Keep(InvalidParameter);
  return world_.Rotate(angle_deg, order);
}

Status Graphics::MultiplyTransform(const Matrix* m, MatrixOrder order) {
  if (!valid_ || m == nullptr) return Keep(InvalidParameter);
  return world_.Multiply(m, order);
}

Status Graphics::SetTransform(const Matrix* m) {
  if (!valid_ || m == nullptr) return Keep(InvalidParameter);
  world_ = *m;
  return Ok;
}

Status Graphics::GetTransform(Matrix* m) const {
  if (!valid_ || m == nullptr) return InvalidParameter;
  *m = world_;
  return Ok;
}

// Clip.

Status Graphics::SetClip(const RectF& rect, CombineMode mode) {
  if (!valid_) return Keep(InvalidParameter);
  PathData& path = Scratch();
  path.AddRectangle(rect.X, rect.Y, rect.Width, rect.Height);
  return ApplyClip(path, FillModeAlternate, mode, Shape::Rectangle);
}

Status Graphics::SetClip(const GraphicsPath* gp, CombineMode mode) {
  if (!valid_ || gp == nullptr) return Keep(InvalidParameter);
  PathData& path = Scratch();
  path.Append(gp->data());
  return ApplyClip(path, gp->GetFillMode(), mode, Shape::Path);
}

Status Graphics::ApplyClip(PathData& path, FillMode fill, CombineMode mode, Shape shape) {
  if (mode != CombineModeReplace && mode != CombineModeIntersect && mode != CombineModeExclude) {
    return Keep(NotImplemented);
  }
  path.Transform(world_);
  if (!DeviceGeometryUsable(path.points())) return Keep(ValueOverflow);
  const RectF shape_bounds = PathBounds(path.points().data(), path.points().size());
  switch (mode) {
    case CombineModeReplace:
      clip_bounds_ = shape_bounds;
      break;
    case CombineModeIntersect:
      clip_bounds_ = clip_active_ ? Intersect(clip_bounds_, shape_bounds) : shape_bounds;
      break;
    default:  // exclude: the bounding box cannot shrink
      if (!clip_active_) clip_bounds_ = surface_;
      break;
  }
  clip_active_ = true;
  const DrawState state = State(shape);
  for (int i = 0; i < backend_count_; ++i) backends_[i]->Clip(state, &path.points(), fill, mode);
  return Ok;
}

Status Graphics::ResetClip() {
  if (!valid_) return Keep(InvalidParameter);
  clip_active_ = false;
  clip_bounds_ = RectF();
  const DrawState state = State(Shape::Surface);
  for (int i = 0; i < backend_count_; ++i) {
    backends_[i]->Clip(state, nullptr, FillModeAlternate, CombineModeReplace);
  }
  return Ok;
}

bool Graphics::IsVisible(const RectF& rect) const {
  if (!valid_) return false;
  return SeesEverything() || MayPaint(DeviceBox(world_, rect), 0.0);
}

Status Graphics::GetVisibleClipBounds(RectF* rect) const {
  if (!valid_ || rect == nullptr) return InvalidParameter;
  constexpr REAL kUnbounded = 1.0e30f;
  Matrix to_world = world_;
  if (SeesEverything() || to_world.Invert() != Ok) {
    *rect = RectF(-kUnbounded, -kUnbounded, 2.0f * kUnbounded, 2.0f * kUnbounded);
    return Ok;
  }
  *rect = DeviceBox(to_world, VisibleArea());
  return Ok;
}

bool Graphics::IsClipEmpty() const {
  return clip_active_ && (clip_bounds_.Width <= 0.0f || clip_bounds_.Height <= 0.0f);
}

// Drawing.

Status Graphics::Clear(const Color& color) {
  if (!valid_) return Keep(InvalidParameter);
  const DrawState state = State(Shape::Surface);
  for (int i = 0; i < backend_count_; ++i) backends_[i]->Clear(state, color.GetValue());
  return Ok;
}

Status Graphics::StrokePath(PathData& path, const Pen* pen, Shape shape) {
  path.Transform(world_);
  if (!DeviceGeometryUsable(path.points())) return Keep(ValueOverflow);
  StrokeParams params;
  params.argb = pen->argb();
  params.width = pen->GetWidth();
  params.dash_style = pen->GetDashStyle();
  params.dashes = pen->dashes();
  params.dash_count = pen->dash_count();
  params.dash_offset = pen->GetDashOffset();
  DrawState state = State(shape);
  const double device_width = std::max(1.0, params.width * MaxStretch(world_));
  const RectF box = PathBounds(path.points().data(), path.points().size());
  const double margin = kMiterReachWidths * device_width + kRasterSpillPx;
  // Only a high-speed clip asks where the stroke's outline lies.
  RectF outline;
  state.reach = state.high_speed && clip_active_ && StrokeOutlineBox(path.points(), device_width / 2.0, &outline)
                    ? Reach(outline, kRasterSpillPx)
                    : Reach(box, margin);
  const bool may_paint = MayPaint(box, margin);
  ToBackends(may_paint, [&](Backend* b) { b->Stroke(state, path.points(), params); });
  return Ok;
}

Status Graphics::FillPathData(PathData& path, const Brush* brush, Shape shape, FillMode mode) {
  path.Transform(world_);
  if (!DeviceGeometryUsable(path.points())) return Keep(ValueOverflow);
  DrawState state = State(shape);
  const RectF box = PathBounds(path.points().data(), path.points().size());
  state.reach = Reach(box, kRasterSpillPx);
  const bool may_paint = MayPaint(box, kRasterSpillPx);
  ToBackends(may_paint, [&](Backend* b) { b->Fill(state, path.points(), mode, brush->argb()); });
  return Ok;
}

Status Graphics::DrawLine(const Pen* pen, REAL x1, REAL y1, REAL x2, REAL y2) {
  if (!valid_ || pen == nullptr) return Keep(InvalidParameter);
  PathData& path = Scratch();
  path.AddLine(x1, y1, x2, y2);
  return StrokePath(path, pen, Shape::Line);
}

Status Graphics::DrawLine(const Pen* pen, INT x1, INT y1, INT x2, INT y2) {
  return DrawLine(pen, static_cast<REAL>(x1), static_cast<REAL>(y1), static_cast<REAL>(x2),
                  static_cast<REAL>(y2));
}

template <typename P>
Status Graphics::DrawLinesT(const Pen* pen, const P* pts, INT count) {
  if (!valid_ || pen == nullptr || pts == nullptr || count < 2) return Keep(InvalidParameter);
  PathData& path = Scratch();
  path.AddLines(pts, count);
  return StrokePath(path, pen, Shape::Lines);
}

Status Graphics::DrawLines(const Pen* pen, const PointF* pts, INT count) {
  return DrawLinesT(pen, pts, count);
}

Status Graphics::DrawLines(const Pen* pen, const Point* pts, INT count) {
  return DrawLinesT(pen, pts, count);
}

Status Graphics::DrawRectangle(const Pen* pen, REAL x, REAL y, REAL w, REAL h) {
  if (!valid_ || pen == nullptr) return Keep(InvalidParameter);
  PathData& path = Scratch();
  path.AddRectangle(x, y, w, h);
  return StrokePath(path, pen, Shape::Rectangle);
}

Status Graphics::DrawRectangle(const Pen* pen, INT x, INT y, INT w, INT h) {
  return DrawRectangle(pen, static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(w),
                       static_cast<REAL>(h));
}

Status Graphics::FillRectangle(const Brush* brush, REAL x, REAL y, REAL w, REAL h) {
  if (!valid_ || brush == nullptr) return Keep(InvalidParameter);
  PathData& path = Scratch();
  path.AddRectangle(x, y, w, h);
  return FillPathData(path, brush, Shape::Rectangle, FillModeWinding);
}

Status Graphics::FillRectangle(const Brush* brush, INT x, INT y, INT w, INT h) {
  return FillRectangle(brush, static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(w),
                       static_cast<REAL>(h));
}

Status Graphics::DrawEllipse(const Pen* pen, REAL x, REAL y, REAL w, REAL h) {
  if (!valid_ || pen == nullptr) return Keep(InvalidParameter);
  PathData& path = Scratch();
  path.AddEllipse(x, y, w, h);
  return StrokePath(path, pen, Shape::Ellipse);
}

Status Graphics::DrawEllipse(const Pen* pen, INT x, INT y, INT w, INT h) {
  return DrawEllipse(pen, static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(w),
                     static_cast<REAL>(h));
}

Status Graphics::FillEllipse(const Brush* brush, REAL x, REAL y, REAL w, REAL h) {
  if (!valid_ || brush == nullptr) return Keep(InvalidParameter);
  PathData& path = Scratch();
  path.AddEllipse(x, y, w, h);
  return FillPathData(path, brush, Shape::Ellipse, FillModeWinding);
}

Status Graphics::FillEllipse(const Brush* brush, INT x, INT y, INT w, INT h) {
  return FillEllipse(brush, static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(w),
                     static_cast<REAL>(h));
}

Status Graphics::DrawArc(const Pen* pen, REAL x, REAL y, REAL w, REAL h, REAL start_deg,
                         REAL sweep_deg) {
  if (!valid_ || pen == nullptr) return Keep(InvalidParameter);
  PathData& path = Scratch();
  path.AddArc(x, y, w, h, start_deg, sweep_deg);
  return StrokePath(path, pen, Shape::Arc);
}

Status Graphics::DrawArc(const Pen* pen, INT x, INT y, INT w, INT h, REAL start_deg,
                         REAL sweep_deg) {
  return DrawArc(pen, static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(w),
                 static_cast<REAL>(h), start_deg, sweep_deg);
}

Status Graphics::DrawPie(const Pen* pen, REAL x, REAL y, REAL w, REAL h, REAL start_deg,
                         REAL sweep_deg) {
  if (!valid_ || pen == nullptr) return Keep(InvalidParameter);
  PathData& path = Scratch();
  path.AddPie(x, y, w, h, start_deg, sweep_deg);
  return StrokePath(path, pen, Shape::Pie);
}

Status Graphics::DrawPie(const Pen* pen, INT x, INT y, INT w, INT h, REAL start_deg,
                         REAL sweep_deg) {
  return DrawPie(pen, static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(w),
                 static_cast<REAL>(h), start_deg, sweep_deg);
}

Status Graphics::FillPie(const Brush* brush, REAL x, REAL y, REAL w, REAL h, REAL start_deg,
                         REAL sweep_deg) {
  if (!valid_ || brush == nullptr) return Keep(InvalidParameter);
  PathData& path = Scratch();
  path.AddPie(x, y, w, h, start_deg, sweep_deg);
  return FillPathData(path, brush, Shape::Pie, FillModeWinding);
}

Status Graphics::FillPie(const Brush* brush, INT x, INT y, INT w, INT h, REAL start_deg,
                         REAL sweep_deg) {
  return FillPie(brush, static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(w),
                 static_cast<REAL>(h), start_deg, sweep_deg);
}

template <typename P>
Status Graphics::DrawPolygonT(const Pen* pen, const P* pts, INT count) {
  if (!valid_ || pen == nullptr || pts == nullptr || count < 2) return Keep(InvalidParameter);
  PathData& path = Scratch();
  path.AddPolygon(pts, count);
  return StrokePath(path, pen, Shape::Polygon);
}

template <typename P>
Status Graphics::FillPolygonT(const Brush* brush, const P* pts, INT count, FillMode mode) {
  if (!valid_ || brush == nullptr || pts == nullptr || count < 3) return Keep(InvalidParameter);
  PathData& path = Scratch();
  path.AddPolygon(pts, count);
  return FillPathData(path, brush, Shape::Polygon, mode);
}

Status Graphics::DrawPolygon(const Pen* pen, const PointF* pts, INT count) {
  return DrawPolygonT(pen, pts, count);
}

Status Graphics::DrawPolygon(const Pen* pen, const Point* pts, INT count) {
  return DrawPolygonT(pen, pts, count);
}

Status Graphics::FillPolygon(const Brush* brush, const PointF* pts, INT count, FillMode mode) {
  return FillPolygonT(brush, pts, count, mode);
}

Status Graphics::FillPolygon(const Brush* brush, const Point* pts, INT count, FillMode mode) {
  return FillPolygonT(brush, pts, count, mode);
}

Status Graphics::DrawBezier(const Pen* pen, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3,
                            REAL x4, REAL y4) {
  if (!valid_ || pen == nullptr) return Keep(InvalidParameter);
  PathData& path = Scratch();
  path.AddBezier(x1, y1, x2, y2, x3, y3, x4, y4);
  return StrokePath(path, pen, Shape::Bezier);
}

Status Graphics::DrawBezier(const Pen* pen, INT x1, INT y1, INT x2, INT y2, INT x3, INT y3,
                            INT x4, INT y4) {
  return DrawBezier(pen, static_cast<REAL>(x1), static_cast<REAL>(y1), static_cast<REAL>(x2),
                    static_cast<REAL>(y2), static_cast<REAL>(x3), static_cast<REAL>(y3),
                    static_cast<REAL>(x4), static_cast<REAL>(y4));
}

template <typename P>
Status Graphics::DrawBeziersT(const Pen* pen, const P* pts, INT count) {
  if (!valid_ || pen == nullptr || pts == nullptr || count < 4 || (count - 1) % 3 != 0) {
    return Keep(InvalidParameter);
  }
  PathData& path = Scratch();
  path.AddBeziers(pts, count);
  return StrokePath(path, pen, Shape::Bezier);
}

Status Graphics::DrawBeziers(const Pen* pen, const PointF* pts, INT count) {
  return DrawBeziersT(pen, pts, count);
}

Status Graphics::DrawBeziers(const Pen* pen, const Point* pts, INT count) {
  return DrawBeziersT(pen, pts, count);
}

Status Graphics::DrawPath(const Pen* pen, const GraphicsPath* gp) {
  if (!valid_ || pen == nullptr || gp == nullptr) return Keep(InvalidParameter);
  PathData& path = Scratch();
  path.Append(gp->data());
  return StrokePath(path, pen, Shape::Path);
}

Status Graphics::FillPath(const Brush* brush, const GraphicsPath* gp) {
  if (!valid_ || brush == nullptr || gp == nullptr) return Keep(InvalidParameter);
  PathData& path = Scratch();
  path.Append(gp->data());
  return FillPathData(path, brush, Shape::Path, gp->GetFillMode());
}

// Text.

Status Graphics::LayoutString(const char* text, INT length, const Font* font, const RectF& layout,
                              const StringFormat* format, std::string_view* bytes) {
  if (!valid_ || text == nullptr || font == nullptr || !font->IsAvailable() || length < -1) {
    return InvalidParameter;
  }
  *bytes = (length == -1) ? std::string_view(text) : std::string_view(text, static_cast<size_t>(length));
  if (format == nullptr) format = StringFormat::GenericDefault();
  LayoutText(*bytes, *font, layout, *format, &ScratchLayout());
  return Ok;
}

Status Graphics::DrawString(const char* text, INT length, const Font* font, const PointF& origin,
                            const Brush* brush) {
  return DrawString(text, length, font, RectF(origin.X, origin.Y, 0.0f, 0.0f), nullptr, brush);
}

Status Graphics::DrawString(const char* text, INT length, const Font* font, const PointF& origin,
                            const StringFormat* format, const Brush* brush) {
  return DrawString(text, length, font, RectF(origin.X, origin.Y, 0.0f, 0.0f), format, brush);
}

Status Graphics::DrawString(const char* text, INT length, const Font* font, const RectF& layout,
                            const StringFormat* format, const Brush* brush) {
  if (brush == nullptr) return Keep(InvalidParameter);
  std::string_view bytes;
  const Status s = LayoutString(text, length, font, layout, format, &bytes);
  if (s != Ok) return Keep(s);
  if (bytes.empty()) return Ok;
  TextDraw td;
  td.text = bytes;
  td.font = font;
  td.format = (format != nullptr) ? format : StringFormat::GenericDefault();
  td.argb = brush->argb();
  td.layout = &ScratchLayout();
  td.requested = layout;
  // The raster back end places a run against a clip by the run's own extents.
  const DrawState state = State(Shape::Text);
  ToBackends(MayPaint(DeviceBox(world_, td.layout->box), font->GetPixelSize() * MaxStretch(world_) + kRasterSpillPx),
             [&](Backend* b) { b->Text(state, td); });
  return Ok;
}

Status Graphics::MeasureString(const char* text, INT length, const Font* font, const RectF& layout,
                               const StringFormat* format, RectF* bounding_box,
                               INT* codepoints_fitted, INT* lines_filled) {
  if (bounding_box == nullptr) return Keep(InvalidParameter);
  std::string_view bytes;
  const Status s = LayoutString(text, length, font, layout, format, &bytes);
  if (s != Ok) return Keep(s);
  const TextLayout& tl = ScratchLayout();
  *bounding_box = tl.box;
  if (codepoints_fitted != nullptr) *codepoints_fitted = static_cast<INT>(bytes.size());
  if (lines_filled != nullptr) *lines_filled = static_cast<INT>(tl.lines.size());
  return Ok;
}

Status Graphics::MeasureString(const char* text, INT length, const Font* font,
                               const PointF& origin, const StringFormat* format,
                               RectF* bounding_box) {
  return MeasureString(text, length, font, RectF(origin.X, origin.Y, 0.0f, 0.0f), format,
                       bounding_box);
}

}  // namespace gfx
