// The graphics object: the painters' whole drawing surface, made on a gauge element's device context
// for one paint. It keeps the world transform, the clip (fixed in device space once set, whatever the
// transform does later), the smoothing mode and the text rendering hint, and hands every primitive,
// transformed to device space, to its back ends: the raster one when the device context has pixels,
// the recording one when it carries a Recording. Every call returns its status and keeps the last
// failure, as GDI+ does; nothing is thrown.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/gauge.h"
#include "platform/gfx/gfx_backend.h"
#include "platform/gfx/gfx_font.h"
#include "platform/gfx/gfx_path.h"
#include "platform/gfx/gfx_pen.h"
#include "platform/gfx/gfx_raster.h"
#include "platform/gfx/gfx_recording.h"
#include "platform/gfx/gfx_text.h"
#include "platform/gfx/gfx_types.h"

namespace gfx {

class Graphics {
 public:
  // A null device context, or one with neither usable pixels nor a recording, gives a graphics
  // object whose every call fails with InvalidParameter.
  explicit Graphics(gauge::DeviceContext* dc);
  explicit Graphics(void* hdc) : Graphics(static_cast<gauge::DeviceContext*>(hdc)) {}
  ~Graphics() = default;
  Graphics(const Graphics&) = delete;
  Graphics& operator=(const Graphics&) = delete;

  // Returns the last failure and forgets it.
  Status GetLastStatus();

  Status SetSmoothingMode(SmoothingMode mode);
  SmoothingMode GetSmoothingMode() const { return smoothing_; }
  // High speed lets the raster back end trade exact edge pixels for speed (gfx_raster.h).
  Status SetCompositingQuality(CompositingQuality quality);
  CompositingQuality GetCompositingQuality() const { return compositing_; }
  Status SetTextRenderingHint(TextRenderingHint hint);
  TextRenderingHint GetTextRenderingHint() const { return text_hint_; }

  // World transform; the default order prepends (the last call made acts first on a point).
  Status ResetTransform();
  Status TranslateTransform(REAL dx, REAL dy, MatrixOrder order = MatrixOrderPrepend);
  Status ScaleTransform(REAL sx, REAL sy, MatrixOrder order = MatrixOrderPrepend);
  Status RotateTransform(REAL angle_deg, MatrixOrder order = MatrixOrderPrepend);
  Status MultiplyTransform(const Matrix* m, MatrixOrder order = MatrixOrderPrepend);
  Status SetTransform(const Matrix* m);
  Status GetTransform(Matrix* m) const;

  // Clip. Union, Xor and Complement are not offered (NotImplemented).
  Status SetClip(const RectF& rect, CombineMode mode = CombineModeReplace);
  Status SetClip(const Rect& rect, CombineMode mode = CombineModeReplace) {
    return SetClip(RectF(rect), mode);
  }
  Status SetClip(const GraphicsPath* path, CombineMode mode = CombineModeReplace);
  Status IntersectClip(const RectF& rect) { return SetClip(rect, CombineModeIntersect); }
  Status IntersectClip(const Rect& rect) { return SetClip(RectF(rect), CombineModeIntersect); }
  Status ExcludeClip(const RectF& rect) { return SetClip(rect, CombineModeExclude); }
  Status ExcludeClip(const Rect& rect) { return SetClip(RectF(rect), CombineModeExclude); }
  Status ResetClip();
  bool IsClipEmpty() const;
  // Whether a world rectangle may show: it meets the surface within the clip's bounding box (so a
  // rectangle in a corner of that box outside a curved clip still counts as visible). A recording
  // that sees everything (Recording::set_sees_everything) makes every rectangle visible.
  bool IsVisible(const RectF& rect) const;
  // A world rectangle that holds every visible point (the surface within the clip's bounding box,
  // taken back through the world transform); unbounded for a recording that sees everything or a
  // transform that cannot be inverted.
  Status GetVisibleClipBounds(RectF* rect) const;

  // Fills the whole surface (within the clip) with the colour; 0x00000000 clears to transparent.
  Status Clear(const Color& color);

  Status DrawLine(const Pen* pen, REAL x1, REAL y1, REAL x2, REAL y2);
  Status DrawLine(const Pen* pen, INT x1, INT y1, INT x2, INT y2);
  Status DrawLine(const Pen* pen, const PointF& a, const PointF& b) {
    return DrawLine(pen, a.X, a.Y, b.X, b.Y);
  }
  Status DrawLine(const Pen* pen, const Point& a, const Point& b) {
    return DrawLine(pen, a.X, a.Y, b.X, b.Y);
  }
  Status DrawLines(const Pen* pen, const PointF* pts, INT count);
  Status DrawLines(const Pen* pen, const Point* pts, INT count);

  Status DrawRectangle(const Pen* pen, REAL x, REAL y, REAL w, REAL h);
  Status DrawRectangle(const Pen* pen, INT x, INT y, INT w, INT h);
  Status DrawRectangle(const Pen* pen, const RectF& r) {
    return DrawRectangle(pen, r.X, r.Y, r.Width, r.Height);
  }
  Status DrawRectangle(const Pen* pen, const Rect& r) {
    return DrawRectangle(pen, r.X, r.Y, r.Width, r.Height);
  }
  Status FillRectangle(const Brush* brush, REAL x, REAL y, REAL w, REAL h);
  Status FillRectangle(const Brush* brush, INT x, INT y, INT w, INT h);
  Status FillRectangle(const Brush* brush, const RectF& r) {
    return FillRectangle(brush, r.X, r.Y, r.Width, r.Height);
  }
  Status FillRectangle(const Brush* brush, const Rect& r) {
    return FillRectangle(brush, r.X, r.Y, r.Width, r.Height);
  }

  Status DrawEllipse(const Pen* pen, REAL x, REAL y, REAL w, REAL h);
  Status DrawEllipse(const Pen* pen, INT x, INT y, INT w, INT h);
  Status DrawEllipse(const Pen* pen, const RectF& r) {
    return DrawEllipse(pen, r.X, r.Y, r.Width, r.Height);
  }
  Status DrawEllipse(const Pen* pen, const Rect& r) {
    return DrawEllipse(pen, r.X, r.Y, r.Width, r.Height);
  }
  Status FillEllipse(const Brush* brush, REAL x, REAL y, REAL w, REAL h);
  Status FillEllipse(const Brush* brush, INT x, INT y, INT w, INT h);
  Status FillEllipse(const Brush* brush, const RectF& r) {
    return FillEllipse(brush, r.X, r.Y, r.Width, r.Height);
  }
  Status FillEllipse(const Brush* brush, const Rect& r) {
    return FillEllipse(brush, r.X, r.Y, r.Width, r.Height);
  }

  // Arcs and pies of the ellipse in the box: degrees clockwise from the +x axis on screen.
  Status DrawArc(const Pen* pen, REAL x, REAL y, REAL w, REAL h, REAL start_deg, REAL sweep_deg);
  Status DrawArc(const Pen* pen, INT x, INT y, INT w, INT h, REAL start_deg, REAL sweep_deg);
  Status DrawArc(const Pen* pen, const RectF& r, REAL start_deg, REAL sweep_deg) {
    return DrawArc(pen, r.X, r.Y, r.Width, r.Height, start_deg, sweep_deg);
  }
  Status DrawArc(const Pen* pen, const Rect& r, REAL start_deg, REAL sweep_deg) {
    return DrawArc(pen, r.X, r.Y, r.Width, r.Height, start_deg, sweep_deg);
  }
  Status DrawPie(const Pen* pen, REAL x, REAL y, REAL w, REAL h, REAL start_deg, REAL sweep_deg);
  Status DrawPie(const Pen* pen, INT x, INT y, INT w, INT h, REAL start_deg, REAL sweep_deg);
  Status DrawPie(const Pen* pen, const RectF& r, REAL start_deg, REAL sweep_deg) {
    return DrawPie(pen, r.X, r.Y, r.Width, r.Height, start_deg, sweep_deg);
  }
  Status FillPie(const Brush* brush, REAL x, REAL y, REAL w, REAL h, REAL start_deg,
                 REAL sweep_deg);
  Status FillPie(const Brush* brush, INT x, INT y, INT w, INT h, REAL start_deg, REAL sweep_deg);
  Status FillPie(const Brush* brush, const RectF& r, REAL start_deg, REAL sweep_deg) {
    return FillPie(brush, r.X, r.Y, r.Width, r.Height, start_deg, sweep_deg);
  }

  Status DrawPolygon(const Pen* pen, const PointF* pts, INT count);
  Status DrawPolygon(const Pen* pen, const Point* pts, INT count);
  Status FillPolygon(const Brush* brush, const PointF* pts, INT count,
                     FillMode mode = FillModeAlternate);
  Status FillPolygon(const Brush* brush, const Point* pts, INT count,
                     FillMode mode = FillModeAlternate);

  Status DrawBezier(const Pen* pen, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4,
                    REAL y4);
  Status DrawBezier(const Pen* pen, INT x1, INT y1, INT x2, INT y2, INT x3, INT y3, INT x4,
                    INT y4);
  Status DrawBezier(const Pen* pen, const PointF& a, const PointF& b, const PointF& c,
                    const PointF& d) {
    return DrawBezier(pen, a.X, a.Y, b.X, b.Y, c.X, c.Y, d.X, d.Y);
  }
  Status DrawBeziers(const Pen* pen, const PointF* pts, INT count);  // count = 3k + 1
  Status DrawBeziers(const Pen* pen, const Point* pts, INT count);

  Status DrawPath(const Pen* pen, const GraphicsPath* path);
  Status FillPath(const Brush* brush, const GraphicsPath* path);

  // Text: Windows-1252 bytes; length -1 means up to the terminating NUL. Without a format the
  // default one applies: the point is the top-left corner of the text.
  Status DrawString(const char* text, INT length, const Font* font, const PointF& origin,
                    const Brush* brush);
  Status DrawString(const char* text, INT length, const Font* font, const PointF& origin,
                    const StringFormat* format, const Brush* brush);
  Status DrawString(const char* text, INT length, const Font* font, const RectF& layout,
                    const StringFormat* format, const Brush* brush);
  // The box (world units) the text would take when drawn with the same arguments.
  Status MeasureString(const char* text, INT length, const Font* font, const RectF& layout,
                       const StringFormat* format, RectF* bounding_box,
                       INT* codepoints_fitted = nullptr, INT* lines_filled = nullptr);
  Status MeasureString(const char* text, INT length, const Font* font, const PointF& origin,
                       const StringFormat* format, RectF* bounding_box);
  Status MeasureString(const char* text, INT length, const Font* font, const PointF& origin,
                       RectF* bounding_box) {
    return MeasureString(text, length, font, origin, nullptr, bounding_box);
  }
  Status MeasureString(const char* text, INT length, const Font* font, const RectF& layout,
                       RectF* bounding_box) {
    return MeasureString(text, length, font, layout, nullptr, bounding_box);
  }

  Status Flush() { return Ok; }

 private:
  RasterBackend raster_;
  RecordingBackend recording_{nullptr};
  Backend* backends_[2] = {nullptr, nullptr};
  int backend_count_ = 0;
  bool valid_ = false;
  Matrix world_;
  SmoothingMode smoothing_ = SmoothingModeDefault;
  TextRenderingHint text_hint_ = TextRenderingHintSystemDefault;
  CompositingQuality compositing_ = CompositingQualityDefault;
  bool clip_active_ = false;
  RectF clip_bounds_;  // device bounding box of the clip while one is set
  RectF surface_;      // the device context's size
  Status last_status_ = Ok;

  Status Keep(Status s) {
    if (s != Ok) last_status_ = s;
    return s;
  }
  DrawState State(Shape shape) const;
  // Whether a primitive whose device box, widened by `margin` pixels, can change a pixel: it must
  // meet the surface within the clip's bounding box. The raster back end is spared the others (it
  // would clip them away whole); the recording keeps them.
  bool MayPaint(const RectF& device_box, double margin) const;
  // The device box widened by the margin: what a primitive can change.
  static RectF Reach(const RectF& device_box, double margin);
  RectF VisibleArea() const;
  bool SeesEverything() const;
  template <typename Draw>
  void ToBackends(bool may_paint, Draw draw) {
    for (int i = 0; i < backend_count_; ++i) {
      if (may_paint || backends_[i] != &raster_) draw(backends_[i]);
    }
  }
  // The scratch path, emptied, for building the next primitive: no allocation per call once it
  // has grown.
  static PathData& Scratch();
  // Transform `path` (the scratch) to device space and hand it to the back ends.
  Status StrokePath(PathData& path, const Pen* pen, Shape shape);
  Status FillPathData(PathData& path, const Brush* brush, Shape shape, FillMode mode);
  Status ApplyClip(PathData& path, FillMode fill, CombineMode mode, Shape shape);
  Status LayoutString(const char* text, INT length, const Font* font, const RectF& layout,
                      const StringFormat* format, std::string_view* bytes);
  template <typename P>
  Status DrawLinesT(const Pen* pen, const P* pts, INT count);
  template <typename P>
  Status DrawPolygonT(const Pen* pen, const P* pts, INT count);
  template <typename P>
  Status FillPolygonT(const Brush* brush, const P* pts, INT count, FillMode mode);
  template <typename P>
  Status DrawBeziersT(const Pen* pen, const P* pts, INT count);
};

}  // namespace gfx
