#include "module/tmsp_eicas_flch_gauges.h"

#include <gtest/gtest.h>

#include <vector>

#include "afds/afds_globals.h"
#include "displays/displays_globals.h"
#include "module/panel_fixture.h"
#include "module/panel_gauge_globals.h"
#include "module/radio_stack_gauge.h"
#include "sim/tick_globals.h"
#include "sim/tick_span.h"
#include "state/aircraft_id_globals.h"

namespace {

class FlchGaugeTest : public PanelGaugeTest {
 protected:
  void SetUp() override {
    PanelGaugeTest::SetUp();
    flch_gauge_ = Create("FLCH");
    SpendTick();
  }
  // A frame that brings a tick: the gauge steps once a tick.
  void PreUpdate() {
    RecordRun(1);
    Send(flch_gauge_, gauge::kPreUpdate);
  }
  std::vector<int> Lamps() { return Shown(flch_gauge_, 1, 2); }

  simhost::GaugeInstance* flch_gauge_ = nullptr;
};

// The temperature buttons ask the painter for a step with a click; the radio stack's lamp buttons
// send their own events and flip their lamps.
TEST_F(FlchGaugeTest, PanelButtonsRequestClickAndSend) {
  PressTmspTempUp();
  PressTmspTempDown();
  EXPECT_EQ(to_temp_incr_req + to_temp_decr_req, 2);
  EXPECT_EQ(sound_event_code, 2);
  const size_t sent = host().key_events().size();
  PressRadioBtn1();
  PressRadioBtn2();
  ASSERT_EQ(host().key_events().size(), sent + 2);
  EXPECT_EQ(host().key_events()[sent].event_id, 0x10344u);
  EXPECT_EQ(host().key_events()[sent].value, 0);
  EXPECT_EQ(host().key_events()[sent + 1].event_id, 0x1038Cu);
  EXPECT_EQ(radio_btn1_lamp + radio_btn2_lamp, 2);
}

// Switching airframes while FLCH is lit darkens the other airframe's lamp.
TEST_F(FlchGaugeTest, LampOfTheAirframeFollowsFlch) {
  flch = 1;
  PreUpdate();
  EXPECT_EQ(Lamps(), std::vector<int>{1});
  aircraft_model = "757 - 300";
  PreUpdate();
  EXPECT_EQ(Lamps(), std::vector<int>{2});
  flch = 0;
  PreUpdate();
  EXPECT_EQ(Lamps(), std::vector<int>{});
}

TEST_F(FlchGaugeTest, OnlyEngagedFlchFollowsTheMcpSpeedBugOfTheWindowsUnit) {
  ap_spdbug = 240.0;
  PreUpdate();
  EXPECT_EQ(target_ias, 0.0);
  flch = 1;
  redraw_tick = 5;
  ap_spdbug = 250.0;
  ap_mach_bug = 0.78;
  target_mach = 0.70;
  PreUpdate();
  EXPECT_EQ(target_ias, 250.0);
  EXPECT_EQ(target_mach, 0.0);  // the IAS window's speed is flown, no Mach left from before
  host().SetNamed("SPEED MODE SELECT", 1.0);  // read on every pass, not only on slot 0
  ap_spdbug = 260.0;
  PreUpdate();
  EXPECT_EQ(speed_mode_select, 1);
  EXPECT_EQ(target_mach, 0.78);
  EXPECT_EQ(target_ias, 250.0);
}

}  // namespace
