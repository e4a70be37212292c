#include "platform/gfx/gfx_raster.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

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

}  // namespace

RasterBackend::~RasterBackend() {
  LibraryFpuGuard fpu;
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
  cr_ = cairo_create(surface_);
  if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) {
    cairo_destroy(cr_);
    cr_ = nullptr;
    return false;
  }
  width_ = width;
  height_ = height;
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
  cairo_set_miter_limit(cr_, 10.0);
  return true;
}

void RasterBackend::EmitPath(const std::vector<PathPoint>& device) {
  cairo_identity_matrix(cr_);
  cairo_new_path(cr_);
  const size_t n = device.size();
  for (size_t i = 0; i < n; ++i) {
    const PathPoint& p = device[i];
    const uint8_t type = p.type & PathPointTypeMask;
    if (type == PathPointTypeBezier && i + 2 < n) {
      const PathPoint& q = device[i + 1];
      const PathPoint& r = device[i + 2];
      cairo_curve_to(cr_, p.x + kPixelCentre, p.y + kPixelCentre, q.x + kPixelCentre,
                     q.y + kPixelCentre, r.x + kPixelCentre, r.y + kPixelCentre);
      i += 2;
      if ((r.type & PathPointTypeCloseSubpath) != 0) cairo_close_path(cr_);
      continue;
    }
    if (type == PathPointTypeStart || i == 0) {
      cairo_move_to(cr_, p.x + kPixelCentre, p.y + kPixelCentre);
    } else {
      cairo_line_to(cr_, p.x + kPixelCentre, p.y + kPixelCentre);
    }
    if ((p.type & PathPointTypeCloseSubpath) != 0) cairo_close_path(cr_);
  }
}

void RasterBackend::SetSource(ARGB argb) {
  cairo_set_source_rgba(cr_, ((argb >> 16) & 0xFF) / 255.0, ((argb >> 8) & 0xFF) / 255.0,
                        (argb & 0xFF) / 255.0, (argb >> 24) / 255.0);
}

void RasterBackend::Clear(const DrawState& /*state*/, ARGB argb) {
  LibraryFpuGuard fpu;
  cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
  SetSource(argb);
  cairo_paint(cr_);
  cairo_set_operator(cr_, CAIRO_OPERATOR_OVER);
}

void RasterBackend::Fill(const DrawState& state, const std::vector<PathPoint>& device,
                         FillMode mode, ARGB argb) {
  LibraryFpuGuard fpu;
  EmitPath(device);
  cairo_set_fill_rule(cr_, mode == FillModeWinding ? CAIRO_FILL_RULE_WINDING
                                                   : CAIRO_FILL_RULE_EVEN_ODD);
  cairo_set_antialias(cr_, state.antialias ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
  SetSource(argb);
  cairo_fill(cr_);
}

void RasterBackend::Stroke(const DrawState& state, const std::vector<PathPoint>& device,
                           const StrokeParams& pen) {
  LibraryFpuGuard fpu;
  EmitPath(device);
  cairo_set_antialias(cr_, state.antialias ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
  SetSource(pen.argb);

  // Pens thinner than a device pixel (and width 0) draw one pixel wide, as in GDI+. Under a
  // rotation with a uniform scale the pen stays round and is stroked in device space, which is
  // Cairo's fast path; any other transform shapes the pen in world space.
  const Matrix& w = *state.world;
  const double device_width = DevicePenWidth(w, pen.width);
  const bool similarity = w.M11() == w.M22() && w.M12() == -w.M21();
  cairo_matrix_t m;
  double unit = 1.0;
  if (pen.width <= 0.0 || device_width < 1.0 || !WorldMatrix(w, false, &m)) {
    cairo_set_line_width(cr_, 1.0);
  } else if (similarity) {
    cairo_set_line_width(cr_, device_width);
    unit = device_width;
  } else {
    cairo_set_matrix(cr_, &m);
    cairo_set_line_width(cr_, pen.width);
    unit = pen.width;
  }
  if (pen.dash_count > 0) {
    double dashes[16];
    const int n = std::min(pen.dash_count, 16);
    for (int i = 0; i < n; ++i) dashes[i] = pen.dashes[i] * unit;
    cairo_set_dash(cr_, dashes, n, pen.dash_offset * unit);
  }
  cairo_stroke(cr_);
  if (pen.dash_count > 0) cairo_set_dash(cr_, nullptr, 0, 0.0);
  cairo_identity_matrix(cr_);
}

void RasterBackend::Text(const DrawState& state, const TextDraw& td) {
  const FontFace* face = td.font->face();
  if (face == nullptr || face->cairo_face == nullptr) return;
  const double em = td.font->GetPixelSize();
  const double device_em = DevicePenWidth(*state.world, em);
  cairo_matrix_t world;
  if (!WorldMatrix(*state.world, true, &world) || device_em > kMaxDeviceEm) return;

  // Glyph runs are rebuilt per call in storage kept between calls.
  static thread_local std::vector<cairo_glyph_t> glyphs;
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
  cairo_set_matrix(cr_, &world);
  cairo_set_font_face(cr_, face->cairo_face);
  cairo_matrix_t font_matrix;
  cairo_matrix_init_scale(&font_matrix, em * face->x_scale, em);
  cairo_set_font_matrix(cr_, &font_matrix);
  cairo_set_font_options(cr_, TextOptions(state.text_antialias));
  SetSource(td.argb);
  cairo_show_glyphs(cr_, glyphs.data(), static_cast<int>(glyphs.size()));
  cairo_identity_matrix(cr_);
}

void RasterBackend::Clip(const DrawState& /*state*/, const std::vector<PathPoint>* device,
                         FillMode mode, CombineMode combine) {
  LibraryFpuGuard fpu;
  if (device == nullptr || combine == CombineModeReplace) cairo_reset_clip(cr_);
  if (device == nullptr) return;
  EmitPath(*device);
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
}

}  // namespace gfx
