#include <gtest/gtest.h>

#include <string>

#include "afds/afds_globals.h"
#include "afds/click_poller.h"
#include "afds/panel_input_globals.h"
#include "displays/displays_globals.h"
#include "frame/frame_globals.h"
#include "frame/tcas_link.h"
#include "nd/nd_globals.h"
#include "panel_input_fixture.h"

namespace {

class AirClicksTest : public PanelInputTest {
 protected:
  void SetUp() override {
    PanelInputTest::SetUp();
    server_phase = 3;
    SetToken(364, 1.0);
  }
  void Dead() {
    ac_power = 0;
    SetToken(364, 0.0);
  }
  void Click(const std::string& name, double value = 1.0) {
    SetNamed(name, value);
    PollClickedVars();
  }
};

TEST_F(AirClicksTest, PackSwitchOffLightsItsResetLightOnlyWithPower) {
  SetNamed("l_pack_reset", -1.0);
  Click("l_pack_switch_clicked");
  EXPECT_EQ(l_pack_switch, 0);
  EXPECT_EQ(l_pack_reset, 0);
  EXPECT_EQ(Named("l_pack_switch"), 0.0);
  EXPECT_EQ(Named("l_pack_reset"), 0.0);
  EXPECT_EQ(sound_event_code, 2);
  Click("l_pack_switch_clicked");
  EXPECT_EQ(l_pack_switch, 1);
  EXPECT_EQ(l_pack_reset, 2);
  EXPECT_EQ(Named("l_pack_reset"), 2.0);
  Dead();
  SetNamed("r_pack_reset", -1.0);
  Click("r_pack_switch_clicked");
  EXPECT_EQ(r_pack_switch, 0);
  EXPECT_EQ(r_pack_reset, 2);
  EXPECT_EQ(Named("r_pack_switch"), 0.0);
  EXPECT_EQ(Named("r_pack_reset"), -1.0);  // the lights are left as they were
}

TEST_F(AirClicksTest, IsolationValveTravelsWithPowerAndJumpsWithout) {
  isol_air_valve_timer = 9;
  Click("isol_air_valve_clicked");
  EXPECT_EQ(isol_air_valve, 1);
  EXPECT_EQ(isol_valve_on_timer, 36);
  EXPECT_EQ(isol_air_valve_timer, 0);
  EXPECT_EQ(sound_event_code, 3);
  Dead();
  isol_air_valve = 0;
  Click("isol_air_valve_clicked");
  EXPECT_EQ(isol_air_valve, 2);
  Click("isol_air_valve_clicked");
  EXPECT_EQ(isol_air_valve, 0);
  EXPECT_EQ(Named("isol_air_valve"), 0.0);
}

struct AntiIceCase {
  int32_t from;
  int32_t to;
  int32_t open_timer;
  int32_t close_timer;
};

class WingAntiIceTest : public AirClicksTest, public ::testing::WithParamInterface<AntiIceCase> {};

TEST_P(WingAntiIceTest, ClickTurnsTheValveRoundWhateverThePower) {
  const AntiIceCase& c = GetParam();
  Dead();
  wing_anti_ice_valve = c.from;
  wing_anti_ice_on_timer = 20;
  wing_anti_ice_timer = 5;
  Click("wing_anti_ice_valve_clicked");
  EXPECT_EQ(wing_anti_ice_valve, c.to);
  EXPECT_EQ(wing_anti_ice_on_timer, c.open_timer);
  EXPECT_EQ(wing_anti_ice_off_timer, c.close_timer);
  EXPECT_EQ(wing_anti_ice_timer, 0);
  EXPECT_EQ(Named("wing_anti_ice_valve"), c.to);
}

INSTANTIATE_TEST_SUITE_P(States, WingAntiIceTest,
                         ::testing::Values(AntiIceCase{0, 1, 36, 0}, AntiIceCase{1, 3, 0, 36}, AntiIceCase{2, 3, 20, 36},
                                           AntiIceCase{3, 3, 20, 0}));

TEST_F(AirClicksTest, EngineAntiIceValvesUseTheirOwnTimers) {
  Click("l_eng_anti_ice_valve_clicked");
  r_eng_anti_ice_valve = 2;
  Click("r_eng_anti_ice_valve_clicked");
  EXPECT_EQ(l_eng_anti_ice_open_timer, 36);
  EXPECT_EQ(r_eng_anti_ice_valve, 3);
  EXPECT_EQ(r_eng_anti_ice_off_timer, 36);
}

// Only the left switch republishes the overhead lights, the other bleed among them.
TEST_F(AirClicksTest, EngineBleedsPublishTheirSwitches) {
  SetNamed("l_eng_bleed", -1.0);
  SetNamed("r_eng_bleed", -1.0);
  l_eng_bleed = 0;
  Click("l_eng_bleed_clicked");
  EXPECT_EQ(l_eng_bleed, 2);
  EXPECT_EQ(Named("l_eng_bleed"), 2.0);
  EXPECT_EQ(Named("r_eng_bleed"), r_eng_bleed);
  SetNamed("l_eng_bleed", -1.0);
  Click("r_eng_bleed_clicked");
  EXPECT_EQ(r_eng_bleed, 0);
  EXPECT_EQ(Named("r_eng_bleed"), 0.0);
  EXPECT_EQ(Named("l_eng_bleed"), -1.0);
  EXPECT_EQ(sound_event_code, 3);
}

struct ApuBleedCase {
  int32_t from;
  int32_t apu_mode;
  bool dead;
  int32_t to;
  int32_t on_timer, off_timer;
};

class ApuBleedTest : public AirClicksTest, public ::testing::WithParamInterface<ApuBleedCase> {};

TEST_P(ApuBleedTest, ValveWaitsForTheApu) {
  const ApuBleedCase& c = GetParam();
  if (c.dead) Dead();
  apu_bleed = c.from;
  apu_mode = c.apu_mode;
  Click("apu_bleed_clicked");
  EXPECT_EQ(apu_bleed, c.to);
  EXPECT_EQ(apu_bleed_on_timer, c.on_timer);
  EXPECT_EQ(apu_bleed_off_timer, c.off_timer);
}

INSTANTIATE_TEST_SUITE_P(States, ApuBleedTest,
                         ::testing::Values(ApuBleedCase{0, 0, false, 1, 0, 0}, ApuBleedCase{0, 2, false, 1, 36, 0},
                                           ApuBleedCase{0, 2, true, 2, 0, 0}, ApuBleedCase{1, 2, false, 0, 0, 0},
                                           ApuBleedCase{2, 2, false, 3, 0, 36}, ApuBleedCase{2, 1, false, 0, 0, 0},
                                           ApuBleedCase{2, 2, true, 0, 0, 0}, ApuBleedCase{3, 2, false, 3, 0, 0}));

// The routines switch on from off, publish and queue their own sound. The yaw dampers come on
// lit (2) because the IRS switched on above are still aligning.
TEST_F(AirClicksTest, IrsKnobsAndYawDampersRunTheirRoutines) {
  const struct {
    const char* click;
    int32_t* state;
    const char* variable;
    int32_t on;
    int32_t sound;
  } rows[] = {{"irs_l_anun_knob_clicked", &irs_l_anun_knob, "irs_l_anun_knob", 1, 2},
              {"irs_c_anun_knob_clicked", &irs_c_anun_knob, "irs_c_anun_knob", 1, 2},
              {"irs_r_anun_knob_clicked", &irs_r_anun_knob, "irs_r_anun_knob", 1, 2},
              {"l_yaw_damper_clicked", &l_yaw_damper_mode, "l_yaw_damper_mode", 2, 3},
              {"r_yaw_damper_clicked", &r_yaw_damper_mode, "r_yaw_damper_mode", 2, 3}};
  for (const auto& r : rows) {
    *r.state = 0;
    sound_event_code = 0;
    Click(r.click);
    EXPECT_EQ(*r.state, r.on) << r.click;
    EXPECT_EQ(Named(r.variable), r.on) << r.click;
    EXPECT_EQ(sound_event_code, r.sound) << r.click;
    EXPECT_EQ(Named(r.click), 0.0) << r.click;
  }
}

struct ThrustModeCase {
  const char* click;
  double on_ground;
  int32_t tmsp;
};

class ThrustModeSelectTest : public AirClicksTest, public ::testing::WithParamInterface<ThrustModeCase> {};

TEST_P(ThrustModeSelectTest, ButtonSelectsItsReferenceMode) {
  tmsp = 0;
  SetToken(60, GetParam().on_ground);
  Click(GetParam().click);
  EXPECT_EQ(tmsp, GetParam().tmsp);
  EXPECT_EQ(sound_event_code, 0);
}

INSTANTIATE_TEST_SUITE_P(Buttons, ThrustModeSelectTest,
                         ::testing::Values(ThrustModeCase{"tmsp_toga_clicked", 1.0, 1},
                                           ThrustModeCase{"tmsp_toga_clicked", 0.0, 2},
                                           ThrustModeCase{"tmsp_clb_clicked", 0.0, 3},
                                           ThrustModeCase{"tmsp_clb1_clicked", 0.0, 4},
                                           ThrustModeCase{"tmsp_clb2_clicked", 0.0, 5},
                                           ThrustModeCase{"tmsp_crz_clicked", 0.0, 6},
                                           ThrustModeCase{"tmsp_con_clicked", 0.0, 7}));

TEST_F(AirClicksTest, ThrustModeRequestsAreLeftForTheUpperEicas) {
  thr_ref_to_req = 0;
  Click("tmsp_toga_clicked");
  Click("tmsp_temp_sel_incr_clicked");
  Click("tmsp_temp_sel_decr_clicked");
  EXPECT_EQ(thr_ref_to_req + to_temp_incr_req + to_temp_decr_req, 3);
}

TEST_F(AirClicksTest, EngineButtonOnTheStatusPageSelectsTheEnginePageThenBlanks) {
  Click("sts_lwr_eicas_clicked");
  EXPECT_EQ(lower_eicas_mode, 2);
  EXPECT_EQ(Named("sts_lwr_eicas"), 2.0);
  SetNamed("sts_lwr_eicas", -1.0);
  Click("eng_lwr_eicas_clicked");
  EXPECT_EQ(lower_eicas_mode, 1);
  Click("eng_lwr_eicas_clicked");
  EXPECT_EQ(lower_eicas_mode, 0);
  EXPECT_EQ(Named("eng_lwr_eicas"), 0.0);
  EXPECT_EQ(Named("sts_lwr_eicas"), -1.0);  // neither button writes the other's variable
}

TEST_F(AirClicksTest, ProbeHeatLightIsRepublishedWhenThePanelShowsOtherwise) {
  probe_heat_anun = 1;
  PollClickedVars();
  EXPECT_EQ(Named("probe_heat_anun"), 1.0);
}

struct RangeCase {
  double value;
  double from_nm;
  double to_nm;
  double position;  // -1: not written
  bool consumed;
};

class EfisRangeSelectorTest : public AirClicksTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(EfisRangeSelectorTest, RangeWrapsAtEitherEnd) {
  const RangeCase& c = GetParam();
  nd_rng_nm = c.from_nm;
  SetNamed("efis_range_switch", -1.0);
  Click("efis_range_switch_clicked", c.value);
  EXPECT_EQ(nd_rng_nm, c.to_nm);
  EXPECT_EQ(Named("efis_range_switch"), c.position);
  EXPECT_EQ(Named("efis_range_switch_clicked"), c.consumed ? 0.0 : c.value);
  EXPECT_EQ(fpnd_rng_nm, 10.0);  // the 3-D selector moves the classic ND only
}

INSTANTIATE_TEST_SUITE_P(Values, EfisRangeSelectorTest,
                         ::testing::Values(RangeCase{2, 320, 10, 0, true}, RangeCase{1, 10, 320, 5, true},
                                           RangeCase{2, 40, 80, 3, true}, RangeCase{1, 160, 80, 3, true},
                                           RangeCase{1, 15, 320, 5, true}, RangeCase{2, 15, 10, 0, true},
                                           RangeCase{3, 40, 40, -1, true}, RangeCase{0.5, 40, 40, -1, false},
                                           RangeCase{-1, 40, 40, -1, false}));

TEST_F(AirClicksTest, ModeSelectorStopsAtItsEndsButConsumesTheClick) {
  SetNamed("efis_mode_switch", -1.0);
  Click("efis_mode_switch_clicked", 1.0);
  EXPECT_EQ(nd_mode, 1);
  EXPECT_EQ(Named("efis_mode_switch"), -1.0);
  EXPECT_EQ(Named("efis_mode_switch_clicked"), 0.0);
  Click("efis_mode_switch_clicked", 2.0);
  EXPECT_EQ(nd_mode, 2);
  EXPECT_EQ(Named("efis_mode_switch"), 1.0);
  EXPECT_EQ(Named("ehsi_mode"), 0.0);  // only the mode and its knob
  Click("efis_mode_switch_clicked", -2.0);
  EXPECT_EQ(Named("efis_mode_switch_clicked"), -2.0);
}

TEST_F(AirClicksTest, TrafficSwitchTogglesTheVariantsOwnDisplayAndReopensTcasAttempts) {
  tcas_flag = 20;
  Click("efis_TFC_switch_clicked");
  EXPECT_EQ(nd_tfc_on, 1);
  EXPECT_EQ(fp_nd_tfc_on, 0);
  EXPECT_EQ(Named("efis_TFC_switch"), 1.0);
  EXPECT_EQ(Named("tcas_knob"), 2.0);
  EXPECT_EQ(tcas_flag, 10);

  panelstatus_init_done = 1;
  int connected = 0;
  tcas_serv = &connected;
  tcas_flag = 21;
  Click("efis_TFC_switch_clicked");
  EXPECT_EQ(fp_nd_tfc_on, 1);
  EXPECT_EQ(nd_tfc_on, 1);
  EXPECT_EQ(tcas_flag, 21);
  tcas_serv = nullptr;
}

}  // namespace
