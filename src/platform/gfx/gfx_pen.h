// Pens and brushes. A pen's width is in world units (it scales with the world transform, as in
// GDI+); a width of 0 draws one device pixel. Dash patterns are in multiples of the pen width, with
// flat caps and mitre joins as GDI+'s default pen has them.
#pragma once

#include <cstdint>

#include "platform/gfx/gfx_types.h"

namespace gfx {

enum BrushType : int32_t { BrushTypeSolidColor = 0 };

class Brush {
 public:
  BrushType GetType() const { return BrushTypeSolidColor; }
  ARGB argb() const { return argb_; }
  Status GetLastStatus() {
    Status s = last_status_;
    last_status_ = Ok;
    return s;
  }

 protected:
  explicit Brush(ARGB argb) : argb_(argb) {}
  ARGB argb_;
  Status last_status_ = Ok;
};

class SolidBrush : public Brush {
 public:
  explicit SolidBrush(const Color& color) : Brush(color.GetValue()) {}
  Status GetColor(Color* color) const {
    if (color == nullptr) return InvalidParameter;
    *color = Color(argb_);
    return Ok;
  }
  Status SetColor(const Color& color) {
    argb_ = color.GetValue();
    return Ok;
  }
};

class Pen {
 public:
  static constexpr int kMaxDashes = 16;

  explicit Pen(const Color& color, REAL width = 1.0f) : argb_(color.GetValue()), width_(width) {}
  explicit Pen(const Brush* brush, REAL width = 1.0f)
      : argb_(brush != nullptr ? brush->argb() : 0xFF000000u), width_(width) {
    if (brush == nullptr) last_status_ = InvalidParameter;
  }

  Status SetColor(const Color& color) {
    argb_ = color.GetValue();
    return Ok;
  }
  Status GetColor(Color* color) const {
    if (color == nullptr) return InvalidParameter;
    *color = Color(argb_);
    return Ok;
  }
  Status SetWidth(REAL width) {
    width_ = width;
    return Ok;
  }
  REAL GetWidth() const { return width_; }
  Status SetDashStyle(DashStyle style);
  DashStyle GetDashStyle() const { return dash_style_; }
  // Custom dash: dash and gap lengths in pen widths (GDI+ SetDashPattern); sets DashStyleCustom.
  Status SetDashPattern(const REAL* lengths, INT count);
  Status SetDashOffset(REAL offset) {
    dash_offset_ = offset;
    return Ok;
  }
  REAL GetDashOffset() const { return dash_offset_; }
  Status GetLastStatus() {
    Status s = last_status_;
    last_status_ = Ok;
    return s;
  }

  ARGB argb() const { return argb_; }
  // The current dash lengths in pen widths; count 0 for a solid pen.
  int dash_count() const { return dash_count_; }
  const REAL* dashes() const { return dashes_; }

 private:
  ARGB argb_;
  REAL width_;
  DashStyle dash_style_ = DashStyleSolid;
  REAL dash_offset_ = 0.0f;
  REAL dashes_[kMaxDashes] = {};
  int dash_count_ = 0;
  Status last_status_ = Ok;
};

inline Status Pen::SetDashStyle(DashStyle style) {
  // GDI+'s stock patterns, in pen widths.
  static constexpr REAL kDash[] = {3, 1};
  static constexpr REAL kDot[] = {1, 1};
  static constexpr REAL kDashDot[] = {3, 1, 1, 1};
  static constexpr REAL kDashDotDot[] = {3, 1, 1, 1, 1, 1};
  const REAL* src = nullptr;
  int n = 0;
  switch (style) {
    case DashStyleSolid: break;
    case DashStyleDash: src = kDash; n = 2; break;
    case DashStyleDot: src = kDot; n = 2; break;
    case DashStyleDashDot: src = kDashDot; n = 4; break;
    case DashStyleDashDotDot: src = kDashDotDot; n = 6; break;
    case DashStyleCustom:
      if (dash_count_ == 0) {
        last_status_ = InvalidParameter;
        return InvalidParameter;
      }
      dash_style_ = style;
      return Ok;
    default:
      last_status_ = InvalidParameter;
      return InvalidParameter;
  }
  for (int i = 0; i < n; ++i) dashes_[i] = src[i];
  dash_count_ = n;
  dash_style_ = style;
  return Ok;
}

inline Status Pen::SetDashPattern(const REAL* lengths, INT count) {
  if (lengths == nullptr || count <= 0 || count > kMaxDashes) {
    last_status_ = InvalidParameter;
    return InvalidParameter;
  }
  for (INT i = 0; i < count; ++i) {
    if (!(lengths[i] > 0.0f)) {
      last_status_ = InvalidParameter;
      return InvalidParameter;
    }
  }
  for (INT i = 0; i < count; ++i) dashes_[i] = lengths[i];
  dash_count_ = count;
  dash_style_ = DashStyleCustom;
  return Ok;
}

}  // namespace gfx
