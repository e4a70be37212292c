#include "platform/gfx/gfx_recording.h"

#include <algorithm>
#include <cmath>

namespace gfx {

double DevicePenWidth(const Matrix& world, double width) {
  return width * std::sqrt(std::fabs(world.Determinant()));
}

void Recording::Reset() {
  ops_.clear();
  points_.clear();
  texts_.clear();
}

std::span<const PathPoint> Recording::PointsOf(const Op& op) const {
  if (static_cast<size_t>(op.first_point) + op.point_count > points_.size()) return {};
  return std::span<const PathPoint>(points_.data() + op.first_point, op.point_count);
}

const RecordedText* Recording::TextOf(const Op& op) const {
  if (op.text_index < 0 || static_cast<size_t>(op.text_index) >= texts_.size()) return nullptr;
  return &texts_[static_cast<size_t>(op.text_index)];
}

size_t Recording::Count(OpKind kind) const {
  return static_cast<size_t>(
      std::count_if(ops_.begin(), ops_.end(), [kind](const Op& op) { return op.kind == kind; }));
}

std::vector<const Op*> Recording::TextOps() const {
  std::vector<const Op*> out;
  for (const Op& op : ops_) {
    if (op.kind == OpKind::Text) out.push_back(&op);
  }
  return out;
}

const Op* Recording::FindText(std::string_view text) const {
  for (const Op& op : ops_) {
    const RecordedText* t = TextOf(op);
    if (op.kind == OpKind::Text && t != nullptr && t->text == text) return &op;
  }
  return nullptr;
}

std::vector<const Op*> Recording::OpsInside(const RectF& r) const {
  std::vector<const Op*> out;
  for (const Op& op : ops_) {
    if (op.kind != OpKind::Stroke && op.kind != OpKind::Fill && op.kind != OpKind::Text) continue;
    const RectF& b = op.bounds;
    if (b.X >= r.X && b.Y >= r.Y && b.GetRight() <= r.GetRight() && b.GetBottom() <= r.GetBottom()) {
      out.push_back(&op);
    }
  }
  return out;
}

std::vector<const RecordedText*> Recording::TextsInside(const RectF& r) const {
  std::vector<const RecordedText*> out;
  for (const Op& op : ops_) {
    const RecordedText* t = TextOf(op);
    if (op.kind == OpKind::Text && t != nullptr && r.Contains(t->position.X, t->position.Y)) {
      out.push_back(t);
    }
  }
  std::stable_sort(out.begin(), out.end(), [](const RecordedText* a, const RecordedText* b) {
    if (a->position.Y != b->position.Y) return a->position.Y < b->position.Y;
    return a->position.X < b->position.X;
  });
  return out;
}

Op& Recording::Append(OpKind kind, const DrawState& state, const std::vector<PathPoint>* device) {
  Op op;
  op.kind = kind;
  op.shape = state.shape;
  op.clipped = state.clip_active;
  op.clip_bounds = state.clip_bounds;
  op.first_point = static_cast<uint32_t>(points_.size());
  if (device != nullptr) {
    op.point_count = static_cast<uint32_t>(device->size());
    points_.insert(points_.end(), device->begin(), device->end());
    op.bounds = PathBounds(device->data(), device->size());
  }
  ops_.push_back(op);
  return ops_.back();
}

int32_t Recording::AppendText(RecordedText&& text) {
  texts_.push_back(std::move(text));
  return static_cast<int32_t>(texts_.size() - 1);
}

// RecordingBackend.

void RecordingBackend::Clear(const DrawState& state, ARGB argb) {
  rec_->Append(OpKind::Clear, state, nullptr).color = argb;
}

void RecordingBackend::Fill(const DrawState& state, const std::vector<PathPoint>& device,
                            FillMode mode, ARGB argb) {
  Op& op = rec_->Append(OpKind::Fill, state, &device);
  op.color = argb;
  op.fill_mode = mode;
}

void RecordingBackend::Stroke(const DrawState& state, const std::vector<PathPoint>& device,
                              const StrokeParams& pen) {
  Op& op = rec_->Append(OpKind::Stroke, state, &device);
  op.color = pen.argb;
  op.dash = pen.dash_style;
  op.pen_width = static_cast<float>(pen.width);
  op.device_pen_width = static_cast<float>(DevicePenWidth(*state.world, pen.width));
}

void RecordingBackend::Text(const DrawState& state, const TextDraw& td) {
  const RectF& box = td.layout->box;
  const double corners[4][2] = {{box.X, box.Y},
                                {box.GetRight(), box.Y},
                                {box.GetRight(), box.GetBottom()},
                                {box.X, box.GetBottom()}};
  static thread_local std::vector<PathPoint> outline;
  outline.clear();
  for (int i = 0; i < 4; ++i) {
    double x = 0.0;
    double y = 0.0;
    state.world->Apply(corners[i][0], corners[i][1], &x, &y);
    outline.push_back(PathPoint{x, y, static_cast<uint8_t>(i == 0 ? PathPointTypeStart
                                                                  : PathPointTypeLine)});
  }
  outline.back().type |= PathPointTypeCloseSubpath;

  RecordedText t;
  t.text.assign(td.text);
  t.utf8 = Cp1252ToUtf8(td.text);
  std::string display;
  for (size_t i = 0; i < td.layout->lines.size(); ++i) {
    const TextLine& line = td.layout->lines[i];
    if (i > 0) display.push_back('\n');
    display.append(td.layout->visual, line.offset, line.length);
  }
  t.display_utf8 = Cp1252ToUtf8(display);
  t.family = td.font->family_name();
  t.resolved_family = td.font->face()->resolved_family;
  t.em_size = static_cast<float>(td.font->GetPixelSize());
  t.device_em_size = static_cast<float>(DevicePenWidth(*state.world, td.font->GetPixelSize()));
  t.style = td.font->GetStyle();
  t.alignment = td.format->GetAlignment();
  t.line_alignment = td.format->GetLineAlignment();
  t.right_to_left = (td.format->GetFormatFlags() & StringFormatFlagsDirectionRightToLeft) != 0;
  t.position = PointF(static_cast<REAL>(outline[0].x), static_cast<REAL>(outline[0].y));
  double ax = 0.0;
  double ay = 0.0;
  state.world->Apply(td.requested.X, td.requested.Y, &ax, &ay);
  t.anchor = PointF(static_cast<REAL>(ax), static_cast<REAL>(ay));
  t.layout_size = SizeF{td.requested.Width, td.requested.Height};

  Op& op = rec_->Append(OpKind::Text, state, &outline);
  op.color = td.argb;
  op.text_index = rec_->AppendText(std::move(t));
}

void RecordingBackend::Clip(const DrawState& state, const std::vector<PathPoint>* device,
                            FillMode mode, CombineMode combine) {
  Op& op = rec_->Append(device != nullptr ? OpKind::SetClip : OpKind::ResetClip, state, device);
  op.fill_mode = mode;
  op.combine = combine;
}

}  // namespace gfx
