#include "displays/eicas_pages.h"
#include "state/config_globals.h"

namespace {
gfx::REAL R(double v) { return static_cast<gfx::REAL>(v); }
}  // namespace

EicasCanvas::EicasCanvas(const DisplaySurface& surface, gfx::Graphics* g)
    : g_(g), sx_(R(surface.width / kEicasCanvasWidth)), sy_(R(surface.height / kEicasCanvasHeight)) {
  Reset();
}

void EicasCanvas::Reset() const {
  g_->ResetTransform();
  g_->ScaleTransform(sx_, sy_);
}

void EicasCanvas::AtDial(double cx, double cy, double rotation_deg) const {
  Reset();
  g_->TranslateTransform(R(cx), R(cy));
  if (rotation_deg != 0.0) g_->RotateTransform(R(rotation_deg));
}

void EicasCanvas::Mark(const gfx::Pen* pen, double cx, double cy, double rotation_deg, double x1, double y1,
                       double x2, double y2) const {
  AtDial(cx, cy, rotation_deg);
  g_->DrawLine(pen, R(x1), R(y1), R(x2), R(y2));
}

void EicasCanvas::DialArc(const gfx::Pen* pen, double x, double top) const {
  g_->DrawArc(pen, R(x), R(top), R(kEicasDialSize), R(kEicasDialSize), 0.0f, R(kEicasDialSweepDeg));
}

gfx::Pen EicasLinePen(gfx::ARGB colour) { return gfx::Pen(gfx::Color(colour), R(EfisLinesize)); }
