#include <gtest/gtest.h>

#include <string>

#include "afds/afds_globals.h"
#include "cdu/cdu_globals.h"
#include "displays/displays_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/vertical_profile.h"
#include "frame/frame_globals.h"
#include "frame/tick_globals.h"
#include "nd/nd_globals.h"
#include "state/config_globals.h"
#include "state/panel_state_files.h"
#include "state/panel_state_format.h"
#include "state/panel_state_fixture.h"

namespace {

class PanelFormatTest : public PanelStateTest {
 protected:
  // Applies `text` as a named file: every line acts, without the snapshot's checks.
  int32_t Load(const std::string& text) {
    WritePanel("t.pnl", text);
    return LoadPanelState("t.pnl");
  }
};

TEST_F(PanelFormatTest, IntegerRealAndTextKeysWithTheirNamedVariables) {
  ASSERT_EQ(Load("[MCP]\nalt_hold_mode=1\nalt_sel_num=12000\nhdg_sel_dir=271.8\ncrs_dir=95.4\n"
                 "spd_hold_mode=1\nspd_window=1\nvs_window=0\n[FMS]\ncruise_alt=35000\nclimb_mach=0.76\n"
                 "ToId=RW 16L\n[OVERHEAD]\nseatbelt_sign=1\napu_mode=2\nl_yaw_damper_mode=2\n"
                 "[OVCP]\nFlightDirectorType=1\nlite_mode=1\nplay_announcements=1\n"),
            1);
  EXPECT_EQ(alt_hold_mode, 1);
  EXPECT_EQ(host_.Named("alt_hold"), 1.0);
  EXPECT_EQ(host_.Named("alt_sel_num"), 12000.0);
  EXPECT_EQ(hdg_sel_dir, 271.8);
  EXPECT_EQ(host_.Named("hdg_sel_dir"), 271.0);  // whole degrees
  EXPECT_EQ(crs_dir, 95.4);
  EXPECT_EQ(spd_hold, 1);
  EXPECT_EQ(host_.Named("spd_hold"), 1.0);
  EXPECT_EQ(host_.Named("ias_show"), 1.0);
  EXPECT_EQ(cruise_alt, 35000);
  EXPECT_EQ(climb_mach, 0.76);
  EXPECT_EQ(lnav_leg[0].ToId, "RW 16L");
  EXPECT_EQ(host_.Named("Seatbelt sign"), 1.0);
  EXPECT_EQ(apu_mode, 2);
  EXPECT_EQ(host_.Named("l_yaw_damper_mode"), 2.0);
  EXPECT_EQ(host_.Named("fd_style"), 1.0);
  EXPECT_EQ(host_.Named("panel_mode"), 1.0);
  EXPECT_EQ(host_.Named("ov_cabin_announcements"), 1.0);
}

TEST_F(PanelFormatTest, GrammarOfTheLines) {
  ASSERT_EQ(Load(";cruise_alt=1\n"
                 "CRUISE_ALT=31000\n"      // any letter case
                 "init_cruise_alt =5\n"    // a blank before "=" hides the key
                 "v1= 140\n"               // a blank after "=" only leads the value
                 "FrId= SEA*VOR\n"         // leading blank kept; "*" reads back as a blank
                 "toc=\n"                  // no value: 0
                 "cost_index=85\tkg\n"),   // cut at a tab
            1);
  EXPECT_EQ(cruise_alt, 31000);
  EXPECT_EQ(init_cruise_alt, 0);
  EXPECT_EQ(v1, 140);
  EXPECT_EQ(lnav_leg[0].FrId, " SEA VOR");
  EXPECT_EQ(toc, 0);
  EXPECT_EQ(cost_index, 85);
}

TEST_F(PanelFormatTest, ALineLongerThanTheBufferIsReadInPieces) {
  // The second piece of an over-long line is a line of its own and acts when it is a key.
  const std::string pad(298 - std::string("FrId=").size(), 'X');
  ASSERT_EQ(Load("FrId=" + pad + "cruise_alt=29000\n"), 1);
  EXPECT_EQ(lnav_leg[0].FrId, pad);
  EXPECT_EQ(cruise_alt, 29000);
}

TEST_F(PanelFormatTest, KeysThatSendKeyEvents) {
  host_.SetToken(364, 0.0);  // the simulator's battery off
  ASSERT_EQ(Load("eng1_thrott=2\neng2_thrott=1\nap_master=1\nap_spdbug=245.7\nap_mach_bug=0.78\n"
                 "battery_button=3\nepr_bug=1.52\n"),
            1);
  EXPECT_EQ(KeyEventValues(0x101C3).size(), 1u);
  EXPECT_TRUE(KeyEventValues(0x101C8).empty());
  EXPECT_EQ(KeyEventValues(0x10100).size(), 1u);
  EXPECT_EQ(ap_master, 1.0);
  EXPECT_EQ(host_.Named("apdisc_bar"), 1.0);
  EXPECT_EQ(KeyEventValues(0x101F5), std::vector<int32_t>{245});
  EXPECT_EQ(KeyEventValues(0x1017C), std::vector<int32_t>{0});
  EXPECT_EQ(KeyEventValues(0x102C1).size(), 1u);  // switch on, simulator off
  EXPECT_EQ(epr_bug_2, 1.52);

  // A disengaged master changes nothing; a switch that agrees with the simulator sends nothing.
  ap_master = 0.0;
  host_.SetToken(364, 1.0);
  ASSERT_EQ(Load("ap_master=0\nbattery_button=4\n"), 1);
  EXPECT_EQ(KeyEventValues(0x10100).size(), 1u);
  EXPECT_EQ(ap_master, 0.0);
  EXPECT_EQ(KeyEventValues(0x102C1).size(), 1u);
}

TEST_F(PanelFormatTest, RestoredRouteStateWaitsForExec) {
  ASSERT_EQ(Load("fms_fpln_active=3\n"), 1);
  EXPECT_EQ(fms_fpln_active, 4);
  ASSERT_EQ(Load("fms_fpln_active=2\n"), 1);
  EXPECT_EQ(fms_fpln_active, 2);
}

TEST_F(PanelFormatTest, RestoringVnavInAnyStateForcesAFreshPass) {
  vnav_des_active = 1;
  ASSERT_EQ(Load("vnav=0\n"), 1);
  EXPECT_EQ(vnav_pnl_restored, 1);
  EXPECT_EQ(vnav_des_active, 0);
  EXPECT_EQ(vnav_init_flag, 1);
}

struct RangeCase {
  const char* line;
  int32_t* i32;
  double* f64;
  double expected;
};

class PanelRangeTest : public PanelFormatTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(PanelRangeTest, OutOfRangeValuesKeepTheVariable) {
  nd_rng_nm = 40.0;
  nd_mode = 3;
  ctr_mode = 1;
  lower_eicas_mode = 2;
  tmsp = 3;
  toc_stpos = 4;
  tod_stpos = 5;
  fms_dep_rwy_pos = 6;
  fms_dest_rwy_pos = 7;
  const RangeCase& c = GetParam();
  ASSERT_EQ(Load(std::string(c.line) + "\n"), 1);
  EXPECT_EQ(c.i32 != nullptr ? *c.i32 : *c.f64, c.expected) << c.line;
}

INSTANTIATE_TEST_SUITE_P(
    Values, PanelRangeTest,
    ::testing::Values(RangeCase{"nd_rng_nm=0.0", nullptr, &nd_rng_nm, 40.0},
                      RangeCase{"nd_rng_nm=25.0", nullptr, &nd_rng_nm, 40.0},
                      RangeCase{"nd_rng_nm=320.0", nullptr, &nd_rng_nm, 320.0},
                      RangeCase{"nd_mode=5", &nd_mode, nullptr, 3},
                      RangeCase{"nd_mode=4", &nd_mode, nullptr, 4},
                      RangeCase{"ctr_mode=2", &ctr_mode, nullptr, 1},
                      RangeCase{"lower_eicas_mode=-1", &lower_eicas_mode, nullptr, 2},
                      RangeCase{"tmsp=8", &tmsp, nullptr, 3},
                      RangeCase{"toc_stpos=201", &toc_stpos, nullptr, 4},
                      RangeCase{"tod_stpos=-1", &tod_stpos, nullptr, 5},
                      RangeCase{"tod_stpos=200", &tod_stpos, nullptr, 200},
                      // Runway rows out of the runway table mean no runway.
                      RangeCase{"fms_dep_rwy_pos=23", &fms_dep_rwy_pos, nullptr, 0},
                      RangeCase{"fms_dest_rwy_pos=22", &fms_dest_rwy_pos, nullptr, 22}));

TEST(FplnRow, FieldsByPosition) {
  RouteLeg leg;
  ParseFplnRow("ELN,47.023000,-120.567000,VOR,117.00,IAF,J5,STAR,12:34,14000,3,250,95,2,extra,more", &leg);
  EXPECT_EQ(leg.ident, "ELN");
  EXPECT_EQ(leg.lat, 47.023);
  EXPECT_EQ(leg.lon, -120.567);
  EXPECT_EQ(leg.type, "VOR");
  EXPECT_EQ(leg.freq, "117.00");
  EXPECT_EQ(leg.aux_text, "IAF");
  EXPECT_EQ(leg.via, "J5");
  EXPECT_EQ(leg.proc, "STAR");
  EXPECT_EQ(leg.eta, "12:34");
  EXPECT_EQ(leg.alt, 14000.0);
  EXPECT_EQ(leg.restr, 3);
  EXPECT_EQ(leg.ias, 250.0);
  EXPECT_EQ(leg.intc_crs, 95.0);
  EXPECT_EQ(leg.hold_idx, 2);
}

TEST(FplnRow, EmptyFieldsLeaveTheResetValuesNotAnEarlierRoutes) {
  RouteLeg leg;
  ParseFplnRow("OLD,1,2,INT,116.8,FAF,V4,SID,10:00,5000,1,210,90,1", &leg);
  leg.mach = 0.7;
  ParseFplnRow("NEW,,,,,,,,,,,,,", &leg);
  EXPECT_EQ(leg.ident, "NEW");
  EXPECT_EQ(leg.lat, 0.0);
  EXPECT_EQ(leg.freq, "");
  EXPECT_EQ(leg.aux_text, "");
  EXPECT_EQ(leg.via, "");
  EXPECT_EQ(leg.eta, "");
  EXPECT_EQ(leg.alt, -999.0);
  EXPECT_EQ(leg.restr, 0);
  EXPECT_EQ(leg.ias, -999.0);
  EXPECT_EQ(leg.intc_crs, -999.0);
  EXPECT_EQ(leg.hold_idx, 0);
  EXPECT_EQ(leg.mach, 0.7);  // not carried by the row
}

TEST(FplnRow, HoldRowsOutsideTheHoldTableMeanNoHold) {
  RouteLeg leg;
  for (const char* hold : {"11", "-1", "1e9"}) {
    ParseFplnRow(std::string("A,,,,,,,,,,,,,") + hold, &leg);
    EXPECT_EQ(leg.hold_idx, 0) << hold;
  }
  ParseFplnRow("A,,,,,,,,,,,,,3.7", &leg);
  EXPECT_EQ(leg.hold_idx, 3);  // a real, truncated
}

TEST_F(PanelFormatTest, EveryFplnLineAddsARowUpToTheTable) {
  std::string text;
  for (int i = 0; i < 205; ++i) text += "FPLN=W" + std::to_string(i) + ",1,2\n";
  text += "FPLN=\n";
  ASSERT_EQ(Load(text), 1);
  EXPECT_EQ(fp_mod_cnt, 200);  // 201 rows; the rest are passed over
  EXPECT_EQ(fms_fpln_mod[200].ident, "W200");

  ASSERT_EQ(Load("FPLN=\nFPLN=B,,\n"), 1);
  EXPECT_EQ(fp_mod_cnt, 1);  // an empty line still adds a row
  EXPECT_EQ(fms_fpln_mod[0].ident, "");
  EXPECT_EQ(fms_fpln_mod[1].ident, "B");
}

TEST_F(PanelFormatTest, AnActiveLegOffTheRestoredRouteMeansNoActiveRoute) {
  ASSERT_EQ(Load("stpos=5\nFPLN=A\nFPLN=B\nFPLN=C\n"), 1);
  EXPECT_EQ(stpos, 999);
  ASSERT_EQ(Load("stpos=2\nFPLN=A\nFPLN=B\nFPLN=C\n"), 1);
  EXPECT_EQ(stpos, 2);
}

}  // namespace
