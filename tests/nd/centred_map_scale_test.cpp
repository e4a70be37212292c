#include <gtest/gtest.h>

#include <cmath>

#include "nd/map_fixture.h"
#include "nd/map_frame.h"

namespace {

// Flying south up the centred MAP at 80 NM: a waypoint 40 NM ahead lies level with the "40" mark
// across the track line, one 80 NM ahead on the compass ring's edge, 90 units from the aircraft.
TEST_F(LayerTest, CentredMapRingMarkAndMapAgree) {
  SetRoute(1);
  SetLeg(fms_fpln_act, 2, "HALF", 40.0);
  SetLeg(fms_fpln_act, 3, "FULL", 80.0);
  fp_cnt = 3;
  nd_rng_nm = 80.0;
  ctr_mode = 1;
  Record(kNdCanvas, DrawNdMap);
  int marks = 0;
  for (const gfx::Op* op : Strokes(kWhiteInk, gfx::Shape::Line)) {
    const auto p = rec().PointsOf(*op);
    marks += std::hypot(p[0].x - 102.0, p[0].y - 81.0) < 0.01 && std::hypot(p[1].x - 112.0, p[1].y - 81.0) < 0.01;
  }
  EXPECT_EQ(marks, 1);
  ExpectTextAt("40", gfx::PointF(107.0f - 6.0f - 16.0f, 81.0f - 7.0f));
  ExpectTextAt("HALF", gfx::PointF(114.0f, 81.0f - 7.0f), 0.6);
  ExpectTextAt("FULL", gfx::PointF(114.0f, 126.0f - 90.0f - 7.0f), 0.6);
  // The map is cut at the ring: nothing of it reaches past the selected range.
  const gfx::Op* full = rec().FindText("FULL");
  ASSERT_NE(full, nullptr);
  ASSERT_TRUE(full->clipped);
  const gfx::RectF& clip = full->clip_bounds;
  EXPECT_NEAR(clip.X, 107.0 - 90.0, 0.5);
  EXPECT_NEAR(clip.Y, 126.0 - 90.0, 0.5);
  EXPECT_NEAR(clip.Width, 180.0, 0.5);
  EXPECT_NEAR(clip.Height, 180.0, 0.5);
}

}  // namespace
