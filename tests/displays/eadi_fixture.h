// Test bed of the EADI painters: a freshly loaded module with the in-process host, the IRSs aligned,
// and a recording surface the size of the EADI canvas, so that device points are canvas units
// (a painter's point (x, y) about the attitude centre lands at (108 + x, 86 + y)).
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "afds/afds_globals.h"
#include "displays/displays_globals.h"
#include "frame/display_surface.h"
#include "frame/draw_helpers.h"
#include "frame/sim_access.h"
#include "frame/tick_globals.h"
#include "platform/gfx/gfx.h"
#include "support/sim_fixture.h"

using palette::kAmber;
using palette::kBlack;
using palette::kGreen;
using palette::kMagenta;
using palette::kWhite;
inline constexpr gfx::ARGB kEadiSky = 0xFF2875C5u;  // 40, 117, 197

class EadiTest : public testing_support::SimFixture {
 protected:
  void SetUp() override {
    SimFixture::SetUp();
    irs_l_anun_mode = irs_c_anun_mode = irs_r_anun_mode = 3;
  }

  const gfx::Recording& Paint(DisplayPainter painter) {
    rec_.Reset();
    DisplaySurface surface{217, 173};
    gauge::DeviceContext dc{nullptr, 217, 173, 217 * 4, &rec_};
    gfx::Graphics g(&dc);
    painter(&surface, &g);
    return rec_;
  }

  // The smoothed airspeed reads `kt` on every call from now on.
  void SteadyAirspeed(double kt) {
    host_.SetToken(61, kt);
    sim_vars.old = kt;
  }

  std::vector<const gfx::Op*> Ops(gfx::OpKind kind, gfx::ARGB colour) const {
    std::vector<const gfx::Op*> out;
    for (const gfx::Op& op : rec_.ops()) {
      if (op.kind == kind && op.color == colour) out.push_back(&op);
    }
    return out;
  }
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

  gfx::Recording rec_;
};
