#include "displays/pfd_symbols.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "displays/pfd_fixture.h"
#include "state/config_globals.h"

namespace {

using gfx::OpKind;

class PfdDirector : public PfdTest {
 protected:
  void SetUp() override {
    PfdTest::SetUp();
    SetToken(792, 1.0);  // flight director on
  }
};

// From 0 toward a target of -25 (command 40 past the bank, limited): 75 steps of 0.33, then the
// remaining 0.25 at once.
TEST_F(PfdDirector, RollBarReachesItsLimitAfter76Paints) {
  fd_bank_cmd = 40.0;
  for (int i = 0; i < 75; ++i) Paint();
  EXPECT_NEAR(fd_roll_bar, -24.75, 1e-9);
  Paint();
  EXPECT_EQ(fd_roll_bar, -25.0);
  Paint();
  EXPECT_EQ(fd_roll_bar, -25.0);
}

// On the ground in the take-off pitch mode the command is held at 8 degrees nose up: with a level
// aircraft the pitch bar settles 24 units above the centre, the roll bar at 0.
TEST_F(PfdDirector, TakeoffOnTheGroundSettlesTheBars) {
  to_pitch_mode = 1;
  to_roll_mode = 1;
  radio_height = 0.0;
  fd_bank_cmd = 20.0;
  fd_roll_bar = 5.0;
  FlightDirectorType = 1;  // crossed bars, whose positions are plain
  for (int i = 0; i < 80; ++i) Paint();
  EXPECT_EQ(fd_pitch_cmd, -8.0);
  EXPECT_EQ(fd_pitch_bar, -8.0);
  EXPECT_EQ(fd_roll_bar, 0.0);
  const auto bars = Ops(OpKind::Stroke, kPfdMagenta);
  ASSERT_GE(bars.size(), 2u);
  const auto roll = Points(bars[0]);
  EXPECT_NEAR(roll[0].x, CanvasX(0), 1e-3);
  EXPECT_NEAR(roll[0].y, CanvasY(-45), 1e-3);
  const auto pitch = Points(bars[1]);
  EXPECT_NEAR(pitch[0].y, CanvasY(-24), 1e-3);
  EXPECT_NEAR(pitch[0].x, CanvasX(-45), 1e-3);
  EXPECT_NEAR(bars[0]->device_pen_width, 2.0, 1e-3);
}

// The V-bar cue turns with the roll bar about the centre: its apex stays on the pitch bar.
TEST_F(PfdDirector, VBarTurnsAboutTheCentre) {
  fd_roll_bar = 90.0;
  fd_bank_cmd = -90.0;  // target +25: the bar steps back from 90 by one step
  fd_pitch_bar = -5.0;
  plane_pitch = 5.0;
  fd_pitch_cmd = 0.0;  // target -5: no move
  Paint();
  ASSERT_EQ(fd_pitch_bar, -5.0);
  const auto v = Ops(OpKind::Stroke, kPfdMagenta);
  ASSERT_GE(v.size(), 1u);
  const auto p = Points(v[0]);
  ASSERT_EQ(p.size(), 13u);
  // The apex (0, -15) turned by 89.67 degrees clockwise lands right of the centre.
  const double rad = (90.0 - 0.33) * 3.141592653589793 / 180.0;
  EXPECT_NEAR(p[0].x, 159.0 + 15.0 * std::sin(rad), 1e-3);
  EXPECT_NEAR(p[0].y, 132.0 - 15.0 * std::cos(rad), 1e-3);
  EXPECT_TRUE(v[0]->clipped);
}

// Hidden, the bars keep their values and continue from them when the director returns.
TEST_F(PfdDirector, HiddenDirectorLeavesTheBarsAlone) {
  fd_bank_cmd = 10.0;
  fd_roll_bar = 3.0;
  fd_pitch_bar = 2.0;
  SetToken(792, 0.0);
  Paint();
  EXPECT_EQ(fd_roll_bar, 3.0);
  EXPECT_EQ(fd_pitch_bar, 2.0);
  for (const gfx::Op* op : Ops(OpKind::Stroke, kPfdMagenta)) EXPECT_NE(Points(op).size(), 13u);
  SetToken(792, 1.0);
  irs_r_anun_mode = 1;
  Paint();
  EXPECT_EQ(fd_roll_bar, 3.0);
  irs_r_anun_mode = 3;
  Paint();
  EXPECT_NEAR(fd_roll_bar, 3.0 - 0.33, 1e-12);
  EXPECT_NEAR(fd_pitch_bar, 2.0 - 0.11, 1e-12);
}

class PfdFpv : public PfdTest {
 protected:
  void SetUp() override {
    PfdTest::SetUp();
    DispFPV = 1;
    ground_speed = 200.0;
    plane_alt = 3000.0;
  }
  // The FPV circle: the only white ellipse of 12 units.
  const gfx::Op* Circle() const {
    for (const gfx::Op* op : Ops(OpKind::Stroke, kPfdWhite)) {
      if (std::fabs(op->bounds.Width - 12.0) < 1e-3 && std::fabs(op->bounds.Height - 12.0) < 1e-3) return op;
    }
    return nullptr;
  }
};

TEST_F(PfdFpv, SitsByTheClimbAngleAndTheDrift) {
  SetToken(65, 1000.0 * 1.30048);  // 1000 ft/min
  drift_angle = 5.0;
  Paint();
  const gfx::Op* c = Circle();
  ASSERT_NE(c, nullptr);
  const int vy = TruncToI32(-(1000.0 * 60.0 / 200.0) / 100.0 * 2.4);  // -7
  EXPECT_NEAR(c->bounds.X, CanvasX(12 - 6), 1e-3);
  EXPECT_NEAR(c->bounds.Y, CanvasY(vy - 6), 1e-3);
}

TEST_F(PfdFpv, NotBelow60KnotsOverTheGround) {
  ground_speed = 60.0;
  Paint();
  EXPECT_EQ(Circle(), nullptr);
  ground_speed = 200.0;
  plane_alt = 0.0;
  Paint();
  EXPECT_EQ(Circle(), nullptr);
  plane_alt = 10.0;
  DispFPV = 0;
  Paint();
  EXPECT_EQ(Circle(), nullptr);
}

// Pinned at its limit it flashes: drawn on redraw ticks 0 to 7 only.
TEST_F(PfdFpv, PinnedAtTheLimitItFlashes) {
  drift_angle = 30.0;
  for (redraw_tick = 0; redraw_tick < 18; ++redraw_tick) {
    Paint();
    const gfx::Op* c = Circle();
    EXPECT_EQ(c != nullptr, redraw_tick < 8) << redraw_tick;
    if (c != nullptr) {
      EXPECT_NEAR(c->bounds.X, CanvasX(65 - 6), 1e-3);
    }
  }
}

class PfdDeviation : public PfdTest {
 protected:
  // The magenta diamonds: filled polygons of four points.
  std::vector<const gfx::Op*> Diamonds() const {
    std::vector<const gfx::Op*> out;
    for (const gfx::Op* op : Ops(OpKind::Fill, kPfdMagenta)) {
      if (Points(op).size() == 4) out.push_back(op);
    }
    return out;
  }
};

TEST_F(PfdDeviation, FullScaleNeedlesPutThePointers50UnitsOut) {
  SetToken(46, 0x40);  // glideslope valid; localizer (bit 0x08 clear) shown
  gsi_needle = 127.0;
  cdi_needle = -127.0;
  Paint();
  const auto d = Diamonds();
  ASSERT_EQ(d.size(), 2u);
  EXPECT_NEAR(Points(d[0])[0].x, CanvasX(87), 1e-3);
  EXPECT_NEAR(Points(d[0])[0].y, CanvasY(50), 1e-3);
  EXPECT_NEAR(Points(d[1])[0].x, CanvasX(-50), 1e-3);
  EXPECT_NEAR(Points(d[1])[0].y, CanvasY(86), 1e-3);
}

TEST_F(PfdDeviation, ScalesFollowTheirReceiverBits) {
  SetToken(46, 0x08);  // localizer scale off, glideslope off
  Paint();
  EXPECT_TRUE(Diamonds().empty());
  SetToken(46, 0x48);
  Paint();
  ASSERT_EQ(Diamonds().size(), 1u);
  EXPECT_NEAR(Points(Diamonds()[0])[0].x, CanvasX(87), 1e-3);
  SetToken(46, 0);
  Paint();
  ASSERT_EQ(Diamonds().size(), 1u);
  EXPECT_NEAR(Points(Diamonds()[0])[0].y, CanvasY(86), 1e-3);
  irs_l_anun_mode = 0;
  Paint();
  EXPECT_TRUE(Diamonds().empty());
}

// A received marker flashes on redraw ticks 0 to 8.
TEST_F(PfdTest, ReceivedMiddleMarkerFlashes) {
  SetToken(354, 2.0);
  for (redraw_tick = 0; redraw_tick < 18; ++redraw_tick) {
    Paint();
    EXPECT_EQ(Text("M") != nullptr, redraw_tick <= 8) << redraw_tick;
    EXPECT_EQ(Text("O"), nullptr);
  }
  redraw_tick = 0;
  Paint();
  EXPECT_EQ(TextColour("M"), kPfdAmber);
  EXPECT_TEXT_AT(Text("M"), CanvasX(60), CanvasY(-77));
}

struct MarkerCase {
  int32_t state;
  const char* letter;
  gfx::ARGB colour;
  double x;
};

class PfdMarker : public PfdTest, public ::testing::WithParamInterface<MarkerCase> {};

// The marker the lights show is drawn steadily, whatever is received, and the state is used up.
TEST_P(PfdMarker, SteadyForTheMarkerStateThenCleared) {
  const MarkerCase& c = GetParam();
  marker_state = c.state;
  SetToken(354, 1.0);
  redraw_tick = 12;
  Paint();
  EXPECT_EQ(TextColour(c.letter), c.colour);
  EXPECT_TEXT_AT(Text(c.letter), CanvasX(c.x), CanvasY(-77));
  EXPECT_EQ(marker_state, 0);
  int letters = 0;
  for (const char* l : {"O", "M", "I"}) letters += Text(l) != nullptr ? 1 : 0;
  EXPECT_EQ(letters, 1);
  Paint();
  EXPECT_EQ(Text(c.letter), nullptr);
}

INSTANTIATE_TEST_SUITE_P(States, PfdMarker,
                         ::testing::Values(MarkerCase{1, "O", kPfdRed, 60}, MarkerCase{2, "M", kPfdAmber, 60},
                                           MarkerCase{3, "I", kPfdWhite, 65}));

}  // namespace
