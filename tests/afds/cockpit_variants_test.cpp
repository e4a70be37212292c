// Knobs, buttons and switches under the configuration and cockpit variants: the MCP windows kept in
// step with the autopilot, the 3-D thrust-mode buttons, an engine start put back with the older
// simulator's starter and the TFC switch of each cockpit.
#include <gtest/gtest.h>

#include <tuple>

#include "afds/afds_globals.h"
#include "afds/systems_globals.h"
#include "cockpit_fixture.h"
#include "nd/nd_globals.h"
#include "sim/sim_globals.h"

namespace {

using cockpit_test::CockpitTest;

// Level, VNAV off, V/S 0, autopilot and flight director off: neither step sends an event, so the
// simulator's values stay behind; the windows keep the steps until the simulator itself moves.
TEST_F(CockpitTest, SyncedMcpWindowsKeepThePilotsStepsAndFollowTheSimulator) {
  Boot("SynchMCPWinToAP=1\n");
  RunFrames(20);
  host_->SetNamed("alt_sel_num_incr", 1.0);
  host_->SetNamed("hdg_sel_dir_incr", 2.0);
  RunFrames(20);
  EXPECT_EQ(std::tuple(alt_sel_num, hdg_sel_dir), std::tuple(20100, 194.0));
  EXPECT_EQ(std::tuple(host_->Named("alt_sel_num"), host_->Named("hdg_sel_dir")), std::tuple(20100.0, 194.0));

  host_->SetExpression("(A:AUTOPILOT ALTITUDE LOCK VAR, feet)", 23000.0);
  host_->SetToken(107, 200.0);
  RunFrames(2);
  EXPECT_EQ(std::tuple(alt_sel_num, hdg_sel_dir), std::tuple(23000, 200.0));
  // The simulator's own altitude knob turns the window with it, once.
  host_->SendKeyEvent(0x10164, 0);
  RunFrames(2);
  EXPECT_EQ(std::tuple(alt_sel_num, host_->Expression("(A:AUTOPILOT ALTITUDE LOCK VAR, feet)")),
            std::tuple(23100, 23100.0));
}

// What the module itself sends is no change of the simulator's: CMD L engages HDG HOLD on the present
// heading (184) and ALT HOLD sets the present altitude (20000), and the windows keep 178 and 23000;
// the simulator's own change after them is still followed.
TEST_F(CockpitTest, SyncedMcpWindowsKeepTheirValuesAgainstTheModulesOwnCommands) {
  Boot("SynchMCPWinToAP=1\n");
  host_->SetToken(107, 178.0);
  host_->SetExpression("(A:AUTOPILOT ALTITUDE LOCK VAR, feet)", 23000.0);
  RunFrames(20);
  ASSERT_EQ(std::tuple(alt_sel_num, hdg_sel_dir), std::tuple(23000, 178.0));
  Press("apleft_clicked");
  RunFrames(10);
  Press("alt_clicked");
  RunFrames(10);
  ASSERT_EQ(std::tuple(host_->Token(107), host_->Expression("(A:AUTOPILOT ALTITUDE LOCK VAR, feet)")),
            std::tuple(184.0, 20000.0));
  EXPECT_EQ(std::tuple(alt_sel_num, hdg_sel_dir), std::tuple(23000, 178.0));
  host_->SetExpression("(A:AUTOPILOT ALTITUDE LOCK VAR, feet)", 21000.0);
  RunFrames(2);
  EXPECT_EQ(alt_sel_num, 21000);
}

// Each 3-D button gives the reference EPR of the 2-D panel's button, whatever mode stood before.
TEST_F(CockpitTest, ThreeDThrustModeButtonsSetTheReferenceOfThePanelsButtons) {
  Boot("");
  RunFrames(20);
  simhost::GaugeInstance* tmsp_panel = host_->FindInstance("TMSP");
  ASSERT_NE(tmsp_panel, nullptr);
  const struct {
    int area;
    const char* click;
    int32_t mode;
  } buttons[] = {{1, "tmsp_clb_clicked", 3},  {2, "tmsp_clb1_clicked", 4}, {3, "tmsp_clb2_clicked", 5},
                 {4, "tmsp_con_clicked", 7},  {5, "tmsp_crz_clicked", 6},  {0, "tmsp_toga_clicked", 2}};
  for (const auto& b : buttons) {
    ASSERT_TRUE(host_->ClickFunction(tmsp_panel, b.area));
    RunFrames(3);
    const double panel_epr = epr_bug;
    ASSERT_TRUE(host_->ClickFunction(tmsp_panel, b.area == 1 ? 4 : 1));  // another mode first
    RunFrames(3);
    ASSERT_NE(epr_bug, panel_epr) << b.click;
    Press(b.click);
    EXPECT_EQ(std::tuple(tmsp, epr_bug, epr_bug_2), std::tuple(b.mode, panel_epr, panel_epr)) << b.click;
  }
}

// Putting the start switch back ends the start: the older simulator's starter, sent on every pass of
// the start, stops; the newer simulator's, a toggle, is released at once as the cut-out would.
TEST_F(CockpitTest, StartSwitchPutBackEndsTheStartAndItsStarter) {
  for (const auto& [config, released] : {std::tuple{"simver=9\n", 0}, std::tuple{"simver=10\n", 1}}) {
    Boot(config);
    host_->SetToken(566, 0.0);  // the left engine stopped, its starter turning it
    host_->SetToken(627, 15.0);
    StartApu();
    Press("l_pack_switch_clicked");
    Press("r_pack_switch_clicked");
    Press("l_eng_start_switch_clicked");
    ASSERT_EQ(l_eng_start_phase, 1) << config;
    const int before = KeyEvents(0x102FC);
    Press("l_eng_start_switch_clicked");
    EXPECT_EQ(KeyEvents(0x102FC) - before, released) << config;
    host_->SetToken(627, 5.0);  // the engine runs down
    RunFrames(60);
    EXPECT_EQ(std::tuple(l_eng_start_switch, l_eng_start_phase), std::tuple(1, 0)) << config;
    EXPECT_EQ(KeyEvents(0x102FC) - before, released) << config;
  }
}

// The classic cockpit's switch shows traffic on the classic ND, the flat-panel cockpit's on its own.
TEST_F(CockpitTest, TfcSwitchShowsTrafficOnItsOwnCockpitsNd) {
  for (const auto& [title, classic_nd, fp_nd] :
       {std::tuple{"Orvantel 757-200 Classic", 1, 0}, std::tuple{"Orvantel 757-200 House", 0, 1}}) {
    Boot("simver=10\n", title);
    RunFrames(3);
    nd_tfc_on = fp_nd_tfc_on = 0;
    Press("efis_TFC_switch_clicked");
    EXPECT_EQ(std::tuple(nd_tfc_on, fp_nd_tfc_on), std::tuple(classic_nd, fp_nd)) << title;
    EXPECT_EQ(std::tuple(host_->Named("efis_TFC_switch"), host_->Named("tcas_knob")), std::tuple(1.0, 2.0)) << title;
  }
}

}  // namespace
