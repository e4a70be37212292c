// The upper EICAS (engine dials with the thrust-reference state the painter keeps, alert lists,
// memo, TAT and reversers) and the lower EICAS pages (secondary engines and status).
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "afds/afds_globals.h"
#include "afds/systems_globals.h"
#include "displays/display_fixtures.h"
#include "fmc/engine_epr.h"
#include "fmc/fmc_globals.h"
#include "fmc/thrust_limits.h"
#include "sim/sim_globals.h"
#include "sim/tick_span.h"
#include "state/aircraft_id_globals.h"
#include "state/config_globals.h"

namespace {

class UpperEicasEngines : public EicasTest {
 protected:
  void SetUp() override {
    EicasTest::SetUp();
    InitThrustLimitTables();
    FillN1EprTables();
    thr_ref_to_req = 0;  // its load value asks the first paint for the take-off reference
  }
};

// The automatic switches: TO becomes CLB above the acceleration height from 500 ft/min up. With flaps
// out, below 2500 ft radio, above 100 kt and sinking faster than 200 ft/min, CLB becomes G/A once, with
// the reference recomputed and, under VNAV, 0x101F4 sent with VNAV's vertical speed. The switching row
// comes last, so that no latch it might leave hides a wrong switch of the others. Under V/S the
// switch sends nothing: the autopilot's vertical speed is the crew's.
TEST_F(UpperEicasEngines, AutomaticSwitchesClimbAndGoAround) {
  accel_ht = 1000;
  radio_height = 1001.0;
  for (const auto& [vs_fpm, mode] : {std::pair{499.0, 1}, {500.0, 3}}) {
    vert_speed = vs_fpm;
    PaintUpper();
    EXPECT_EQ(tmsp, mode) << vs_fpm;
  }
  EXPECT_TRUE(host_.key_events().empty());
  vnav_tgt_vs = -1800;
  vnav = 1;
  for (const auto& [radio_ft, ias_kt, vs_fpm, switches] :
       {std::tuple{2500.0, 150.0, -700.0, false}, {1000.0, 100.0, -700.0, false}, {1000.0, 150.0, -200.0, false},
        {1000.0, 150.0, -700.0, true}}) {
    tmsp = 3;
    std::tie(flap_angle, ias, radio_height, vert_speed) = std::tuple(20.0, ias_kt, radio_ft, vs_fpm);
    thr_limit_refresh_cnt = 1;  // no periodic refresh
    epr_bug = epr_bug_2 = 9.99;
    PaintUpper();
    PaintUpper();
    EXPECT_EQ(tmsp, switches ? 2 : 3) << radio_ft << " " << ias_kt << " " << vs_fpm;
    ASSERT_EQ(host_.key_events().size(), switches ? 1u : 0u);
    EXPECT_DOUBLE_EQ(epr_bug, switches ? GetThrustLimitEpr(0.0) : 9.99);
    EXPECT_DOUBLE_EQ(epr_bug_2, epr_bug);
  }
  EXPECT_EQ(host_.key_events()[0].event_id, 0x101F4u);
  EXPECT_EQ(host_.key_events()[0].value, -1800);
  std::tie(vnav, vs_hold_mode, tmsp) = std::tuple(0, 1, 3);
  PaintUpper();
  EXPECT_EQ(tmsp, 2);
  EXPECT_EQ(host_.key_events().size(), 1u);
}

// A raise from below the measured 15 C starts from it; raises stop at 71, lowering stops at the
// measured value and acts outside TO only together with a raise. Each request acts once.
TEST_F(UpperEicasEngines, AssumedTemperatureStepsOncePerRequest) {
  SetTat(15.0);
  for (const auto& [mode, incr, decr, before, after] :
       {std::tuple{3, 1, 0, 10.0, 17.0}, {1, 1, 0, 70.5, 71.0}, {1, 0, 1, 15.5, 15.0}, {3, 0, 1, 40.0, 40.0},
        {3, 1, 1, 40.0, 39.0}}) {
    tmsp = mode;
    to_epr_temp_sel = before;
    to_temp_incr_req = incr;
    to_temp_decr_req = decr;
    PaintUpper();
    PaintUpper();
    EXPECT_DOUBLE_EQ(to_epr_temp_sel, after) << mode << incr << decr << before;
  }
}

TEST_F(UpperEicasEngines, ReferenceLineAndItsRefreshes) {
  SetTat(15.0);
  to_epr_temp_sel = 40.0;
  thr_ref_to_req = 1;
  PaintUpper();
  const double takeoff_ref = epr_bug;
  EXPECT_DOUBLE_EQ(takeoff_ref, GetThrustLimitEpr(40.0));
  EXPECT_EQ(TextAt(166, 8).text + TextAt(174, 8).text, "D-TO");
  to_epr_temp_sel = 15.5;  // within half a degree of the measured temperature: no derate
  tmsp = 3;                // and the climb reference is refreshed on every 541st paint of a tick
  thr_limit_refresh_cnt = 540;
  RecordRun(1);
  PaintUpper();
  EXPECT_FALSE(rec_.HasText("D-"));
  EXPECT_EQ(epr_bug, takeoff_ref);
  RecordRun(1);
  PaintUpper();
  EXPECT_DOUBLE_EQ(epr_bug, GetThrustLimitEpr(0.0));
  EXPECT_EQ(TextAt(174, 8).text, "CLB");
}

class UpperEicasText : public EicasTest {
 protected:
  static void Fill(EicasMessage* rows, int32_t* count, int32_t n, const char* prefix) {
    for (int32_t i = 1; i <= n; ++i) rows[i] = {prefix + std::to_string(i), 0};
    *count = n;
  }
  std::vector<Shown> Lines(double y0 = 0, double y1 = 130) const {  // texts left of the TAT, between y0 and y1
    std::vector<Shown> out;
    for (const Shown& s : Texts()) {
      if (s.x < 100 && s.y >= y0 && s.y < y1) out.push_back(s);
    }
    return out;
  }
  bool Cue() const { return TextAt(0, 137).text == "        PAGE 1"; }
};

TEST_F(UpperEicasText, ListsInOrderWithoutGapsForInhibitedRows) {
  Fill(warning_msgs, &warning_msg_count, 1, "W");
  Fill(caution_msgs, &caution_msg_count, 3, "C");
  Fill(advisory_msgs, &advisory_msg_count, 1, "A");
  caution_msgs[2].inhibit = 1;
  PaintUpper();
  EXPECT_EQ(Lines(), (std::vector<Shown>{{"W1", 0, 7, palette::kRed},
                                         {"C1", 0, 20, palette::kAmber},
                                         {"C3", 0, 33, palette::kAmber},
                                         {"A1", 7, 46, palette::kAmber}}));
}

TEST_F(UpperEicasText, TwelveWarningsFillTenLinesAndCueOnlyForAWaitingCaution) {
  Fill(warning_msgs, &warning_msg_count, 12, "W");
  PaintUpper();
  ASSERT_EQ(Lines().size(), 10u);
  EXPECT_EQ(Lines().back().y, 124.0);
  EXPECT_FALSE(Cue());
  Fill(caution_msgs, &caution_msg_count, 1, "C");
  PaintUpper();
  EXPECT_TRUE(Cue());
}

// The memo shows below seven messages, its lines coloured by the checklist state: title,
// speedbrakes, gear, flaps.
TEST_F(UpperEicasText, LandingMemoBelowSevenMessagesColouredByState) {
  constexpr gfx::ARGB W = palette::kWhite, G = palette::kGreen, Y = palette::kYellow;
  DisplayLdgChkLst = 1;
  ldg_flaps = 30;
  for (const auto& [messages, state, expected] :
       {std::tuple{6, 5, std::vector{W, G, Y, W}}, {0, 9, std::vector{G, G, G, G}}, {7, 5, std::vector<gfx::ARGB>{}},
        {0, 0, std::vector<gfx::ARGB>{}}}) {
    ldg_checklist_mode = state;
    Fill(caution_msgs, &caution_msg_count, messages, "C");
    PaintUpper();
    std::vector<gfx::ARGB> colours;
    for (const Shown& s : Lines(140, 213)) colours.push_back(s.colour);
    EXPECT_EQ(colours, expected) << messages << " " << state;
    EXPECT_EQ(TextAt(0, 180).text, colours.empty() ? "" : "FLAPS 30");
  }
}

using LowerEicas = EicasTest;

// Only the exact PW2043 variant has no third spool: its fuel flow takes the N3 row.
TEST_F(LowerEicas, OnlyPw2043DropsTheN3Row) {
  for (const auto& [engine, ff_y] : {std::pair{"PW2043", 130.0}, {"PW2037", 200.0}}) {
    engine_type = engine;
    PaintLower();
    EXPECT_EQ(TextAt(165, ff_y).text, "FF") << engine;
  }
}

// "(LM)" marks lite mode where the configuration asks for it.
TEST_F(LowerEicas, LiteModeMark) {
  for (const auto& [shown, lite, mark] : {std::tuple{1, 1, true}, {1, 0, false}, {0, 1, false}}) {
    std::tie(ShowLiteModeStatus, lite_mode) = std::tuple(shown, lite);
    PaintLower();
    EXPECT_EQ(rec_.HasText("(LM)"), mark) << shown << lite;
  }
}

// A white box from 109.6 is red, the readout red from 110; the needle parks at 210 degrees.
TEST_F(LowerEicas, N2BoxReadoutAndNeedle) {
  constexpr gfx::ARGB W = palette::kWhite, R = palette::kRed;
  for (const auto& [n2, box, text, needle_deg] : {std::tuple{109.5, W, W, 109.5 / 110 * 210}, {109.6, R, W, 109.6 / 110 * 210},
                                                  {110.0, R, R, 210.0}, {120.0, R, R, 210.0}}) {
    SetToken(627, n2);
    PaintLower();
    EXPECT_EQ(BoxColour(138, 18), box) << n2;
    EXPECT_EQ(TextAt(138, 21).colour, text) << n2;
    EXPECT_NEAR(NeedleDeg(138, 38, 28), needle_deg, 0.01) << n2;
  }
}

}  // namespace
