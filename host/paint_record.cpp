#include "host/paint_record.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "host/host.h"

namespace simhost {

namespace {

// A recording that sees everything: painters that leave out what the clip would cut away whole draw
// it here anyway, so that a list holds every operation a paint makes whatever the clip hides (the
// pixels are the same either way).
gfx::Recording FreshRecording() {
  gfx::Recording rec;
  rec.set_sees_everything(true);
  return rec;
}

}  // namespace

void PaintRecorder::Attach(Host& host) {
  for (const auto& instance : host.instances()) {
    for (const auto& dc : instance->surfaces) {
      auto s = std::make_unique<Surface>();
      s->current = FreshRecording();
      dc->recording = &s->current;
      surfaces_[dc.get()] = std::move(s);
    }
  }
}

void PaintRecorder::EndFrame(int64_t frame) {
  last_frame_ = frame;
  for (auto& [dc, s] : surfaces_) {
    if (s->current.ops().empty()) continue;
    // The recording the device context points at stays where it is; only its contents move.
    s->latest = std::move(s->current);
    s->current = FreshRecording();
    s->latest_frame = frame;
  }
}

const PaintRecorder::Surface* PaintRecorder::Find(const gauge::DeviceContext* dc) const {
  auto it = surfaces_.find(dc);
  return it == surfaces_.end() ? nullptr : it->second.get();
}

const gfx::Recording& PaintRecorder::Latest(const gauge::DeviceContext* dc) const {
  static const gfx::Recording kNothing;
  const Surface* s = Find(dc);
  return s == nullptr ? kNothing : s->latest;
}

int64_t PaintRecorder::LatestFrame(const gauge::DeviceContext* dc) const {
  const Surface* s = Find(dc);
  return s == nullptr ? -1 : s->latest_frame;
}

bool PaintRecorder::PaintedLastFrame(const gauge::DeviceContext* dc) const {
  return last_frame_ >= 0 && LatestFrame(dc) == last_frame_;
}

namespace {

// Two decimals without trailing zeros: enough for a device pixel, and the same digits from every
// build (a last-bit difference would have to fall on a rounding edge to show).
void Number(std::string* out, double v) {
  if (!std::isfinite(v)) {
    out->append(std::isnan(v) ? "nan" : (v > 0 ? "inf" : "-inf"));
    return;
  }
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.2f", v);
  size_t n = std::strlen(buf);
  while (buf[n - 1] == '0') --n;
  if (buf[n - 1] == '.') --n;
  buf[n] = '\0';
  out->append(std::strcmp(buf, "-0") == 0 ? "0" : buf);
}

void Colour(std::string* out, gfx::ARGB argb) {
  char buf[16];
  std::snprintf(buf, sizeof buf, " #%08X", argb);
  out->append(buf);
}

// Names by enumerator value, in the order the drawing layer declares them.
constexpr const char* kShapeNames[] = {"surface", "line",    "lines",  "rect", "ellipse", "arc",
                                       "pie",     "polygon", "bezier", "path", "text"};
constexpr const char* kDashNames[] = {"", " dash", " dot", " dashdot", " dashdotdot", " customdash"};
constexpr const char* kCombineNames[] = {"replace", "intersect", "union", "xor", "exclude", "complement"};
constexpr const char* kAlignNames[] = {"near", "center", "far"};

template <size_t N>
const char* NameOf(const char* const (&names)[N], int value) {
  return value >= 0 && static_cast<size_t>(value) < N ? names[value] : "?";
}

// Device geometry as path commands: M starts a figure, L lines, C bezier points, Z closes; a
// command letter is written only where the kind changes.
void Points(std::string* out, const gfx::Recording& rec, const gfx::Op& op) {
  const auto& pts = rec.points();
  if (static_cast<size_t>(op.first_point) + op.point_count > pts.size()) return;
  char last = 0;
  for (uint32_t i = 0; i < op.point_count; ++i) {
    const gfx::PathPoint& p = pts[op.first_point + i];
    const uint8_t kind = p.type & 0x07;
    const char cmd = kind == gfx::PathPointTypeStart ? 'M' : (kind == gfx::PathPointTypeBezier ? 'C' : 'L');
    out->push_back(' ');
    if (cmd != last || cmd == 'M') {
      out->push_back(cmd);
      out->push_back(' ');
    }
    last = cmd;
    Number(out, p.x);
    out->push_back(',');
    Number(out, p.y);
    if ((p.type & gfx::PathPointTypeCloseSubpath) != 0) {
      out->append(" Z");
      last = 'Z';
    }
  }
}

void Quoted(std::string* out, const std::string& s) {
  out->push_back('"');
  for (char c : s) {
    if (c == '"' || c == '\\') {
      out->push_back('\\');
      out->push_back(c);
    } else if (c == '\n') {
      out->append("\\n");
    } else {
      out->push_back(c);
    }
  }
  out->push_back('"');
}

void Text(std::string* out, const gfx::Recording& rec, const gfx::Op& op) {
  out->append("text");
  if (op.text_index < 0 || static_cast<size_t>(op.text_index) >= rec.texts().size()) return;
  const gfx::RecordedText& t = rec.texts()[static_cast<size_t>(op.text_index)];
  out->push_back(' ');
  Quoted(out, t.utf8);
  out->push_back(' ');
  Quoted(out, t.family);
  out->push_back(' ');
  Number(out, t.device_em_size);  // the size asked for, as the transform shows it
  if ((t.style & gfx::FontStyleBold) != 0) out->append(" bold");
  if ((t.style & gfx::FontStyleItalic) != 0) out->append(" italic");
  if ((t.style & gfx::FontStyleUnderline) != 0) out->append(" underline");
  if ((t.style & gfx::FontStyleStrikeout) != 0) out->append(" strikeout");
  if (t.alignment != gfx::StringAlignmentNear || t.line_alignment != gfx::StringAlignmentNear) {
    out->push_back(' ');
    out->append(NameOf(kAlignNames, t.alignment));
    out->push_back('/');
    out->append(NameOf(kAlignNames, t.line_alignment));
  }
  if (t.right_to_left) out->append(" rtl");
  Colour(out, op.color);
  out->append(" at ");
  Number(out, t.anchor.X);
  out->push_back(',');
  Number(out, t.anchor.Y);
  if (t.layout_size.Width != 0.0f || t.layout_size.Height != 0.0f) {
    out->append(" in ");
    Number(out, t.layout_size.Width);
    out->push_back('x');
    Number(out, t.layout_size.Height);
  }
}

}  // namespace

std::string FormatOpList(const gfx::Recording& rec, const std::string& title, int32_t width, int32_t height) {
  std::string out = "# " + title + ": " + std::to_string(width) + "x" + std::to_string(height) + ", " +
                    std::to_string(rec.ops().size()) + " operations\n";
  for (const gfx::Op& op : rec.ops()) {
    switch (op.kind) {
      case gfx::OpKind::Clear:
        out.append("clear");
        Colour(&out, op.color);
        break;
      case gfx::OpKind::Fill:
        out.append("fill ");
        out.append(NameOf(kShapeNames, static_cast<int>(op.shape)));
        Colour(&out, op.color);
        if (op.fill_mode == gfx::FillModeWinding) out.append(" winding");
        Points(&out, rec, op);
        break;
      case gfx::OpKind::Stroke:
        out.append("stroke ");
        out.append(NameOf(kShapeNames, static_cast<int>(op.shape)));
        Colour(&out, op.color);
        out.append(" w");
        Number(&out, op.device_pen_width);
        out.append(NameOf(kDashNames, op.dash));
        Points(&out, rec, op);
        break;
      case gfx::OpKind::Text: Text(&out, rec, op); break;
      case gfx::OpKind::SetClip:
        out.append("clip ");
        out.append(NameOf(kCombineNames, op.combine));
        if (op.fill_mode == gfx::FillModeWinding) out.append(" winding");
        Points(&out, rec, op);
        break;
      case gfx::OpKind::ResetClip: out.append("clip reset"); break;
    }
    out.push_back('\n');
  }
  return out;
}

}  // namespace simhost
