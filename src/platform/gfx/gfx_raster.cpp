#include "platform/gfx/gfx_raster.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "platform/gfx/gfx_fpu.h"

namespace gfx {

namespace {

constexpr double kPixelCentre = 0.5;
// Text beyond this device em size is not rasterised: no display shows it, and the rasteriser's
// cost grows with it.
constexpr double kMaxDeviceEm = 4096.0;

cairo_font_options_t* TextOptions(bool antialias) {
  static cairo_font_options_t* const kOptions[2] = {
      [] {
        cairo_font_options_t* o = cairo_font_options_create();
        cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_NONE);
        cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
        return o;
      }(),
      [] {
        cairo_font_options_t* o = cairo_font_options_create();
        cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
        cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
        return o;
      }(),
  };
  return kOptions[antialias ? 1 : 0];
}

// The linear part of the world transform (the translation does not shape a pen or a glyph);
// false when it cannot be handed to Cairo (singular), which would disable the context for good.
bool WorldMatrix(const Matrix& world, bool with_translation, cairo_matrix_t* out) {
  if (!world.IsInvertible()) return false;
  cairo_matrix_init(out, world.M11(), world.M12(), world.M21(), world.M22(),
                    with_translation ? world.DX() : 0.0, with_translation ? world.DY() : 0.0);
  return true;
}

bool reference_rendering_on = false;

// Glyph runs are rebuilt per call in storage kept between calls.
std::vector<cairo_glyph_t>& GlyphScratch() {
  static thread_local std::vector<cairo_glyph_t> glyphs;
  return glyphs;
}

// Whether Cairo takes the path as a set of boxes: every segment, and for a fill every figure's
// closing one too, runs along an axis once the points are in its 24.8 fixed point. Cairo clips
// boxes to a path by adding them to the clip, so inside a path clip they take the clip's aliased
// rasterising: they keep the clip.
bool AxisAligned(const std::vector<PathPoint>& device, bool fill) {
  const auto fixed = [](double v) { return std::llround((v + kPixelCentre) * 256.0); };
  long long sx = 0, sy = 0, px = 0, py = 0;
  bool open = false;
  for (size_t i = 0; i < device.size(); ++i) {
    const PathPoint& p = device[i];
    const uint8_t type = p.type & PathPointTypeMask;
    if (type == PathPointTypeBezier) return false;
    const long long x = fixed(p.x), y = fixed(p.y);
    if (type == PathPointTypeStart || i == 0) {
      if (open && fill && sx != px && sy != py) return false;
      sx = px = x;
      sy = py = y;
      open = true;
    } else if (x != px && y != py) {
      return false;
    } else {
      px = x;
      py = y;
    }
    if ((p.type & PathPointTypeCloseSubpath) != 0) {
      if (sx != px && sy != py) return false;
      open = false;
    }
  }
  return !(open && fill && sx != px && sy != py);
}

}  // namespace

void RasterBackend::SetReferenceRendering(bool on) { reference_rendering_on = on; }

RasterBackend::~RasterBackend() {
  LibraryFpuGuard fpu;
  if (unclipped_ != nullptr) cairo_destroy(unclipped_);
  if (cr_ != nullptr) cairo_destroy(cr_);
  if (surface_ != nullptr) {
    cairo_surface_flush(surface_);
    cairo_surface_destroy(surface_);
  }
}

bool RasterBackend::Open(uint32_t* pixels, int32_t width, int32_t height, int32_t stride_bytes) {
  if (pixels == nullptr || width <= 0 || height <= 0 || stride_bytes % 4 != 0 ||
      stride_bytes / 4 < width) {
    return false;
  }
  LibraryFpuGuard fpu;
  surface_ = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(pixels),
                                                 CAIRO_FORMAT_ARGB32, width, height, stride_bytes);
  if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface_);
    surface_ = nullptr;
    return false;
  }
  cr_ = NewContext();
  if (cr_ == nullptr) return false;
  width_ = width;
  height_ = height;
  return true;
}

void RasterBackend::EmitPath(cairo_t* cr, const std::vector<PathPoint>& device) {
  cairo_identity_matrix(cr);
  cairo_new_path(cr);
  const size_t n = device.size();
  for (size_t i = 0; i < n; ++i) {
    const PathPoint& p = device[i];
    const uint8_t type = p.type & PathPointTypeMask;
    if (type == PathPointTypeBezier && i + 2 < n) {
      const PathPoint& q = device[i + 1];
      const PathPoint& r = device[i + 2];
      cairo_curve_to(cr, p.x + kPixelCentre, p.y + kPixelCentre, q.x + kPixelCentre,
                     q.y + kPixelCentre, r.x + kPixelCentre, r.y + kPixelCentre);
      i += 2;
      if ((r.type & PathPointTypeCloseSubpath) != 0) cairo_close_path(cr);
      continue;
    }
    if (type == PathPointTypeStart || i == 0) {
      cairo_move_to(cr, p.x + kPixelCentre, p.y + kPixelCentre);
    } else {
      cairo_line_to(cr, p.x + kPixelCentre, p.y + kPixelCentre);
    }
    if ((p.type & PathPointTypeCloseSubpath) != 0) cairo_close_path(cr);
  }
}

void RasterBackend::SetSource(cairo_t* cr, ARGB argb) {
  cairo_set_source_rgba(cr, ((argb >> 16) & 0xFF) / 255.0, ((argb >> 8) & 0xFF) / 255.0,
                        (argb & 0xFF) / 255.0, (argb >> 24) / 255.0);
}

void RasterBackend::Clear(const DrawState& /*state*/, ARGB argb) {
  LibraryFpuGuard fpu;
  cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
  SetSource(cr_, argb);
  cairo_paint(cr_);
  cairo_set_operator(cr_, CAIRO_OPERATOR_OVER);
}

void RasterBackend::Fill(const DrawState& state, const std::vector<PathPoint>& device,
                         FillMode mode, ARGB argb) {
  LibraryFpuGuard fpu;
  const ClipSide side = Side(state.reach);
  if (side == ClipSide::Outside) return;
  cairo_t* cr = side == ClipSide::Inside && state.antialias && !AxisAligned(device, true) ? unclipped_ : cr_;
  EmitPath(cr, device);
  cairo_set_fill_rule(cr, mode == FillModeWinding ? CAIRO_FILL_RULE_WINDING
                                                  : CAIRO_FILL_RULE_EVEN_ODD);
  cairo_set_antialias(cr, state.antialias ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
  SetSource(cr, argb);
  cairo_fill(cr);
}

void RasterBackend::Stroke(const DrawState& state, const std::vector<PathPoint>& device,
                           const StrokeParams& pen) {
  LibraryFpuGuard fpu;
  const ClipSide side = Side(state.reach);
  if (side == ClipSide::Outside) return;
  // Cairo lays dashes out from the clip's extents: dashed lines keep the clip.
  cairo_t* cr =
      side == ClipSide::Inside && state.antialias && pen.dash_count == 0 && !AxisAligned(device, false) ? unclipped_
                                                                                                        : cr_;
  EmitPath(cr, device);
  cairo_set_antialias(cr, state.antialias ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
  SetSource(cr, pen.argb);

  // Pens thinner than a device pixel (and width 0) draw one pixel wide, as in GDI+. Under a
  // rotation with a uniform scale the pen stays round and is stroked in device space, which is
  // Cairo's fast path; any other transform shapes the pen in world space.
  const Matrix& w = *state.world;
  const double device_width = DevicePenWidth(w, pen.width);
  const bool similarity = w.M11() == w.M22() && w.M12() == -w.M21();
  cairo_matrix_t m;
  double unit = 1.0;
  if (pen.width <= 0.0 || device_width < 1.0 || !WorldMatrix(w, false, &m)) {
    cairo_set_line_width(cr, 1.0);
  } else if (similarity) {
    cairo_set_line_width(cr, device_width);
    unit = device_width;
  } else {
    cairo_set_matrix(cr, &m);
    cairo_set_line_width(cr, pen.width);
    unit = pen.width;
  }
  if (pen.dash_count > 0) {
    double dashes[16];
    const int n = std::min(pen.dash_count, 16);
    for (int i = 0; i < n; ++i) dashes[i] = pen.dashes[i] * unit;
    cairo_set_dash(cr, dashes, n, pen.dash_offset * unit);
  }
  cairo_stroke(cr);
  if (pen.dash_count > 0) cairo_set_dash(cr, nullptr, 0, 0.0);
  cairo_identity_matrix(cr);
}

void RasterBackend::Text(const DrawState& state, const TextDraw& td) {
  const FontFace* face = td.font->face();
  if (face == nullptr || face->cairo_face == nullptr) return;
  const double em = td.font->GetPixelSize();
  const double device_em = DevicePenWidth(*state.world, em);
  cairo_matrix_t world;
  if (!WorldMatrix(*state.world, true, &world) || device_em > kMaxDeviceEm) return;

  std::vector<cairo_glyph_t>& glyphs = GlyphScratch();
  glyphs.clear();
  for (const TextLine& line : td.layout->lines) {
    double x = line.x;
    for (uint32_t i = 0; i < line.length; ++i) {
      const uint8_t b = static_cast<uint8_t>(td.layout->visual[line.offset + i]);
      if (b > ' ' && face->advance[b] > 0.0f) {
        glyphs.push_back(cairo_glyph_t{face->glyph[b], x, line.baseline});
      }
      x += face->advance[b] * em;
    }
  }
  if (glyphs.empty()) return;

  LibraryFpuGuard fpu;
  const int count = static_cast<int>(glyphs.size());
  // Cairo composites a glyph run that it clips to a path through a mask of the run's extents, into
  // which the glyph images are added: ink beyond the extents is cut, and where two glyphs overlap
  // their coverage adds, where unclipped each glyph would go over the last. Inside the clip the
  // run is drawn so, and the extents tell where it is.
  ClipSide side = ClipSide::Across;
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  if (inside_known_) {
    SetFont(unclipped_, state, *face, em, world);
    GlyphRunExtents(unclipped_, world, &x0, &y0, &x1, &y1);
    side = Side(RectF(static_cast<REAL>(x0), static_cast<REAL>(y0), static_cast<REAL>(x1 - x0),
                      static_cast<REAL>(y1 - y0)));
    if (side == ClipSide::Outside) return;
  }
  if (side == ClipSide::Across) {
    SetFont(cr_, state, *face, em, world);
    SetSource(cr_, td.argb);
    cairo_show_glyphs(cr_, glyphs.data(), count);
    cairo_identity_matrix(cr_);
    return;
  }
  cairo_t* cr = unclipped_;
  cairo_identity_matrix(cr);
  cairo_new_path(cr);
  cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
  cairo_clip(cr);
  cairo_push_group_with_content(cr, CAIRO_CONTENT_ALPHA);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_set_matrix(cr, &world);
  cairo_set_source_rgba(cr, 0.0, 0.0, 0.0, 1.0);
  cairo_show_glyphs(cr, glyphs.data(), count);
  cairo_pattern_t* coverage = cairo_pop_group(cr);
  cairo_identity_matrix(cr);
  SetSource(cr, td.argb);
  cairo_mask(cr, coverage);
  cairo_pattern_destroy(coverage);
  cairo_reset_clip(cr);
}

// The run's extents as Cairo bounds a clipped run by them: each glyph at its place rounded to a
// whole pixel, with its ink box (in 24.8 fixed point) widened to whole pixels.
void RasterBackend::GlyphRunExtents(cairo_t* cr, const cairo_matrix_t& world, int* x0, int* y0, int* x1,
                                    int* y1) {
  const std::vector<cairo_glyph_t>& run = GlyphScratch();
  cairo_scaled_font_t* font = cairo_get_scaled_font(cr);
  const auto fixed = [](double v) { return static_cast<double>(std::llround(v * 256.0)) / 256.0; };
  bool first = true;
  for (const cairo_glyph_t& g : run) {
    cairo_glyph_t at{g.index, 0.0, 0.0};
    cairo_text_extents_t ink;
    cairo_scaled_font_glyph_extents(font, &at, 1, &ink);
    // The ink box's corners in device space, relative to the glyph's place.
    double lo_x = 0.0, lo_y = 0.0, hi_x = 0.0, hi_y = 0.0;
    for (int c = 0; c < 4; ++c) {
      double dx = ink.x_bearing + ((c & 1) != 0 ? ink.width : 0.0);
      double dy = ink.y_bearing + ((c & 2) != 0 ? ink.height : 0.0);
      cairo_matrix_transform_distance(&world, &dx, &dy);
      lo_x = c == 0 ? dx : std::min(lo_x, dx);
      hi_x = c == 0 ? dx : std::max(hi_x, dx);
      lo_y = c == 0 ? dy : std::min(lo_y, dy);
      hi_y = c == 0 ? dy : std::max(hi_y, dy);
    }
    double px = g.x, py = g.y;
    cairo_matrix_transform_point(&world, &px, &py);
    const int gx = static_cast<int>(std::floor(px + 0.5)), gy = static_cast<int>(std::floor(py + 0.5));
    const int l = gx + static_cast<int>(std::floor(fixed(lo_x))), t = gy + static_cast<int>(std::floor(fixed(lo_y)));
    const int r = gx + static_cast<int>(std::ceil(fixed(hi_x))), b = gy + static_cast<int>(std::ceil(fixed(hi_y)));
    *x0 = first ? l : std::min(*x0, l);
    *y0 = first ? t : std::min(*y0, t);
    *x1 = first ? r : std::max(*x1, r);
    *y1 = first ? b : std::max(*y1, b);
    first = false;
  }
}

void RasterBackend::SetFont(cairo_t* cr, const DrawState& state, const FontFace& face, double em,
                            const cairo_matrix_t& world) {
  cairo_set_matrix(cr, &world);
  cairo_set_font_face(cr, face.cairo_face);
  cairo_matrix_t font_matrix;
  cairo_matrix_init_scale(&font_matrix, em * face.x_scale, em);
  cairo_set_font_matrix(cr, &font_matrix);
  cairo_set_font_options(cr, TextOptions(state.text_antialias));
}

void RasterBackend::Clip(const DrawState& state, const std::vector<PathPoint>* device,
                         FillMode mode, CombineMode combine) {
  LibraryFpuGuard fpu;
  inside_known_ = false;
  if (device == nullptr || combine == CombineModeReplace) cairo_reset_clip(cr_);
  if (device == nullptr) return;
  EmitPath(cr_, *device);
  cairo_fill_rule_t rule = mode == FillModeWinding ? CAIRO_FILL_RULE_WINDING
                                                   : CAIRO_FILL_RULE_EVEN_ODD;
  if (combine == CombineModeExclude) {
    // The surface less the shape: even-odd over the shape and a frame around the surface.
    cairo_rectangle(cr_, -1.0, -1.0, width_ + 2.0, height_ + 2.0);
    rule = CAIRO_FILL_RULE_EVEN_ODD;
  }
  cairo_set_fill_rule(cr_, rule);
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
  cairo_clip(cr_);
  if (state.high_speed && !reference_rendering_on && combine == CombineModeReplace) LearnInside(*device, mode);
}

cairo_t* RasterBackend::NewContext() {
  cairo_t* cr = cairo_create(surface_);
  if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) {
    cairo_destroy(cr);
    return nullptr;
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  cairo_set_miter_limit(cr, 10.0);
  return cr;
}

void RasterBackend::LearnInside(const std::vector<PathPoint>& clip, FillMode mode) {
  if (unclipped_ == nullptr && (unclipped_ = NewContext()) == nullptr) return;
  // A display sets the same clip paint after paint: the tables of the last few clips are kept.
  struct Learnt {
    std::vector<PathPoint> clip;
    FillMode mode = FillModeAlternate;
    int32_t width = 0, height = 0;
    std::shared_ptr<const std::vector<uint32_t>> sums;
  };
  constexpr size_t kKept = 4;
  static thread_local Learnt learnt[kKept];
  static thread_local size_t next = 0;
  const auto same = [&](const Learnt& l) {
    return l.mode == mode && l.width == width_ && l.height == height_ && l.clip.size() == clip.size() &&
           std::equal(clip.begin(), clip.end(), l.clip.begin(), [](const PathPoint& p, const PathPoint& q) {
             return p.x == q.x && p.y == q.y && p.type == q.type;
           });
  };
  for (const Learnt& l : learnt) {
    if (same(l)) {
      outside_sums_ = l.sums;
      inside_known_ = true;
      return;
    }
  }
  // The clip's own pixels, rasterised as Cairo rasterises the clip.
  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, width_, height_);
  cairo_t* m = cairo_create(mask);
  EmitPath(m, clip);
  cairo_set_fill_rule(m, mode == FillModeWinding ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
  cairo_set_antialias(m, CAIRO_ANTIALIAS_NONE);
  cairo_fill(m);
  cairo_destroy(m);
  cairo_surface_flush(mask);
  if (cairo_surface_status(mask) == CAIRO_STATUS_SUCCESS) {
    Learnt& l = learnt[next];
    next = (next + 1) % kKept;
    l.clip = clip;
    l.mode = mode;
    l.width = width_;
    l.height = height_;
    const unsigned char* a = cairo_image_surface_get_data(mask);
    const int stride = cairo_image_surface_get_stride(mask);
    const size_t w1 = static_cast<size_t>(width_) + 1;
    // A new table, so that a backend still using the one it replaces keeps it.
    auto sums = std::make_shared<std::vector<uint32_t>>(w1 * (static_cast<size_t>(height_) + 1), 0u);
    for (int y = 0; y < height_; ++y) {
      const unsigned char* row = a + static_cast<size_t>(y) * static_cast<size_t>(stride);
      const uint32_t* above = &(*sums)[static_cast<size_t>(y) * w1 + 1];
      uint32_t* at = &(*sums)[static_cast<size_t>(y + 1) * w1 + 1];
      uint32_t outside = 0;
      for (int x = 0; x < width_; ++x) {
        outside += row[x] == 0xFF ? 0u : 1u;
        at[x] = above[x] + outside;
      }
    }
    l.sums = sums;
    outside_sums_ = std::move(sums);
    inside_known_ = true;
  }
  cairo_surface_destroy(mask);
}

RasterBackend::ClipSide RasterBackend::Side(const RectF& reach) const {
  // The fill above and the clip Cairo composites through can differ on a pixel whose centre lies
  // on the clip's edge: a pixel to spare either way. Along the surface's border, where the spare
  // pixels are missing, the clip is taken.
  constexpr double kSpare = 2.0;
  if (!inside_known_) return ClipSide::Across;
  const double l = std::floor(reach.X) - kSpare, t = std::floor(reach.Y) - kSpare;
  const double r = std::ceil(reach.GetRight()) + kSpare, b = std::ceil(reach.GetBottom()) + kSpare;
  if (!(l >= 0.0 && t >= 0.0 && r <= width_ && b <= height_ && r > l && b > t)) return ClipSide::Across;
  // The pixels outside the clip in the reach widened by `spare` pixels.
  const auto outside = [&](size_t spare) {
    const size_t w1 = static_cast<size_t>(width_) + 1;
    const size_t x0 = static_cast<size_t>(l) + 2 - spare, y0 = static_cast<size_t>(t) + 2 - spare;
    const size_t x1 = static_cast<size_t>(r) - 2 + spare, y1 = static_cast<size_t>(b) - 2 + spare;
    const std::vector<uint32_t>& sums = *outside_sums_;
    return sums[y1 * w1 + x1] - sums[y0 * w1 + x1] - sums[y1 * w1 + x0] + sums[y0 * w1 + x0];
  };
  if (outside(1) == 0) return ClipSide::Inside;
  return outside(2) == static_cast<uint32_t>((r - l) * (b - t)) ? ClipSide::Outside : ClipSide::Across;
}

}  // namespace gfx
