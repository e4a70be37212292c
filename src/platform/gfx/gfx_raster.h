// The raster back end: paints into the device context's ARGB32 pixels (premultiplied, native
// endian) with Cairo.
//
// Geometry is handed over in device space. GDI+ puts pixel centres on integer coordinates, Cairo
// between them, so device points move by half a pixel on their way to Cairo: a 1-pixel line at
// y = 10 then covers exactly pixel row 10, as in GDI+. Pen shapes and dashes are computed under the
// world transform, so widths scale (and stretch) with it. Clips are aliased, as GDI+ regions are.
//
// Under high-speed compositing a primitive that lies wholly inside a path clip is painted without
// it. Cairo clips a primitive to a path by intersecting polygons or through a mask, which costs a
// map with hundreds of symbols most of its paint, and changes nothing inside the clip; so only
// what meets the clip's edge pays for it. Boxes (axis-aligned paths) and aliased primitives take
// the clip's own rasterising inside it in Cairo, so they keep the clip.
// What lies wholly outside the clip is not handed to Cairo at all.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gfx/gfx_backend.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;
typedef struct _cairo_matrix cairo_matrix_t;

namespace gfx {

class RasterBackend final : public Backend {
 public:
  RasterBackend() = default;
  ~RasterBackend() override;
  RasterBackend(const RasterBackend&) = delete;
  RasterBackend& operator=(const RasterBackend&) = delete;

  // False (and nothing to paint on) when the buffer is missing or its size is unusable.
  bool Open(uint32_t* pixels, int32_t width, int32_t height, int32_t stride_bytes);
  bool is_open() const { return cr_ != nullptr; }

  // Paints every primitive the exact way, whatever the compositing quality asks: the reference the
  // fast paths are measured against. Process-wide; tests turn it on.
  static void SetReferenceRendering(bool on);

  void Clear(const DrawState& state, ARGB argb) override;
  void Fill(const DrawState& state, const std::vector<PathPoint>& device, FillMode mode,
            ARGB argb) override;
  void Stroke(const DrawState& state, const std::vector<PathPoint>& device,
              const StrokeParams& pen) override;
  void Text(const DrawState& state, const TextDraw& text) override;
  void Clip(const DrawState& state, const std::vector<PathPoint>* device, FillMode mode,
            CombineMode combine) override;

 private:
  cairo_surface_t* surface_ = nullptr;
  cairo_t* cr_ = nullptr;
  int32_t width_ = 0;
  int32_t height_ = 0;

  // The same surface without the clip, for what lies wholly inside it (made on first use).
  cairo_t* unclipped_ = nullptr;
  // While a high-speed path clip is set: per pixel, the count of pixels above and to the left of
  // it that lie outside the clip (a summed-area table, (width + 1) x (height + 1), kept between
  // paints for the clips last learnt).
  bool inside_known_ = false;
  std::shared_ptr<const std::vector<uint32_t>> outside_sums_;

  cairo_t* NewContext();
  void EmitPath(cairo_t* cr, const std::vector<PathPoint>& device);
  void SetSource(cairo_t* cr, ARGB argb);
  static void GlyphRunExtents(cairo_t* cr, const cairo_matrix_t& world, int* x0, int* y0, int* x1, int* y1);
  void SetFont(cairo_t* cr, const DrawState& state, const FontFace& face, double em, const cairo_matrix_t& world);
  void LearnInside(const std::vector<PathPoint>& clip, FillMode mode);
  // Where a primitive's reach lies against a high-speed path clip (Across while none is known).
  enum class ClipSide { Inside, Across, Outside };
  ClipSide Side(const RectF& reach) const;
};

}  // namespace gfx
