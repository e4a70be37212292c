// Test bed of the flat-panel PFD: a freshly loaded module with the in-process host, the IRSs
// aligned, and a recording surface of the gauge's size, with the two frames' device mappings so that
// a test names positions in canvas units about the attitude centre as the painter does.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "afds/afds_globals.h"
#include "displays/displays_globals.h"
#include "displays/pfd_frame.h"
#include "frame/int_conversion.h"
#include "frame/tick_globals.h"
#include "platform/gfx/gfx.h"
#include "support/sim_fixture.h"

inline constexpr gfx::ARGB kPfdWhite = 0xFFDEE6E9u;
inline constexpr gfx::ARGB kPfdGreen = 0xFF00FA00u;
inline constexpr gfx::ARGB kPfdMagenta = 0xFFFF13D5u;
inline constexpr gfx::ARGB kPfdAmber = 0xFFE9B73Eu;
inline constexpr gfx::ARGB kPfdRed = 0xFFFF0000u;

class PfdTest : public testing_support::SimFixture {
 protected:
  void SetUp() override {
    SimFixture::SetUp();
    irs_l_anun_mode = irs_c_anun_mode = irs_r_anun_mode = 3;
    radio_height = 3000.0;  // no radio altitude, decision height or V-speed labels unless a test wants them
  }

  void SetToken(uint32_t id, double v) { host_.SetToken(id, v); }

  // One paint on a recording-only surface of w x h pixels.
  const gfx::Recording& Paint(int w = 318, int h = 232) {
    rec_.Reset();
    surface_ = DisplaySurface{static_cast<uint32_t>(w), static_cast<uint32_t>(h)};
    if (w > 0 && h > 0) frame_ = PfdFrame::Of(surface_);
    gauge::DeviceContext dc{nullptr, w, h, w * 4, &rec_};
    gfx::Graphics g(&dc);
    DrawFpPfd(&surface_, &g);
    return rec_;
  }

  // Device position of a canvas-frame point, and of a fine-frame one (truncated to fine units).
  double CanvasX(double x) const { return (kPfdCentreX + x) * frame_.sx; }
  double CanvasY(double y) const { return (kPfdCentreY + y) * frame_.sy; }
  double FineX(double x) const { return frame_.k * TruncToI32(x * frame_.fx) + kPfdCentreX * frame_.sx; }
  double FineY(double y) const { return frame_.k * TruncToI32(y * frame_.fy) + kPfdCentreY * frame_.sy; }

  std::vector<const gfx::Op*> Ops(gfx::OpKind kind, gfx::ARGB colour) const {
    std::vector<const gfx::Op*> out;
    for (const gfx::Op& op : rec_.ops()) {
      if (op.kind == kind && op.color == colour) out.push_back(&op);
    }
    return out;
  }
  int CountText(const std::string& text) const {
    int n = 0;
    for (const gfx::Op* op : rec_.TextOps()) n += rec_.TextOf(*op)->text == text ? 1 : 0;
    return n;
  }
  const gfx::RecordedText* Text(const std::string& text) const {
    const gfx::Op* op = rec_.FindText(text);
    return op != nullptr ? rec_.TextOf(*op) : nullptr;
  }
  // The first text of that font size (device pixels): a readout apart from the scale label it covers.
  const gfx::RecordedText* TextSized(const std::string& text, double em) const {
    for (const gfx::Op* op : rec_.TextOps()) {
      const gfx::RecordedText* t = rec_.TextOf(*op);
      if (t->text == text && std::fabs(t->device_em_size - em) < 1e-3) return t;
    }
    return nullptr;
  }
  // Colour of the first text op with that text; 0 when absent.
  gfx::ARGB TextColour(const std::string& text) const {
    const gfx::Op* op = rec_.FindText(text);
    return op != nullptr ? op->color : 0u;
  }
  // Every text whose top-left lies within the canvas-frame box.
  std::vector<std::string> TextsIn(double x0, double y0, double x1, double y1) const {
    std::vector<std::string> out;
    const gfx::RectF r(static_cast<float>(CanvasX(x0)), static_cast<float>(CanvasY(y0)),
                       static_cast<float>(CanvasX(x1) - CanvasX(x0)), static_cast<float>(CanvasY(y1) - CanvasY(y0)));
    for (const gfx::RecordedText* t : rec_.TextsInside(r)) out.push_back(t->text);
    return out;
  }
  std::span<const gfx::PathPoint> Points(const gfx::Op* op) const { return rec_.PointsOf(*op); }

  gfx::Recording rec_;
  DisplaySurface surface_{};
  PfdFrame frame_{};
};

// Expects a recorded text at a device position (within a hundredth of a pixel).
#define EXPECT_TEXT_AT(fixture_text, x, y)        \
  do {                                            \
    const gfx::RecordedText* t_ = (fixture_text); \
    ASSERT_NE(t_, nullptr);                       \
    EXPECT_NEAR(t_->position.X, (x), 0.01);       \
    EXPECT_NEAR(t_->position.Y, (y), 0.01);       \
  } while (0)
