#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "afds/annunciators.h"
#include "afds/setup_sequences.h"
#include "systems_fixture.h"

namespace {

class AnnunciatorWriterTest : public systems_test::SystemsFixture {
 protected:
  void SetUp() override {
    SystemsFixture::SetUp();
    startup_phase = 0;
  }
  std::vector<uint8_t> HydFailureBytes() const {
    std::vector<uint8_t> v;
    for (const auto& w : host_.fsuipc().WritesTo(0x32F8)) v.push_back(w.bytes.at(0));
    return v;
  }
};

TEST_F(AnnunciatorWriterTest, YawDamperSwitchGivesBothDampersTheNewMode) {
  const struct {
    int32_t keyed;
    bool battery;
    int32_t ac;
    bool aligned;  // once aligned, the rest stay so
    int32_t after;
  } rows[] = {{0, true, 1, false, 2}, {1, true, 5, true, 3}, {2, false, 0, true, 0}};
  for (const auto& c : rows) {
    std::tie(l_yaw_damper_mode, r_yaw_damper_mode) = std::tuple(c.keyed, 9);
    SetBattery(c.battery);
    ac_power = c.ac;
    if (c.aligned) irs_l_anun_mode = irs_c_anun_mode = irs_r_anun_mode = 3;
    SyncYawDampers2();
    EXPECT_EQ(std::tuple(l_yaw_damper_mode, r_yaw_damper_mode), std::tuple(c.after, c.after)) << c.keyed;
  }
}

TEST_F(AnnunciatorWriterTest, HydraulicFailureLatchesLeftThenCentreAndRight) {
  l_hyd_press = c_hyd_press = r_hyd_press = 100;
  UpdateHydPressVals();
  EXPECT_EQ(hyd_fail_l_sent, 1);
  UpdateHydPressVals();
  EXPECT_EQ(hyd_fail_c_sent + hyd_fail_r_sent, 2);
  UpdateHydPressVals();  // all latched: nothing more
  EXPECT_EQ(HydFailureBytes(), (std::vector<uint8_t>{1, 6, 7}));
  l_hyd_press = 2600;
  UpdateHydPressVals();
  EXPECT_EQ(hyd_fail_l_sent + hyd_fail_c_sent, 0);
  EXPECT_EQ(HydFailureBytes(), (std::vector<uint8_t>{1, 6, 7, 0, 0, 0}));
}

// The marker lamps through whole SERVER frames, on a dead aircraft with the standby power switch on
// and no marker received. The runs return the lit lamp of each marker pass they make (every third
// frame): O, M, I, or - for none.
class MarkerLampTest : public systems_test::SystemsFixture {
 protected:
  void SetUp() override {
    SystemsFixture::SetUp();
    ac_power = 0;
    stdby_power_switch = 1;
    RunToPhase0();  // the standby attitude at rest
  }
  std::string Frame() {
    RunFrames(1);
    if (server_phase % 3 != 0) return "";
    if (Named("outer_marker") == 1.0) return "O";
    if (Named("middle_marker") == 1.0) return "M";
    return Named("inner_marker") == 1.0 ? "I" : "-";
  }
  std::string LampPasses(size_t passes) {
    std::string lamps;
    for (int i = 0; i < 100 && lamps.size() < passes; ++i) lamps += Frame();
    return lamps;
  }
  // The battery switched, up to the electrical pass that acts on it.
  std::string Battery(bool on) {
    SetBattery(on);
    std::string lamps = Frame();
    for (int i = 0; i < 18 && server_phase != 0; ++i) lamps += Frame();
    return lamps;
  }
  // The standby power switch clicked, up to the poller pass that takes the click.
  std::string ClickStandbyPower() {
    host_.SetNamed("stdby_power_switch_clicked", 1.0);
    std::string lamps = Frame();
    for (int i = 0; i < 3 && Named("stdby_power_switch_clicked") != 0.0; ++i) lamps += Frame();
    return lamps;
  }
};

// Each erection, from power-up or from the standby power switch, runs the lamp test from the outer
// lamp, wherever the last one was cut off.
TEST_F(MarkerLampTest, EachErectionStartsTheCycleAtTheOuterLamp) {
  EXPECT_EQ(Battery(true), "------");  // power-up from nothing on standby
  EXPECT_EQ(LampPasses(5), "OMI-O");
  EXPECT_EQ(Battery(false), "M");  // standby power lost: the attitude topples
  EXPECT_EQ(LampPasses(2), "--");
  EXPECT_EQ(Battery(true), "----");
  EXPECT_EQ(LampPasses(2), "OM");
  EXPECT_EQ(ClickStandbyPower(), "I");  // off
  EXPECT_EQ(std::tuple(stdby_att_erecting, LampPasses(2)), std::tuple(0, "--"));
  EXPECT_EQ(ClickStandbyPower(), "-");  // on
  EXPECT_EQ(LampPasses(5), "OMI-O");
}

class SetUpSequenceTest : public AnnunciatorWriterTest {};

TEST_F(SetUpSequenceTest, StartUpWaitsForTheIrsThenCompletesAtOnce) {
  std::tie(beg_start_button, irs_r_align_count) = std::tuple(1, 100);
  ProcOverheadClicksB();
  EXPECT_EQ(std::tuple(Named("irs_l_anun_knob_clicked"), Named("apu_switch_clicked")), std::tuple(1.0, 0.0));
  EXPECT_EQ(beg_start_button, 1);
  EXPECT_EQ(KeyEvents(0x102C1), 1);  // the battery is switched on first
  SetBattery(true);
  host_.SetNamed("irs_l_anun_knob_clicked", 0.0);
  irs_l_anun_knob = irs_c_anun_knob = irs_r_anun_knob = 1;
  irs_r_align_count = 0;
  ProcOverheadClicksB();
  EXPECT_EQ(Named("irs_l_anun_knob_clicked"), 0.0);
  EXPECT_EQ(Named("apu_switch_clicked") + Named("l_yaw_damper_clicked"), 2.0);
  EXPECT_EQ(Named("l_pack_switch_clicked"), 0.0);  // the packs are on at load
  EXPECT_EQ(std::tuple(isol_air_valve, KeyEvents(0x102C1) + KeyEvents(0x102B0), beg_start_button), std::tuple(2, 2, 2));
}

// However the crew left them, the shut-down leaves both yaw dampers off (below 2) once the poller
// has taken its clicks, the IRS knobs' among them.
TEST_F(SetUpSequenceTest, ShutDownLeavesBothYawDampersOff) {
  QuietAircraft();
  const struct {
    int32_t left, right, irs_knob;
  } rows[] = {{3, 3, 1}, {1, 1, 1}, {2, 2, 1}, {2, 2, 0}, {2, 1, 0}, {0, 3, 1}};
  for (const auto& c : rows) {
    std::tie(l_yaw_damper_mode, r_yaw_damper_mode) = std::tuple(c.left, c.right);
    irs_l_anun_knob = irs_c_anun_knob = irs_r_anun_knob = c.irs_knob;
    OverheadClickA();
    RunFrames(3);
    EXPECT_LT(std::max(l_yaw_damper_mode, r_yaw_damper_mode), 2) << c.left << c.right << c.irs_knob;
  }
}

}  // namespace
