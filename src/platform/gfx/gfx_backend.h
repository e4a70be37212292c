// The one interface both back ends implement. The graphics object builds every primitive as a path,
// transforms it to device space and hands it here with the state the back end needs; the raster
// back end paints it with Cairo, the recording back end keeps it as an operation.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/gfx/gfx_font.h"
#include "platform/gfx/gfx_path.h"
#include "platform/gfx/gfx_text.h"
#include "platform/gfx/gfx_types.h"

namespace gfx {

// Which primitive a call drew, kept by the recording.
enum class Shape : uint8_t {
  Surface,  // Clear and clip resets: the whole surface
  Line,
  Lines,
  Rectangle,
  Ellipse,
  Arc,
  Pie,
  Polygon,
  Bezier,
  Path,
  Text,
};

struct DrawState {
  const Matrix* world = nullptr;
  bool antialias = false;       // geometry (smoothing mode)
  bool text_antialias = true;   // text rendering hint
  // The compositing quality asks for speed: the raster back end may take paths whose pixels differ
  // from the exact ones by a level or two along antialiased edges.
  bool high_speed = false;
  Shape shape = Shape::Surface;
  bool clip_active = false;     // a clip is set; its device bounding box:
  RectF clip_bounds;
  RectF reach;                  // device pixels a stroke or fill can change
};

struct StrokeParams {
  ARGB argb = 0;
  double width = 1.0;  // world units
  DashStyle dash_style = DashStyleSolid;
  const REAL* dashes = nullptr;  // in pen widths
  int dash_count = 0;
  double dash_offset = 0.0;      // in pen widths
};

struct TextDraw {
  std::string_view text;  // the bytes as given (Windows-1252, logical order)
  const Font* font = nullptr;
  const StringFormat* format = nullptr;
  ARGB argb = 0;
  const TextLayout* layout = nullptr;  // world-space layout, display order
  RectF requested;                     // the layout point or rectangle the caller gave (world)
};

class Backend {
 public:
  virtual ~Backend() = default;
  virtual void Clear(const DrawState& state, ARGB argb) = 0;
  virtual void Fill(const DrawState& state, const std::vector<PathPoint>& device, FillMode mode,
                    ARGB argb) = 0;
  virtual void Stroke(const DrawState& state, const std::vector<PathPoint>& device,
                      const StrokeParams& pen) = 0;
  virtual void Text(const DrawState& state, const TextDraw& text) = 0;
  // `device` null resets the clip; the state's clip fields already describe the result.
  virtual void Clip(const DrawState& state, const std::vector<PathPoint>* device, FillMode mode,
                    CombineMode combine) = 0;
};

// Device width of a pen of world width w: w times the transform's mean scale.
double DevicePenWidth(const Matrix& world, double width);

}  // namespace gfx
