// Test beds of the display painters: a freshly loaded module with the in-process host, the IRSs
// aligned, and a recording surface of the painter's canvas size, queried for what was drawn.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "afds/afds_globals.h"
#include "displays/displays_globals.h"
#include "displays/pfd_display.h"
#include "displays/pfd_frame.h"
#include "draw/display_surface.h"
#include "draw/draw_helpers.h"
#include "base/int_conversion.h"
#include "module/paint_entries.h"
#include "sim/sim_access.h"
#include "sim/tick_globals.h"
#include "platform/gfx/gfx.h"
#include "support/sim_fixture.h"

class DisplayTest : public testing_support::SimFixture {
 protected:
  void SetUp() override {
    SimFixture::SetUp();
    irs_l_anun_mode = irs_c_anun_mode = irs_r_anun_mode = 3;
  }
  void SetToken(uint32_t id, double v) { host_.SetToken(id, v); }
  // The smoothed airspeed reads `kt` on every call from now on.
  void SteadyAirspeed(double kt) {
    SetToken(61, kt);
    sim_vars.old = kt;
  }

  std::vector<const gfx::Op*> Ops(gfx::OpKind kind, gfx::ARGB colour) const {
    std::vector<const gfx::Op*> out;
    for (const gfx::Op& op : rec_.ops()) {
      if (op.kind == kind && op.color == colour) out.push_back(&op);
    }
    return out;
  }
  std::span<const gfx::PathPoint> Points(const gfx::Op* op) const { return rec_.PointsOf(*op); }
  const gfx::RecordedText* Text(const std::string& text) const {
    const gfx::Op* op = rec_.FindText(text);
    return op != nullptr ? rec_.TextOf(*op) : nullptr;
  }
  int CountText(const std::string& text) const {
    int n = 0;
    for (const gfx::Op* op : rec_.TextOps()) n += rec_.TextOf(*op)->text == text ? 1 : 0;
    return n;
  }
  // A recorded text's top-left corner at a device position.
  static void ExpectTextAt(const gfx::RecordedText* t, double x, double y, double tol = 0.01) {
    ASSERT_NE(t, nullptr);
    EXPECT_NEAR(t->position.X, x, tol) << t->text;
    EXPECT_NEAR(t->position.Y, y, tol) << t->text;
  }
  gfx::ARGB TextColour(const std::string& text) const {  // 0 when absent
    const gfx::Op* op = rec_.FindText(text);
    return op != nullptr ? op->color : 0u;
  }

  // Runs `paint` on a recording-only surface of w x h pixels.
  const gfx::Recording& Record(double w, double h, const std::function<void(DisplaySurface*, gfx::Graphics*)>& paint) {
    rec_.Reset();
    surface_ = DisplaySurface{static_cast<uint32_t>(w), static_cast<uint32_t>(h)};
    const auto iw = static_cast<int32_t>(w), ih = static_cast<int32_t>(h);
    gauge::DeviceContext dc{nullptr, iw, ih, iw * 4, &rec_};
    gfx::Graphics g(&dc);
    paint(&surface_, &g);
    return rec_;
  }

  gfx::Recording rec_;
  DisplaySurface surface_{};
};

// --- flat-panel PFD: the two frames' device mappings, so that a test names positions in canvas
// units about the attitude centre as the painter does.

inline constexpr gfx::ARGB kPfdWhite = 0xFFDEE6E9u;
inline constexpr gfx::ARGB kPfdGreen = 0xFF00FA00u;
inline constexpr gfx::ARGB kPfdMagenta = 0xFFFF13D5u;
inline constexpr gfx::ARGB kPfdAmber = 0xFFE9B73Eu;
inline constexpr gfx::ARGB kPfdRed = 0xFFFF0000u;

class PfdTest : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    radio_height = 3000.0;  // no radio altitude, decision height or V-speed labels unless a test wants them
  }

  // One paint on a recording-only surface of w x h pixels.
  const gfx::Recording& Paint(int w = 318, int h = 232) {
    if (w > 0 && h > 0) frame_ = PfdFrame::Of(DisplaySurface{static_cast<uint32_t>(w), static_cast<uint32_t>(h)});
    return Record(w, h, DrawFpPfd);
  }

  // Device position of a canvas-frame point, and of a fine-frame one (truncated to fine units).
  double CanvasX(double x) const { return (kPfdCentreX + x) * frame_.sx; }
  double CanvasY(double y) const { return (kPfdCentreY + y) * frame_.sy; }
  double FineX(double x) const { return frame_.k * TruncToI32(x * frame_.fx) + kPfdCentreX * frame_.sx; }
  double FineY(double y) const { return frame_.k * TruncToI32(y * frame_.fy) + kPfdCentreY * frame_.sy; }

  PfdFrame frame_{};
};

// --- EADI: the canvas at device scale, so a painter's point (x, y) about the attitude centre lands
// at (108 + x, 86 + y).

using palette::kAmber;
using palette::kGreen;
using palette::kMagenta;
using palette::kWhite;
inline constexpr gfx::ARGB kEadiSky = 0xFF2875C5u;  // 40, 117, 197

class EadiTest : public DisplayTest {
 protected:
  const gfx::Recording& Paint(DisplayPainter painter) { return Record(217, 173, painter); }

  // Top-left corners of every drawing of `text`, relative to the attitude centre.
  std::vector<gfx::PointF> TextsAt(const std::string& text) const {
    std::vector<gfx::PointF> out;
    for (const gfx::Op* op : rec_.TextOps()) {
      const gfx::RecordedText* t = rec_.TextOf(*op);
      if (t->text == text) out.emplace_back(t->position.X - 108.0f, t->position.Y - 86.0f);
    }
    return out;
  }
  bool TextNear(const std::string& text, double x, double y, double tol = 0.1) const {
    for (const gfx::PointF& p : TextsAt(text)) {
      if (std::abs(p.X - x) <= tol && std::abs(p.Y - y) <= tol) return true;
    }
    return false;
  }
  // A stroke of the colour whose bounds' centre lies within `tol` of (x, y) about the centre.
  const gfx::Op* StrokeCentredAt(gfx::ARGB colour, double x, double y, double tol = 0.15) const {
    for (const gfx::Op* op : Ops(gfx::OpKind::Stroke, colour)) {
      const double cx = op->bounds.X + op->bounds.Width / 2.0 - 108.0;
      const double cy = op->bounds.Y + op->bounds.Height / 2.0 - 86.0;
      if (std::abs(cx - x) <= tol && std::abs(cy - y) <= tol) return op;
    }
    return nullptr;
  }
};

// A text as drawn: its bytes, top-left corner and colour.
struct Shown {
  std::string text;
  double x = 0, y = 0;
  gfx::ARGB colour = 0;
  bool operator==(const Shown&) const = default;
};
inline void PrintTo(const Shown& s, std::ostream* os) { *os << s.text << "@" << s.x << "," << s.y; }

// --- EICAS: powered, painting through the paint entries (device pixels = canvas units).

class EicasTest : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    ac_power = 2;
    redraw_tick = 0;  // every refresh rate paints on slot 0
  }

  void SetTat(double deg_c) { SetToken(350, deg_c / 256.0); }  // the token counts 1/256 degrees
  void PaintUpper() { Paint(PaintUpperEicas, &upper_eicas_surface); }
  void PaintLower() { Paint(PaintLowerEicas, &lower_eicas_surface); }

  std::vector<Shown> Texts() const {
    std::vector<Shown> out;
    for (const gfx::Op* op : rec_.TextOps()) {
      const gfx::RecordedText* t = rec_.TextOf(*op);
      out.push_back({t->text, t->position.X, t->position.Y, op->color});
    }
    return out;
  }
  Shown TextAt(double x, double y) const {  // empty when nothing is drawn there
    for (const Shown& s : Texts()) {
      if (std::fabs(s.x - x) < 0.01 && std::fabs(s.y - y) < 0.01) return s;
    }
    return {};
  }

  // Angle (degrees clockwise from +x) of the white needle of `length` out from (cx, cy); -1 when none.
  double NeedleDeg(double cx, double cy, double length) const {
    for (const gfx::Op& op : rec_.ops()) {
      if (op.kind != gfx::OpKind::Stroke || op.shape != gfx::Shape::Line || op.color != palette::kWhite) continue;
      const auto p = rec_.PointsOf(op);
      const double dx = p[1].x - cx, dy = p[1].y - cy;
      if (std::hypot(p[0].x - cx, p[0].y - cy) > 0.01 || std::fabs(std::hypot(dx, dy) - length) > 0.01) continue;
      const double a = std::atan2(dy, dx) * 180.0 / M_PI;
      return a < -0.001 ? a + 360.0 : a;
    }
    return -1.0;
  }
  gfx::ARGB BoxColour(double x, double y) const {  // of the rectangle stroked at (x, y); 0 when none
    for (const gfx::Op& op : rec_.ops()) {
      if (op.shape == gfx::Shape::Rectangle && std::fabs(op.bounds.X - x) < 1 && std::fabs(op.bounds.Y - y) < 1) {
        return op.color;
      }
    }
    return 0u;
  }

 private:
  void Paint(PaintEntry entry, DisplaySurface* surface) {
    rec_.Reset();
    gauge::DeviceContext dc{nullptr, 250, 213, 250 * 4, &rec_};
    const gauge::PixelSize size{250, 213};
    entry(surface, &dc, &size, kPaintNormal);
  }
};
