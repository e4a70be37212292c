#include "displays/pfd_symbols.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "base/geodesy.h"
#include "displays/display_fixtures.h"
#include "state/config_globals.h"

namespace {

using gfx::OpKind;

// Hidden, or with an IRS out of alignment, the bars keep their values and continue from them.
TEST_F(PfdTest, HiddenDirectorLeavesTheBarsAlone) {
  fd_bank_cmd = 10.0;
  fd_roll_bar = 3.0;
  fd_pitch_bar = 2.0;
  Paint();
  for (const gfx::Op* op : Ops(OpKind::Stroke, kPfdMagenta)) EXPECT_NE(Points(op).size(), 13u);  // no V-bar
  SetToken(792, 1.0);
  irs_r_anun_mode = 1;
  Paint();
  EXPECT_EQ(fd_roll_bar, 3.0);
  EXPECT_EQ(fd_pitch_bar, 2.0);
  irs_r_anun_mode = 3;
  Paint();
  EXPECT_NEAR(fd_roll_bar, 3.0 - 0.33, 1e-12);
  EXPECT_NEAR(fd_pitch_bar, 2.0 - 0.11, 1e-12);
}

// The FPV circle sits by the path angle and the drift; pinned at its limit of 65 it flashes on
// redraw ticks 0 to 7. Not below 60 kt over the ground, on the ground or switched off.
TEST_F(PfdTest, FlightPathVector) {
  const auto circle = [&]() -> const gfx::Op* {  // the only white ellipse of 12 units
    for (const gfx::Op* op : Ops(OpKind::Stroke, kPfdWhite)) {
      if (std::fabs(op->bounds.Width - 12.0) < 1e-3 && std::fabs(op->bounds.Height - 12.0) < 1e-3) return op;
    }
    return nullptr;
  };
  DispFPV = 1;
  ground_speed = 200.0;
  plane_alt = 3000.0;
  SetToken(65, 1000.0 * 1.30048);  // 1000 ft/min: 2.83 degrees up
  drift_angle = 5.0;
  Paint();
  ASSERT_NE(circle(), nullptr);
  EXPECT_NEAR(circle()->bounds.Y, CanvasY(-8 - 6), 1e-3);
  drift_angle = 30.0;  // the track 30 degrees left of the nose
  redraw_tick = 7;
  Paint();
  ASSERT_NE(circle(), nullptr);
  EXPECT_NEAR(circle()->bounds.X, CanvasX(-65 - 6), 1e-3);
  redraw_tick = 8;
  Paint();
  EXPECT_EQ(circle(), nullptr);
  redraw_tick = 0;
  // Where the aircraft goes on the ladder's own scale (3 units a degree): the path angle above the
  // horizon, the track beside the nose, turned with the ladder by the bank. Pitch up, path, drift,
  // bank; where the ladder shows that direction.
  for (const auto& [pitch, path, drift, bank, x, y] :
       {std::tuple{5.0, 0.0, 0.0, 0.0, 0.0, 15.0}, {0.0, -3.0, 0.0, 0.0, 0.0, 9.0}, {2.5, -3.0, 0.0, 0.0, 0.0, 16.5},
        {0.0, 2.0, 4.0, 0.0, -12.0, -6.0}, {5.0, 0.0, 0.0, 20.0, -15.0 * std::sin(0.349066), 15.0 * std::cos(0.349066)}}) {
    SCOPED_TRACE(testing::Message() << pitch << " " << path << " " << drift << " " << bank);
    std::tie(plane_pitch, plane_bank, drift_angle) = std::tuple(-pitch, bank, drift);
    SetToken(65, std::tan(path * kDegToRad) * ground_speed * 6076.12 / 60.0 * 1.30048);
    Paint();
    ASSERT_NE(circle(), nullptr);
    EXPECT_NEAR(circle()->bounds.X + 6.0, CanvasX(x), 1.0);  // whole units, toward the centre
    EXPECT_NEAR(circle()->bounds.Y + 6.0, CanvasY(y), 1.0);
  }
  for (const auto& [gs, alt, on] : {std::tuple{60.0, 3000.0, 1}, {200.0, 0.0, 1}, {200.0, 10.0, 0}}) {
    std::tie(ground_speed, plane_alt, DispFPV) = std::tuple(gs, alt, on);
    Paint();
    EXPECT_EQ(circle(), nullptr) << gs << " " << alt << " " << on;
  }
}

// Bit 0x08 of token 46 hides the localizer scale, bit 0x40 alone shows the glideslope one.
TEST_F(PfdTest, DeviationScalesFollowTheReceiverBits) {
  const auto diamonds = [&] {  // filled magenta polygons of four points
    std::vector<const gfx::Op*> out;
    for (const gfx::Op* op : Ops(OpKind::Fill, kPfdMagenta)) {
      if (Points(op).size() == 4) out.push_back(op);
    }
    return out;
  };
  SetToken(46, 0x40);
  Paint();
  ASSERT_EQ(diamonds().size(), 2u);
  for (const auto& [bits, shown] : {std::pair{0x08, 0u}, {0x48, 1u}, {0x00, 1u}}) {
    SetToken(46, bits);
    Paint();
    EXPECT_EQ(diamonds().size(), shown) << bits;
  }
}

// A received marker flashes on redraw ticks 0 to 8; the marker the lights show is drawn steadily
// instead, whatever is received, and its state is used up.
TEST_F(PfdTest, MarkersFlashWhenReceivedAndShowSteadilyFromTheLights) {
  SetToken(354, 2.0);
  for (const auto& [tick, shown] : {std::pair{8, true}, {9, false}}) {
    redraw_tick = tick;
    Paint();
    EXPECT_EQ(Text("M") != nullptr, shown) << tick;
    EXPECT_EQ(Text("O"), nullptr);
  }
  for (const auto& [state, letter] : {std::pair{1, "O"}, {3, "I"}}) {
    marker_state = state;
    Paint();
    EXPECT_NE(Text(letter), nullptr);
    EXPECT_EQ(CountText("O") + CountText("M") + CountText("I"), 1);
    EXPECT_EQ(marker_state, 0);
    Paint();
    EXPECT_EQ(Text(letter), nullptr);
  }
}

}  // namespace
