#include <gtest/gtest.h>

#include "gfx_test_surface.h"
#include "platform/gfx/gfx.h"

namespace {

using gfx_test::TestSurface;

constexpr uint32_t kGreen = 0xFF00FA00;
constexpr uint32_t kWhite = 0xFFDEE6E9;

TEST(GfxClear, TransparentColourClearsEveryPixel) {
  TestSurface s(20, 20);
  gfx::Graphics g(s.dc());
  g.Clear(gfx::Color(kWhite));
  EXPECT_EQ(s.At(10, 10), kWhite);
  g.Clear(gfx::Color(0x00000000u));
  EXPECT_FALSE(s.AnyInk().any);
  // Alpha 0 with a colour (the standby display's clear) is transparent too.
  g.Clear(gfx::Color(kWhite));
  g.Clear(gfx::Color(0x0072BD61u));
  EXPECT_FALSE(s.AnyInk().any);
  EXPECT_EQ(s.recording().ops().back().kind, gfx::OpKind::Clear);
  EXPECT_EQ(s.recording().ops().back().color, 0x0072BD61u);
}

struct PieCase {
  float start;
  float sweep;
  int inside_x, inside_y;    // a pixel the pie covers
  int outside_x, outside_y;  // one it must not
};

void PrintTo(const PieCase& c, std::ostream* os) { *os << "start " << c.start << ", sweep " << c.sweep; }

class GfxPieDirection : public ::testing::TestWithParam<PieCase> {};

// Angles run clockwise on the screen from the +x axis (y grows downwards).
TEST_P(GfxPieDirection, SweepsClockwiseOnScreen) {
  const PieCase c = GetParam();
  TestSurface s(100, 100);
  gfx::Graphics g(s.dc());
  gfx::SolidBrush green{gfx::Color(kGreen)};
  ASSERT_EQ(g.FillPie(&green, 0, 0, 100, 100, c.start, c.sweep), gfx::Ok);
  EXPECT_EQ(s.At(c.inside_x, c.inside_y), kGreen);
  EXPECT_EQ(s.At(c.outside_x, c.outside_y), 0u);
}

INSTANTIATE_TEST_SUITE_P(Quadrants, GfxPieDirection,
                         ::testing::Values(PieCase{0, 90, 70, 70, 70, 30},       // lower right
                                           PieCase{0, -90, 70, 30, 70, 70},      // upper right
                                           PieCase{-90, 180, 70, 50, 30, 50}));  // right half

// Arc angles run clockwise on the screen; on an ellipse the angle names the direction from the
// centre (the 45-degree point of a 200 x 100 ellipse lies on the diagonal).
TEST(GfxArc, ArcPointsFollowTheScreenAngle) {
  TestSurface s(200, 100, false, true);
  gfx::Graphics g(s.dc());
  gfx::Pen pen(gfx::Color(kGreen), 1.0f);
  g.DrawArc(&pen, 0, 0, 100, 100, 90.0f, 90.0f);
  const auto pts = s.recording().PointsOf(s.recording().ops().back());
  ASSERT_FALSE(pts.empty());
  EXPECT_NEAR(pts.front().x, 50.0, 1e-6);  // 90 degrees: straight down
  EXPECT_NEAR(pts.front().y, 100.0, 1e-6);
  EXPECT_NEAR(pts.back().x, 0.0, 1e-6);    // 180 degrees: left
  EXPECT_NEAR(pts.back().y, 50.0, 1e-6);
  g.DrawArc(&pen, 0, 0, 200, 100, 45.0f, 10.0f);
  const auto ell = s.recording().PointsOf(s.recording().ops().back());
  EXPECT_NEAR(ell.front().x - 100.0, ell.front().y - 50.0, 1e-6);
  gfx::GraphicsPath once, twice;  // a sweep beyond a full turn is a full turn
  once.AddArc(0.0f, 0.0f, 100.0f, 100.0f, 0.0f, 360.0f);
  twice.AddArc(0.0f, 0.0f, 100.0f, 100.0f, 0.0f, 720.0f);
  EXPECT_EQ(twice.GetPointCount(), once.GetPointCount());
}

TEST(GfxPath, LinesAddedToAnOpenFigureJoinIt) {
  gfx::GraphicsPath path;
  path.AddLine(0, 0, 10, 0);
  path.AddLine(20, 10, 20, 20);  // joined: 10,0 -> 20,10
  path.AddRectangle(gfx::RectF(50, 50, 5, 5));
  path.AddLine(30, 30, 40, 40);  // a rectangle closes its figure: this starts a new one
  const auto& pts = path.data().points();
  ASSERT_EQ(pts.size(), 10u);
  EXPECT_EQ(pts[2].type, gfx::PathPointTypeLine);
  EXPECT_EQ(pts[4].type, gfx::PathPointTypeStart);
  EXPECT_EQ(pts[7].type & gfx::PathPointTypeCloseSubpath, gfx::PathPointTypeCloseSubpath);
  EXPECT_EQ(pts[8].type, gfx::PathPointTypeStart);
}

TEST(GfxPolygon, AlternateFillLeavesTheOverlapOfTwoFiguresEmpty) {
  TestSurface s(60, 60);
  gfx::Graphics g(s.dc());
  gfx::SolidBrush green{gfx::Color(kGreen)};
  gfx::GraphicsPath path;
  path.AddRectangle(gfx::RectF(0, 0, 40, 40));
  path.AddRectangle(gfx::RectF(20, 20, 40, 40));
  g.FillPath(&green, &path);
  EXPECT_EQ(s.At(10, 10), kGreen);
  EXPECT_EQ(s.At(30, 30), 0u);
  path.SetFillMode(gfx::FillModeWinding);
  g.FillPath(&green, &path);
  EXPECT_EQ(s.At(30, 30), kGreen);
}

TEST(GfxStatus, BadArgumentsFailAndAreKeptAsTheLastStatus) {
  TestSurface s(20, 20);
  gfx::Graphics g(s.dc());
  gfx::Pen pen(gfx::Color(kGreen), 1.0f);
  const gfx::PointF one[] = {{1, 1}};
  const gfx::PointF five[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}};
  EXPECT_EQ(g.DrawLine(nullptr, 0, 0, 1, 1), gfx::InvalidParameter);
  EXPECT_EQ(g.DrawLines(&pen, one, 1), gfx::InvalidParameter);
  EXPECT_EQ(g.DrawBeziers(&pen, five, 5), gfx::InvalidParameter);
  EXPECT_EQ(g.GetLastStatus(), gfx::InvalidParameter);
  EXPECT_EQ(g.GetLastStatus(), gfx::Ok);
  EXPECT_TRUE(s.recording().ops().empty());
  // A path refuses missing or too few points and keeps what it had.
  gfx::GraphicsPath path;
  const gfx::Point two[] = {{0, 0}, {4, 0}};
  EXPECT_EQ(path.AddLines(one, 0), gfx::InvalidParameter);
  EXPECT_EQ(path.AddLines(static_cast<const gfx::Point*>(nullptr), 2), gfx::InvalidParameter);
  EXPECT_EQ(path.AddBeziers(five, 5), gfx::InvalidParameter);
  EXPECT_EQ(path.AddPolygon(five, 2), gfx::InvalidParameter);
  EXPECT_EQ(path.AddPolygon(two, 2), gfx::InvalidParameter);
  EXPECT_EQ(path.GetPointCount(), 0);
  EXPECT_EQ(path.AddPolygon(five, 3), gfx::Ok);
  EXPECT_EQ(path.AddLines(two, 2), gfx::Ok);
  EXPECT_EQ(path.AddBeziers(five, 4), gfx::Ok);
  EXPECT_EQ(path.GetPointCount(), 9);
  gfx::Matrix m;
  gfx::PointF p(1, 2);
  EXPECT_EQ(m.GetElements(nullptr), gfx::InvalidParameter);
  EXPECT_EQ(m.TransformPoints(nullptr, 1), gfx::InvalidParameter);
  EXPECT_EQ(m.TransformPoints(&p, 1), gfx::Ok);
}

TEST(GfxStatus, NonFiniteOrHugeCoordinatesDrawNothing) {
  TestSurface s(20, 20);
  gfx::Graphics g(s.dc());
  gfx::Pen pen(gfx::Color(kGreen), 1.0f);
  g.ScaleTransform(1e30f, 1e30f);
  EXPECT_EQ(g.DrawLine(&pen, 0.0f, 0.0f, 1.0f, 1.0f), gfx::ValueOverflow);
  EXPECT_TRUE(s.recording().ops().empty());
  EXPECT_FALSE(s.AnyInk().any);
}

TEST(GfxStatus, DeviceContextWithoutSurfaceGivesAFailingGraphics) {
  gfx::Graphics none(static_cast<gauge::DeviceContext*>(nullptr));
  gfx::SolidBrush green{gfx::Color(kGreen)};
  EXPECT_EQ(none.FillRectangle(&green, 0, 0, 1, 1), gfx::InvalidParameter);
  gauge::DeviceContext empty{nullptr, 10, 10, 40, nullptr};
  gfx::Graphics g(&empty);
  EXPECT_EQ(g.Clear(gfx::Color(0u)), gfx::InvalidParameter);
  EXPECT_EQ(g.ResetTransform(), gfx::InvalidParameter);
  EXPECT_EQ(g.SetTextRenderingHint(gfx::TextRenderingHintAntiAlias), gfx::InvalidParameter);
  uint32_t px[4] = {};
  gauge::DeviceContext bad_stride{px, 4, 1, 8, nullptr};  // stride shorter than a row
  gfx::Graphics g2(&bad_stride);
  EXPECT_EQ(g2.Clear(gfx::Color(kGreen)), gfx::InvalidParameter);
  EXPECT_EQ(px[3], 0u);
}

}  // namespace
