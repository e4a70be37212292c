#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>

#include "gfx_test_surface.h"
#include "platform/gfx/gfx.h"

namespace {

using gfx_test::TestSurface;

constexpr uint32_t kGreen = 0xFF00FA00;
constexpr uint32_t kMagenta = 0xFFFF13D5;

TEST(GfxTransform, CallsComposeInPrependOrder) {
  // Scale, translate, rotate: a point is rotated first, then translated, then scaled.
  TestSurface s(100, 100);
  gfx::Graphics g(s.dc());
  g.ScaleTransform(2.0f, 2.0f);
  g.TranslateTransform(10.0f, 0.0f);
  g.RotateTransform(90.0f);
  gfx::SolidBrush green{gfx::Color(kGreen)};
  // World (5, 0) -> rotated (0, 5) -> translated (10, 5) -> scaled (20, 10).
  ASSERT_EQ(g.FillRectangle(&green, 4.0f, -1.0f, 2.0f, 2.0f), gfx::Ok);

  const gfx::Op& op = s.recording().ops().back();
  EXPECT_EQ(op.kind, gfx::OpKind::Fill);
  EXPECT_NEAR(op.bounds.X + op.bounds.Width / 2, 20.0f, 1e-4);
  EXPECT_NEAR(op.bounds.Y + op.bounds.Height / 2, 10.0f, 1e-4);
  EXPECT_EQ(s.At(20, 10), kGreen);
  EXPECT_EQ(s.At(10, 20), 0u);  // where the other order would have put it
}

// Each operation on a matrix that scales by (2, 3) and moves by (5, 7): prepended it acts first,
// appended last; quarter turns are exact.
TEST(GfxMatrix, OperationsComposeInTheirOrderAndQuarterTurnsAreExact) {
  const gfx::Matrix by2(2, 0, 0, 2, 1, 1);
  const struct {
    const char* what;
    std::function<gfx::Status(gfx::Matrix&)> op;
    std::array<gfx::REAL, 6> after;
  } cases[] = {
      {"rotate 360", [](gfx::Matrix& m) { return m.Rotate(360.0f); }, {2, 0, 0, 3, 5, 7}},
      {"rotate -450", [](gfx::Matrix& m) { return m.Rotate(-450.0f); }, {0, -3, 2, 0, 5, 7}},
      {"rotate 30", [](gfx::Matrix& m) { return m.Rotate(30.0f); },
       {static_cast<gfx::REAL>(std::sqrt(3.0)), 1.5f, -1, static_cast<gfx::REAL>(1.5 * std::sqrt(3.0)), 5, 7}},
      {"translate first", [](gfx::Matrix& m) { return m.Translate(1, 2); }, {2, 0, 0, 3, 7, 13}},
      {"multiply last", [&](gfx::Matrix& m) { return m.Multiply(&by2, gfx::MatrixOrderAppend); }, {4, 0, 0, 6, 11, 15}},
      {"multiply by nothing", [](gfx::Matrix& m) { return m.Multiply(nullptr) == gfx::InvalidParameter ? gfx::Ok
                                                                                                    : gfx::GenericError; },
       {2, 0, 0, 3, 5, 7}},
  };
  for (const auto& c : cases) {
    gfx::Matrix m(2, 0, 0, 3, 5, 7);
    EXPECT_EQ(c.op(m), gfx::Ok) << c.what;
    std::array<gfx::REAL, 6> e{};
    m.GetElements(e.data());
    for (int i = 0; i < 6; ++i) EXPECT_FLOAT_EQ(e[i], c.after[i]) << c.what << " " << i;  // 0 is 0
  }
}

TEST(GfxTransform, DegenerateScaleDrawsNothingAndKeepsTheSurfaceUsable) {
  TestSurface s(40, 40);
  gfx::Graphics g(s.dc());
  gfx::SolidBrush green{gfx::Color(kGreen)};
  gfx::Pen pen(gfx::Color(kGreen), 2.0f);
  gfx::Font font("Arial", 12.0f, gfx::FontStyleRegular, gfx::UnitPixel);
  g.ScaleTransform(0.0f, 0.0f);
  g.DrawLine(&pen, 0, 0, 10, 10);
  g.DrawString("X", -1, &font, gfx::PointF(1.0f, 1.0f), &green);
  EXPECT_FALSE(s.AnyInk().any);
  g.ResetTransform();
  g.FillRectangle(&green, 5, 5, 10, 10);
  EXPECT_EQ(s.At(10, 10), kGreen);
}

TEST(GfxClip, ClipStaysFixedInDeviceSpaceWhenTheTransformChanges) {
  TestSurface s(60, 60);
  gfx::Graphics g(s.dc());
  g.ScaleTransform(2.0f, 2.0f);
  g.SetClip(gfx::RectF(0.0f, 0.0f, 10.0f, 10.0f));  // device 0..20
  g.ResetTransform();
  g.TranslateTransform(5.0f, 5.0f);
  gfx::SolidBrush green{gfx::Color(kGreen)};
  g.FillRectangle(&green, -5, -5, 60, 60);

  const gfx::Op& op = s.recording().ops().back();
  EXPECT_TRUE(op.clipped);
  EXPECT_FLOAT_EQ(op.clip_bounds.X, 0.0f);
  EXPECT_FLOAT_EQ(op.clip_bounds.GetRight(), 20.0f);
  EXPECT_FLOAT_EQ(op.clip_bounds.GetBottom(), 20.0f);
  EXPECT_EQ(s.At(0, 0), kGreen);
  EXPECT_EQ(s.At(19, 19), kGreen);
  EXPECT_EQ(s.At(20, 19), 0u);
  EXPECT_EQ(s.At(30, 30), 0u);
}

TEST(GfxClip, CombineModesShapeTheDrawableArea) {
  TestSurface s(40, 40);
  gfx::Graphics g(s.dc());
  g.SetClip(gfx::Rect(0, 0, 30, 30));
  g.SetClip(gfx::Rect(10, 10, 30, 30), gfx::CombineModeIntersect);  // 10..30
  g.ExcludeClip(gfx::Rect(15, 15, 5, 5));                            // hole 15..20
  gfx::SolidBrush green{gfx::Color(kGreen)};
  g.FillRectangle(&green, 0, 0, 40, 40);
  EXPECT_EQ(s.At(5, 5), 0u);
  EXPECT_EQ(s.At(12, 12), kGreen);
  EXPECT_EQ(s.At(17, 17), 0u);
  EXPECT_EQ(s.At(29, 29), kGreen);
  EXPECT_EQ(s.At(31, 31), 0u);
  EXPECT_EQ(g.SetClip(gfx::Rect(0, 0, 5, 5), gfx::CombineModeUnion), gfx::NotImplemented);
  EXPECT_EQ(g.GetLastStatus(), gfx::NotImplemented);
  EXPECT_EQ(g.GetLastStatus(), gfx::Ok);

  g.ResetClip();
  g.FillRectangle(&green, 0, 0, 40, 40);
  EXPECT_EQ(s.At(5, 5), kGreen);
  EXPECT_FALSE(s.recording().ops().back().clipped);
}

TEST(GfxClip, PathClipOfArcsAndLinesLimitsTheFill) {
  // A rounded rectangle as the attitude painters build it: arcs joined by straight edges.
  TestSurface s(100, 100);
  gfx::Graphics g(s.dc());
  gfx::GraphicsPath path;
  path.AddArc(10, 10, 30, 30, 180.0f, 90.0f);
  path.AddArc(60, 10, 30, 30, 270.0f, 90.0f);
  path.AddArc(60, 60, 30, 30, 0.0f, 90.0f);
  path.AddArc(10, 60, 30, 30, 90.0f, 90.0f);
  path.CloseFigure();
  g.SetClip(&path);
  gfx::SolidBrush green{gfx::Color(kGreen)};
  g.FillRectangle(&green, 0, 0, 100, 100);
  EXPECT_EQ(s.At(50, 50), kGreen);
  EXPECT_EQ(s.At(50, 11), kGreen);   // straight top edge
  EXPECT_EQ(s.At(11, 11), 0u);       // rounded corner
  EXPECT_EQ(s.At(5, 50), 0u);
}

TEST(GfxPen, WidthIsInWorldUnitsAndScalesWithTheTransform) {
  TestSurface s(100, 100);
  gfx::Graphics g(s.dc());
  g.ScaleTransform(3.0f, 3.0f);
  gfx::Pen pen(gfx::Color(kMagenta), 2.0f);
  g.DrawLine(&pen, 2, 10, 30, 10);  // device y 30, 6 px wide: rows 27..32

  const gfx::Op& op = s.recording().ops().back();
  EXPECT_FLOAT_EQ(op.pen_width, 2.0f);
  EXPECT_FLOAT_EQ(op.device_pen_width, 6.0f);
  for (int y = 27; y <= 32; ++y) EXPECT_EQ(s.At(50, y), kMagenta) << "row " << y;
  EXPECT_EQ(s.At(50, 25), 0u);
  EXPECT_EQ(s.At(50, 34), 0u);
}

TEST(GfxPen, NonUniformScaleStretchesThePen) {
  TestSurface s(100, 100);
  gfx::Graphics g(s.dc());
  g.ScaleTransform(1.0f, 4.0f);
  gfx::Pen pen(gfx::Color(kGreen), 2.0f);
  g.DrawLine(&pen, 10, 10, 90, 10);  // horizontal: 8 device rows, 36..43
  g.DrawLine(&pen, 50, 15, 50, 24);  // vertical: 2 device columns, 49..50
  EXPECT_EQ(s.At(30, 36), kGreen);
  EXPECT_EQ(s.At(30, 43), kGreen);
  EXPECT_EQ(s.At(30, 45), 0u);
  EXPECT_EQ(s.At(49, 80), kGreen);
  EXPECT_EQ(s.At(50, 80), kGreen);
  EXPECT_EQ(s.At(52, 80), 0u);
}

TEST(GfxPen, HairlinesDrawOnePixel) {
  TestSurface s(40, 40);
  gfx::Graphics g(s.dc());
  g.ScaleTransform(0.25f, 0.25f);
  gfx::Pen thin(gfx::Color(kGreen), 1.0f);  // a quarter pixel after the transform
  g.DrawLine(&thin, 0, 40, 160, 40);         // device row 10
  EXPECT_EQ(s.At(20, 10), kGreen);
  EXPECT_EQ(s.At(20, 9), 0u);
  EXPECT_EQ(s.At(20, 11), 0u);
}

}  // namespace

namespace {

// Primitives wholly outside the clip change no pixel and are still recorded; a sharp corner just
// outside the clip's box whose miter reaches into it is still drawn.
TEST(GfxClip, WhollyClippedPrimitivesLeaveThePixelsButNotTheRecording) {
  TestSurface s(40, 40);
  gfx::Graphics g(s.dc());
  g.SetClip(gfx::RectF(10, 10, 20, 20));
  gfx::Pen pen(gfx::Color(kMagenta), 1.0f);
  gfx::SolidBrush green{gfx::Color(kGreen)};
  g.DrawLine(&pen, 0, 2, 39, 2);
  g.FillRectangle(&green, 32.0f, 0.0f, 8.0f, 40.0f);
  EXPECT_FALSE(s.AnyInk().any);
  EXPECT_EQ(s.recording().ops().size(), 3u);  // the clip and the two primitives

  gfx::Pen wide(gfx::Color(kMagenta), 4.0f);
  // A corner of 12.8 degrees 10 px left of the clip: its miter (9 pen widths long, within the limit
  // of 10) reaches 8 px into it.
  const gfx::PointF corner[] = {gfx::PointF(-40, 15.5f), gfx::PointF(0, 20), gfx::PointF(-40, 24.5f)};
  g.DrawLines(&wide, corner, 3);
  const gfx_test::Ink ink = s.AnyInk();
  ASSERT_TRUE(ink.any);
  EXPECT_GE(ink.x1, 15);
}

// Visibility questions in world units, through the transform and the clip; a recording that sees
// everything says yes to all.
TEST(GfxClip, VisibilityFollowsTheClipAndTheTransform) {
  TestSurface s(100, 100);
  gfx::Graphics g(s.dc());
  g.SetClip(gfx::RectF(20, 20, 40, 40));
  g.TranslateTransform(50.0f, 50.0f);
  g.ScaleTransform(2.0f, 2.0f);
  EXPECT_TRUE(g.IsVisible(gfx::RectF(0, 0, 1, 1)));        // device 50..52
  EXPECT_FALSE(g.IsVisible(gfx::RectF(6, 6, 2, 2)));       // device 62..66
  EXPECT_TRUE(g.IsVisible(gfx::RectF(-20, -20, 6, 6)));    // device 10..22
  gfx::RectF seen;
  ASSERT_EQ(g.GetVisibleClipBounds(&seen), gfx::Ok);
  EXPECT_FLOAT_EQ(seen.X, -15.0f);
  EXPECT_FLOAT_EQ(seen.GetRight(), 5.0f);
  g.ResetClip();
  EXPECT_TRUE(g.IsVisible(gfx::RectF(6, 6, 2, 2)));
  EXPECT_FALSE(g.IsVisible(gfx::RectF(30, 0, 1, 1)));     // device 110: off the surface

  TestSurface all(100, 100, false, true);
  all.recording().set_sees_everything(true);
  gfx::Graphics g2(all.dc());
  g2.SetClip(gfx::RectF(0, 0, 10, 10));
  EXPECT_TRUE(g2.IsVisible(gfx::RectF(500, 500, 1, 1)));
  ASSERT_EQ(g2.GetVisibleClipBounds(&seen), gfx::Ok);
  EXPECT_GT(seen.Width, 1e20f);
}

}  // namespace
