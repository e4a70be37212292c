// Test bed of the EICAS pages: a freshly loaded, powered module with the in-process host, painting
// through the paint entries onto recording surfaces of the canvas size (device pixels = canvas units).
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "afds/afds_globals.h"
#include "displays/displays_globals.h"
#include "frame/draw_helpers.h"
#include "frame/paint_entries.h"
#include "frame/tick_globals.h"
#include "support/sim_fixture.h"

// A text as drawn: its bytes, top-left corner and colour.
struct EicasShown {
  std::string text;
  double x = 0, y = 0;
  gfx::ARGB colour = 0;
  bool operator==(const EicasShown&) const = default;
};

class EicasTest : public testing_support::SimFixture {
 protected:
  using Shown = EicasShown;
  void SetUp() override {
    SimFixture::SetUp();
    ac_power = 2;
    redraw_tick = 0;  // every refresh rate paints on slot 0
  }

  void SetToken(uint32_t id, double v) { host_.SetToken(id, v); }
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

  // Angles (degrees clockwise from +x) of the strokes of a colour running out from radius r0 to r1
  // about (cx, cy): the marks drawn along +x at a rotation.
  std::vector<double> MarkAngles(double cx, double cy, double r0, double r1, gfx::ARGB colour = palette::kWhite) const {
    std::vector<double> out;
    for (const gfx::Op& op : rec_.ops()) {
      if (op.kind != gfx::OpKind::Stroke || op.shape != gfx::Shape::Line || op.color != colour) continue;
      const auto p = rec_.PointsOf(op);
      const double dx = p[1].x - cx, dy = p[1].y - cy;
      if (std::fabs(std::hypot(p[0].x - cx, p[0].y - cy) - r0) > 0.01 || std::fabs(std::hypot(dx, dy) - r1) > 0.01) {
        continue;
      }
      const double a = std::atan2(dy, dx) * 180.0 / M_PI;
      out.push_back(a < -0.001 ? a + 360.0 : a);
    }
    return out;
  }
  double NeedleDeg(double cx, double cy, double length) const {  // -1 when there is none
    const std::vector<double> a = MarkAngles(cx, cy, 0.0, length);
    return a.empty() ? -1.0 : a.front();
  }
  gfx::ARGB BoxColour(double x, double y) const {  // of the rectangle stroked at (x, y); 0 when none
    for (const gfx::Op& op : rec_.ops()) {
      if (op.shape == gfx::Shape::Rectangle && std::fabs(op.bounds.X - x) < 1 && std::fabs(op.bounds.Y - y) < 1) {
        return op.color;
      }
    }
    return 0u;
  }
  // Heights of the closed pointers (four-point polylines) whose tip is at x.
  std::vector<double> PointerTipsAt(double x) const {
    std::vector<double> out;
    for (const gfx::Op& op : rec_.ops()) {
      const auto p = rec_.PointsOf(op);
      if (op.shape == gfx::Shape::Lines && p.size() == 4 && std::fabs(p[0].x - x) < 0.01 && p[0].y == p[3].y) {
        out.push_back(p[0].y);
      }
    }
    return out;
  }

  gfx::Recording rec_;

 private:
  void Paint(PaintEntry entry, DisplaySurface* surface) {
    rec_.Reset();
    gauge::DeviceContext dc{nullptr, 250, 213, 250 * 4, &rec_};
    const gauge::PixelSize size{250, 213};
    entry(surface, &dc, &size, kPaintNormal);
  }
};
