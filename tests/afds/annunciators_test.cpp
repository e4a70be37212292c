#include <gtest/gtest.h>

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

}  // namespace
