// The recording back end: every drawing call of a graphics object kept as an operation with its
// device-space geometry, colour, pen width, font and text, so that tests can ask what a paint drew
// (which texts, where, in which colour; whether a string was drawn; what lies inside a rectangle).
//
// A test sets `DeviceContext::recording` to a Recording; every graphics object made on that device
// context then appends to it (and still paints the pixels, if the context has any).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/gfx_backend.h"
#include "platform/gfx/gfx_path.h"
#include "platform/gfx/gfx_types.h"

namespace gfx {

enum class OpKind : uint8_t { Clear, Stroke, Fill, Text, SetClip, ResetClip };

struct RecordedText {
  std::string text;          // bytes as drawn (Windows-1252)
  std::string utf8;          // the same characters in UTF-8 ("\xB0" becomes the degree sign)
  std::string display_utf8;  // display order (differs for right-to-left formats); lines by "\n"
  std::string family;        // as requested
  std::string resolved_family;
  float em_size = 0.0f;         // world units (pixels before the transform)
  float device_em_size = 0.0f;  // em size after the world transform
  int32_t style = FontStyleRegular;
  StringAlignment alignment = StringAlignmentNear;
  StringAlignment line_alignment = StringAlignmentNear;
  bool right_to_left = false;
  PointF position;              // device point of the text box's top-left corner
  // What the caller asked for, independent of the face's metrics: the device point of the layout
  // point or rectangle, and the rectangle's world size (0 by 0 for a point).
  PointF anchor;
  SizeF layout_size;
};

struct Op {
  OpKind kind = OpKind::Clear;
  Shape shape = Shape::Surface;
  ARGB color = 0;
  FillMode fill_mode = FillModeAlternate;
  CombineMode combine = CombineModeReplace;
  DashStyle dash = DashStyleSolid;
  float pen_width = 0.0f;         // world units
  float device_pen_width = 0.0f;  // after the world transform
  RectF bounds;                   // device bounding box (the surface's for Clear: empty)
  bool clipped = false;           // a clip was in force; its device bounding box:
  RectF clip_bounds;
  uint32_t first_point = 0;       // device geometry in Recording::points()
  uint32_t point_count = 0;
  int32_t text_index = -1;        // into Recording::texts()
};

class Recording {
 public:
  void Reset();

  const std::vector<Op>& ops() const { return ops_; }
  const std::vector<PathPoint>& points() const { return points_; }
  const std::vector<RecordedText>& texts() const { return texts_; }
  std::span<const PathPoint> PointsOf(const Op& op) const;
  const RecordedText* TextOf(const Op& op) const;

  size_t Count(OpKind kind) const;
  // Text operations in drawing order.
  std::vector<const Op*> TextOps() const;
  // First text operation whose text (Windows-1252 bytes) equals `text`; null when none.
  const Op* FindText(std::string_view text) const;
  bool HasText(std::string_view text) const { return FindText(text) != nullptr; }
  // Drawing operations (stroke, fill, text) whose device bounds lie wholly inside `device_rect`.
  std::vector<const Op*> OpsInside(const RectF& device_rect) const;
  // Texts whose device position lies inside `device_rect`, ordered top to bottom, left to right.
  std::vector<const RecordedText*> TextsInside(const RectF& device_rect) const;

  // Painters that leave out what cannot be seen ask Graphics::IsVisible; a recording that sees
  // everything answers yes to every such question, so that what a painter would leave out is drawn
  // and recorded (pixels outside the clip stay as they are either way).
  void set_sees_everything(bool on) { sees_everything_ = on; }
  bool sees_everything() const { return sees_everything_; }

  // Appending, for the back end.
  Op& Append(OpKind kind, const DrawState& state, const std::vector<PathPoint>* device);
  int32_t AppendText(RecordedText&& text);

 private:
  std::vector<Op> ops_;
  std::vector<PathPoint> points_;
  std::vector<RecordedText> texts_;
  bool sees_everything_ = false;
};

// The back end that appends to a Recording.
class RecordingBackend final : public Backend {
 public:
  explicit RecordingBackend(Recording* rec) : rec_(rec) {}
  const Recording* recording() const { return rec_; }
  void Clear(const DrawState& state, ARGB argb) override;
  void Fill(const DrawState& state, const std::vector<PathPoint>& device, FillMode mode,
            ARGB argb) override;
  void Stroke(const DrawState& state, const std::vector<PathPoint>& device,
              const StrokeParams& pen) override;
  void Text(const DrawState& state, const TextDraw& text) override;
  void Clip(const DrawState& state, const std::vector<PathPoint>* device, FillMode mode,
            CombineMode combine) override;

 private:
  Recording* rec_;
};

}  // namespace gfx
