// The raster back end: paints into the device context's ARGB32 pixels (premultiplied, native
// endian) with Cairo.
//
// Geometry is handed over in device space. GDI+ puts pixel centres on integer coordinates, Cairo
// between them, so device points move by half a pixel on their way to Cairo: a 1-pixel line at
// y = 10 then covers exactly pixel row 10, as in GDI+. Pen shapes and dashes are computed under the
// world transform, so widths scale (and stretch) with it. Clips are aliased, as GDI+ regions are.
#pragma once

#include <cstdint>

#include "platform/gfx/gfx_backend.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

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

  void EmitPath(const std::vector<PathPoint>& device);
  void SetSource(ARGB argb);
};

}  // namespace gfx
