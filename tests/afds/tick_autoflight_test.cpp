#include "afds/tick_autoflight.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "afds/afds_globals.h"
#include "state/config_globals.h"
#include "support/tick_fixture.h"

namespace {

constexpr uint32_t kSimAltitudeHoldOff = 0x10118;
constexpr uint32_t kSimToga = 0x10110;
constexpr uint32_t kFlapsUp = 0x100DF;
constexpr uint32_t kFlapsDown = 0x100DE;
constexpr uint32_t kDhBelow = 0x10311;
constexpr uint32_t kDhAbove = 0x10312;

class AutoflightTest : public tick_test::TickTest {
 protected:
  // The simulator's autopilot as the previous tick saw it, with no change pending.
  void ApWas(double on) {
    ap_master = on;
    host_.SetToken(103, on);
  }
};

// In lite mode the hold modes stay.
TEST_F(AutoflightTest, AutopilotSwitchedOffDisconnectsAndDropsTheModes) {
  for (int32_t lite : {0, 1}) {
    lite_mode = lite;
    ApWas(1.0);
    lnav = vnav = alt_hold_mode = vs_hold_mode = hdg_hold_mode = hdg_sel_mode = 1;
    apleft = apright = 1;
    ap_cmd = fma_roll_box_timer = fma_pitch_box_timer = 100;
    apdisc_bar_timer = 0;
    host_.SetToken(103, 0.0);
    RunTicks(1);
    // The disconnect: channels off, the disconnect bar down for three seconds.
    EXPECT_EQ(std::tuple(apleft + apcenter + apright, apdisc_bar_timer, lnav + vnav), std::tuple(0, 3, 0));
    EXPECT_EQ(std::tuple(alt_hold_mode + hdg_sel_mode, ap_cmd + fma_roll_box_timer), std::tuple(2 * lite, 0)) << lite;
  }
}

// The simulator's autopilot switched on with no channel engaged engages the left one above 400 ft
// radio height or in lite mode; lower, the engagement is only noted as a low one.
TEST_F(AutoflightTest, AutopilotSwitchedOnEngagesTheLeftChannelAbove400Ft) {
  for (const auto& [ra_ft, lite, left, low] :
       {std::tuple{401.0, 0, 1, 0}, std::tuple{400.0, 0, 0, 1}, std::tuple{300.0, 1, 1, 0}}) {
    ApWas(0.0);
    std::tie(lite_mode, apleft, ap_engage_low_ra) = std::tuple(lite, 0, 0);
    host_.SetNamed("apleft", 0.0);
    SetRadioHeightFt(ra_ft);
    host_.SetToken(103, 1.0);
    RunTicks(1);
    EXPECT_EQ(std::tuple(apleft, host_.Named("apleft"), ap_engage_low_ra), std::tuple(left, left * 1.0, low))
        << ra_ft << lite;
  }
}

TEST_F(AutoflightTest, TogaOnTheGroundArmsTheTakeoffModes) {
  host_.SetToken(60, 1.0);
  host_.SetToken(792, 1.0);
  RunTicks(1);
  EXPECT_EQ(std::tuple(KeyEvents(kSimToga), to_roll_mode + to_pitch_mode, ap_cmd), std::tuple(1, 2, 180));

  // With the autopilot off, switching the flight director off clears the modes it showed, LNAV and
  // VNAV among them.
  hdg_hold_mode = lnav = vnav = vnav_armed = 1;
  startup_phase = 0;
  host_.SetToken(792, 0.0);
  RunTicks(1);
  EXPECT_EQ(KeyEvents(kSimAltitudeHoldOff), 1);
  EXPECT_EQ(to_roll_mode + to_pitch_mode + ap_cmd + hdg_hold_mode + lnav + vnav + vnav_armed, 0);
  EXPECT_EQ(host_.Named("vnav"), 0.0);
}

struct TakeoffEndCase {
  double radio_height_ft;
  int32_t* mode;
  int32_t roll_after, pitch_after;
};

void PrintTo(const TakeoffEndCase& c, std::ostream* os) {
  *os << (c.mode == &lnav ? "LNAV" : "VNAV") << " at " << c.radio_height_ft << " ft";
}

class TakeoffModesEnd : public AutoflightTest, public ::testing::WithParamInterface<TakeoffEndCase> {};

TEST_P(TakeoffModesEnd, WhenTheCrewEngagesAModeOfThatAxisAirborne) {
  const TakeoffEndCase& c = GetParam();
  tok792_flag = 1.0;
  host_.SetToken(792, 1.0);
  to_roll_mode = to_pitch_mode = *c.mode = 1;
  SetRadioHeightFt(c.radio_height_ft);
  RunTicks(1);
  EXPECT_EQ(std::tuple(to_roll_mode, to_pitch_mode), std::tuple(c.roll_after, c.pitch_after));
}

// LNAV, VNAV, and LNAV on the runway.
INSTANTIATE_TEST_SUITE_P(Cases, TakeoffModesEnd,
                         ::testing::Values(TakeoffEndCase{50.0, &lnav, 0, 1}, TakeoffEndCase{50.0, &vnav, 1, 0},
                                           TakeoffEndCase{5.0, &lnav, 1, 1}));

// (altitude above the selected one, captured)
class VsCapture : public AutoflightTest, public ::testing::WithParamInterface<std::pair<double, int>> {};

TEST_P(VsCapture, CapturesTheSelectedAltitudeStrictlyWithin35Ft) {
  SetRadioHeightFt(5000.0);
  ApWas(1.0);
  std::tie(vs_hold_mode, alt_sel_num) = std::tuple(1, 10000);
  const auto [above_ft, captures] = GetParam();
  SetAltitudeFt(10000.0 + above_ft);
  RunTicks(1);
  EXPECT_EQ(std::tuple(alt_hold_mode, vs_hold_mode), std::tuple(captures, 1 - captures));
  EXPECT_EQ(KeyEventValues(0x1024C), captures == 1 ? std::vector<int32_t>{10000} : std::vector<int32_t>{});
}

INSTANTIATE_TEST_SUITE_P(Cases, VsCapture,
                         ::testing::Values(std::pair{-34.0, 1}, std::pair{0.0, 0}, std::pair{35.0, 0}));

TEST_F(AutoflightTest, FlapsThirtyAbovePlacardGoUpUntilSlowedDown) {
  host_.SetToken(907, 30.0);
  SetIasKt(170.0);
  RunTicks(3);
  EXPECT_EQ(std::tuple(KeyEvents(kFlapsUp), flap30_latch), std::tuple(3, 1));

  SetIasKt(150.0);
  RunTicks(3);
  EXPECT_EQ(std::tuple(KeyEvents(kFlapsDown), flap30_latch, KeyEvents(kFlapsUp)), std::tuple(1, 0, 3));
}

struct DhCase {
  const char* label;
  std::vector<double> readings;  // one per tick, the last repeated
  int below_events;
  int above_events;
};

void PrintTo(const DhCase& c, std::ostream* os) { *os << c.label; }

class DecisionHeight : public AutoflightTest, public ::testing::WithParamInterface<DhCase> {};

TEST_P(DecisionHeight, IsSteppedTo200FtAndThenLeftAlone) {
  const DhCase& c = GetParam();
  for (double dh : c.readings) {
    host_.SetToken(615, dh);
    RunTicks(1);
  }
  RunTicks(5);
  EXPECT_EQ(std::tuple(dh_set_done, KeyEvents(kDhBelow)), std::tuple(1, c.below_events));
  EXPECT_EQ(KeyEvents(kDhAbove), c.above_events);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecisionHeight,
    // A reading that jumps across 200 ft ends the setting without another event.
    ::testing::Values(DhCase{"WithinHalfAFoot", {200.4}, 0, 0}, DhCase{"StepsAcrossDownwards", {210.0, 190.0}, 0, 1}),
    [](const auto& info) { return std::string(info.param.label); });

// A simulator that never reports 200 ft gets no events after the 1000th.
TEST_F(AutoflightTest, DecisionHeightThatNeverMovesStopsAfter1000Events) {
  host_.SetToken(615, 0.0);
  RunTicks(1005);
  EXPECT_EQ(std::tuple(KeyEvents(kDhBelow), dh_set_done), std::tuple(1000, 1));
}

}  // namespace
