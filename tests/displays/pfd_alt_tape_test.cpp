// The altitude tape, its readout and bug, the MCP altitude window, the decision height and the
// radio altitude.
#include <gtest/gtest.h>

#include <string>

#include "displays/pfd_fixture.h"

namespace {

using gfx::OpKind;

struct ReadoutCase {
  double alt_ft;
  const char* text;
};

class PfdAltReadout : public PfdTest, public ::testing::WithParamInterface<ReadoutCase> {};

TEST_P(PfdAltReadout, RoundedToTensWithAtLeastFiveDigits) {
  plane_alt = GetParam().alt_ft;
  Paint();
  EXPECT_TEXT_AT(TextSized(GetParam().text, 13.0), FineX(115), FineY(-7));
}

INSTANTIATE_TEST_SUITE_P(Altitudes, PfdAltReadout,
                         ::testing::Values(ReadoutCase{35000.0, "35000"}, ReadoutCase{123.0, "00120"},
                                           ReadoutCase{-50.0, "-0050"}, ReadoutCase{1234.5, "01230"}));

// Ticks sit a whole number of feet from the aircraft: at 1234.5 ft the 1200 tick is 34 ft down.
TEST_F(PfdTest, AltitudeTicksIgnoreTheFractionOfAFoot) {
  plane_alt = 1234.5;
  Paint();
  EXPECT_TEXT_AT(Text("1200"), FineX(120), FineY(34 * 0.2325 - 5));
  EXPECT_TEXT_AT(Text("1600"), FineX(120), FineY(-366 * 0.2325 - 5));
  EXPECT_TEXT_AT(Text("800"), FineX(120), FineY(434 * 0.2325 - 5));
  EXPECT_EQ(Text("1800"), nullptr);
  EXPECT_EQ(Text("600"), nullptr);
  // Ticks every 100 ft from 800 to 1700.
  int ticks = 0;
  for (const gfx::Op* op : Ops(OpKind::Stroke, kPfdWhite)) {
    const auto p = Points(op);
    if (p.size() == 2 && std::fabs(p[0].x - FineX(108)) < 1e-3 && std::fabs(p[1].x - FineX(118)) < 1e-3) ++ticks;
  }
  EXPECT_EQ(ticks, 10);
}

// Before any selection the window shows -99 and the bug lies far below the scale, hidden by its clip.
TEST_F(PfdTest, UnselectedAltitudeShowsMinus99AndNoVisibleBug) {
  plane_alt = 5000.0;
  Paint();
  EXPECT_EQ(TextColour("-99"), kPfdMagenta);
  EXPECT_TEXT_AT(Text("-99"), CanvasX(110), CanvasY(-110));
  const gfx::Op* bug = nullptr;
  for (const gfx::Op* op : Ops(OpKind::Stroke, kPfdMagenta)) {
    if (Points(op).size() == 6 && std::fabs(Points(op)[0].x - FineX(108)) < 1e-3) bug = op;
  }
  ASSERT_NE(bug, nullptr);
  ASSERT_TRUE(bug->clipped);
  EXPECT_GT(bug->bounds.Y, bug->clip_bounds.GetBottom());
}

struct RadioCase {
  double radio_ft;
  const char* readout;  // null: no readout
};

class PfdRadioAltitude : public PfdTest, public ::testing::WithParamInterface<RadioCase> {};

TEST_P(PfdRadioAltitude, ShownBelow2500InTensAbove10Feet) {
  radio_height = GetParam().radio_ft;
  SetToken(615, 250.0);  // the decision height where `simver` is 9
  Paint();
  if (GetParam().readout == nullptr) {
    EXPECT_EQ(Text("RAD"), nullptr);
    EXPECT_TRUE(TextsIn(-20, 58, 20, 73).empty());
    return;
  }
  EXPECT_TEXT_AT(Text(GetParam().readout), CanvasX(-20), CanvasY(58));
  EXPECT_EQ(TextColour("RAD"), kPfdGreen);
  EXPECT_TEXT_AT(Text("250"), CanvasX(80), CanvasY(90));
}

INSTANTIATE_TEST_SUITE_P(Heights, PfdRadioAltitude,
                         ::testing::Values(RadioCase{2500.0, nullptr}, RadioCase{2499.0, " 2500"},
                                           RadioCase{10.5, "   10"}, RadioCase{10.0, "  10"},
                                           RadioCase{-9.0, "  -9"}));

}  // namespace
