#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "afds/afds_globals.h"
#include "afds/restored_modes.h"
#include "cdu/cdu_globals.h"
#include "displays/displays_globals.h"
#include "fmc/fmc_globals.h"
#include "sim/sim_globals.h"
#include "sim/tick_globals.h"
#include "nd/efis_options.h"
#include "nd/nd_globals.h"
#include "state/config_globals.h"
#include "state/config_keys.h"
#include "state/panel_state_files.h"
#include "state/panel_state_format.h"
#include "state/state_fixture.h"

namespace {

class PanelFormatTest : public PanelStateTest {
 protected:
  // Applies `text` as a named file: every line acts, without the snapshot's checks.
  int32_t Load(const std::string& text) {
    WritePanel("t.pnl", text);
    return LoadPanelState("t.pnl");
  }
  // The file a save would write now.
  static std::string Saved() {
    FILE* f = std::tmpfile();
    WritePanelStateFile(f);
    std::string text(static_cast<size_t>(std::ftell(f)), '\0');
    std::rewind(f);
    text.resize(std::fread(text.data(), 1, text.size(), f));
    std::fclose(f);
    return text;
  }
  // The value a save writes for `key` now ("" when it writes none).
  static std::string SavedValue(const std::string& key) {
    const std::string text = "\n" + Saved();
    const size_t at = text.find("\n" + key + "=");
    if (at == std::string::npos) return "";
    const size_t from = at + key.size() + 2;
    return text.substr(from, text.find('\n', from) - from);
  }
};

// Every key the reader takes within limits (the CDU entry's, the control's positions, a place on
// the globe), with the same values: what the limits refuse keeps the variable, what they take is the
// number read. Through a file, blanks around "=" hide the key and a byte order mark hides nothing.
TEST_F(PanelFormatTest, EveryLimitedKeySweptWithTheSameValues) {
  std::tie(startup_phase, stpos) = std::tuple(1, 1);  // the saved speeds stay; the LNAV leg is written
  const char* values[] = {"-500", "-181", "-91", "-1", "", "0", "1", "2", "3", "5", "7", "15", "20", "25", "30",
                          "91", "150X", "1O0", "4O.5", "181", "249", "250", "269", "270", "999", "1000", "99999"};
  for (const auto& [key_view, valid] : PanelStateKeyLimits()) {
    const std::string key(key_view);
    int32_t refused = 0;
    for (const char* v : values) {
      const std::string before = SavedValue(key);
      ApplyPanelStateKey(key, v);
      if (valid(v)) {
        EXPECT_EQ(ParseConfigF64(SavedValue(key)), ParseConfigF64(v)) << key << "=" << v;
      } else {
        EXPECT_EQ(SavedValue(key), before) << key << "=" << v;
        ++refused;
      }
    }
    EXPECT_GT(refused, 0) << key;  // a limit that takes every value is none
    EXPECT_FALSE(valid("abc") || valid("")) << key;  // no number is no position nor entry
    const std::string kept = SavedValue(key);
    EXPECT_EQ(Load(key + " = 1\n"), 0) << key;
    EXPECT_EQ(SavedValue(key), kept) << key;
    EXPECT_EQ(Load("\xEF\xBB\xBF" + key + "=1\n"), 1) << key;
  }
}

// Keys in any letter case; a blank before "=" hides the key, a blank after it only leads the
// value; "*" reads back as a blank; no value reads 0; a tab ends the value. A line longer than the
// buffer is read in pieces, and a piece that is a key line acts.
TEST_F(PanelFormatTest, GrammarOfTheLines) {
  const std::string pad(298 - std::string("FrId=").size(), 'X');
  ASSERT_EQ(Load(";cruise_alt=1\nCRUISE_ALT=31000\ninit_cruise_alt =5\nv1= 140\nFrId= SEA*VOR\ntoc=\n"
                 "cost_index=85\tkg\nToId=" + pad + "climb_ias=250\n"),
            1);
  EXPECT_EQ(std::tuple(cruise_alt, init_cruise_alt, v1, toc, cost_index, climb_ias),
            std::tuple(31000, 0, 140, 0, 85, 250));
  EXPECT_EQ(lnav_leg[0].FrId + "|" + lnav_leg[0].ToId, " SEA VOR|" + pad);
}

// A cruise altitude the CDU would refuse loads as none, not as one above any reach or below 0 (-5000
// was shown, and VNAV never descended); an assumed temperature beyond the knob's keeps the one held.
TEST_F(PanelFormatTest, CruiseAltitudesTheCduRefusesLoadAsNone) {
  std::tie(cruise_alt, init_cruise_alt, to_epr_temp_sel) = std::tuple(31000, 31000, 30.0);
  ASSERT_EQ(Load("cruise_alt=99999\ninit_cruise_alt=2147483647\nto_epr_temp_sel=150\n"), 1);
  EXPECT_EQ(std::tuple(cruise_alt, init_cruise_alt, to_epr_temp_sel), std::tuple(0, 0, 30.0));
  std::tie(cruise_alt, init_cruise_alt) = std::tuple(31000, 31000);
  ASSERT_EQ(Load("cruise_alt=-5000\ninit_cruise_alt=0\n"), 1);
  EXPECT_EQ(std::pair(cruise_alt, init_cruise_alt), std::pair(0, 0));
  ASSERT_EQ(Load("cruise_alt=99998\ninit_cruise_alt=35000\n"), 1);
  EXPECT_EQ(std::pair(cruise_alt, init_cruise_alt), std::pair(99998, 35000));
}

// A restored VNAV, engaged or not, makes the VNAV logic start afresh. The autopilot master engages
// (in the air, on its CMD channel) once the SERVER frame takes the loaded modes up.
TEST_F(PanelFormatTest, KeysThatActBeyondTheirVariable) {
  host_.SetToken(364, 0.0);  // the simulator's battery off
  vnav_des_active = 1;
  radio_height = 5000.0;
  ASSERT_EQ(Load("eng1_thrott=2\neng2_thrott=1\nap_master=1\napleft=1\nap_spdbug=245.7\nap_mach_bug=0.78\n"
                 "battery_button=3\nepr_bug=1.52\nvnav=0\n"),
            1);
  ResumeRestoredModes();
  EXPECT_EQ(std::tuple(KeyEventValues(0x101C3).size(), KeyEventValues(0x101C8).size(), KeyEventValues(0x10100).size()),
            std::tuple(1u, 0u, 1u));
  EXPECT_EQ(std::pair(KeyEventValues(0x101F5), KeyEventValues(0x1017C)), std::pair(std::vector<int32_t>{245}, std::vector<int32_t>{0}));
  EXPECT_EQ(std::tuple(vnav_pnl_restored, vnav_des_active, vnav_init_flag), std::tuple(1, 0, 1));
  EXPECT_EQ(KeyEventValues(0x102C1).size(), 1u);  // switch on, simulator off
  // A disengaged master changes nothing; a switch that agrees with the simulator sends nothing.
  ap_master = 0.0;
  host_.SetToken(364, 1.0);
  ASSERT_EQ(Load("ap_master=0\nbattery_button=4\n"), 1);
  ResumeRestoredModes();
  EXPECT_EQ(std::tuple(KeyEventValues(0x10100).size(), ap_master, KeyEventValues(0x102C1).size()),
            std::tuple(1u, 0.0, 1u));
}

// Values used elsewhere as indexes, modes or divisors: out of range, they keep the variable;
// runway rows out of the runway table mean no runway.
TEST_F(PanelFormatTest, OutOfRangeValuesKeepTheVariable) {
  const auto start = std::tuple(40.0, 3, 4, 6, 7);  // nd_rng_nm, nd_mode, toc_stpos and the two runway rows
  for (const auto& [line, after] :
       {std::pair{"nd_rng_nm=0.0", start}, {"nd_rng_nm=320.0", std::tuple(320.0, 3, 4, 6, 7)}, {"nd_mode=5", start},
        {"toc_stpos=201", start}, {"fms_dep_rwy_pos=23", std::tuple(40.0, 3, 4, 0, 7)},
        {"fms_dest_rwy_pos=22", std::tuple(40.0, 3, 4, 6, 22)}}) {
    std::tie(nd_rng_nm, nd_mode, toc_stpos, fms_dep_rwy_pos, fms_dest_rwy_pos) = start;
    ASSERT_EQ(Load(std::string(line) + "\n"), 1);
    EXPECT_EQ(std::tuple(nd_rng_nm, nd_mode, toc_stpos, fms_dep_rwy_pos, fms_dest_rwy_pos), after) << line;
  }
  for (const auto& [line, after] : {std::pair{"lower_eicas_mode=0", 0}, {"lower_eicas_mode=2", 2},
                                    {"lower_eicas_mode=3", 1}, {"lower_eicas_mode=-1", 1}}) {
    lower_eicas_mode = 1;
    ASSERT_EQ(Load(std::string(line) + "\n"), 1);
    EXPECT_EQ(lower_eicas_mode, after) << line;
  }
  // A cost index the economy table does not cover would be shown but never flown; a speed the CDU
  // would refuse would be commanded.
  for (const auto& [line, global, after] :
       {std::tuple{"cost_index=1000", &cost_index, 280}, {"cost_index=-1", &cost_index, -1},
        {"climb_ias=0", &climb_ias, 280}, {"descent_ias=501", &descent_ias, 280}, {"cruise_ias=50", &cruise_ias, 50}}) {
    *global = 280;
    ASSERT_EQ(Load(std::string(line) + "\n"), 1);
    EXPECT_EQ(*global, after) << line;
  }
  std::tie(climb_mach, descent_mach) = std::tuple(0.78, 0.78);
  ASSERT_EQ(Load("climb_mach=0.00\ndescent_mach=1.30\ncruise_mach=1.20\n"), 1);
  EXPECT_EQ(std::tuple(climb_mach, descent_mach, cruise_mach), std::tuple(0.78, 0.78, 1.2));
  // A switch or selector left outside the positions its clicks move between would never move again.
  for (const auto& [line, global, after] :
       {std::tuple{"battery_button=8", &battery_button, 3}, {"l_fwd_fuel_pump=4", &l_fwd_fuel_pump, 3},
        {"auto_brake_switch=7", &auto_brake_switch, 3}, {"irs_l_anun_knob=-1", &irs_l_anun_knob, 3},
        {"ac_power=6", &ac_power, 3}, {"l_gen_cont=2", &l_gen_cont, 2}}) {
    *global = 3;
    ASSERT_EQ(Load(std::string(line) + "\n"), 1);
    EXPECT_EQ(*global, after) << line;
  }
}

// The loaded course goes to the simulator's receiver, whose course the maps show and a knob step
// moves on from; a course no knob can set keeps the one there is.
TEST_F(PanelFormatTest, LoadedCourseIsTheSimulatorsCourse) {
  crs_dir = 45.0;
  ASSERT_EQ(Load("crs_dir=102\n"), 1);
  ASSERT_EQ(Load("crs_dir=-99\ncrs_dir=361\n"), 1);
  EXPECT_EQ(std::pair(crs_dir, KeyEventValues(0x100B4)), std::pair(102.0, std::vector<int32_t>{102}));
}

// The MCP's altitude and speed reach the simulator's autopilot only from within the knobs' range.
TEST_F(PanelFormatTest, McpTargetsBeyondTheKnobsKeepTheAutopilots) {
  ASSERT_EQ(Load("alt_sel_num=-5000\nap_spdbug=-100\nalt_sel_num=50001\nap_spdbug=400\nalt_sel_num=50000\n"
                 "ap_spdbug=100\n"),
            1);
  EXPECT_EQ(std::pair(KeyEventValues(0x1024C), KeyEventValues(0x101F5)),
            std::pair(std::vector<int32_t>{50000}, std::vector<int32_t>{100}));
  // The altitude goes as the knob would send it in the phase the file gives, whatever the lines'
  // order: VNAV's cruise level stays (the window set below it took the aircraft down).
  const struct {
    const char* phase;
    int32_t sent;
  } rows[] = {{"vnav=1\ntoc=1\ntod=0\n", 20000}, {"vnav=1\ntoc=0\ntod=0\n", 2000},
              {"vnav=1\ntoc=1\ntod=1\n", 2000},  {"vnav=0\ntoc=1\ntod=0\n", 2000}};
  for (const auto& r : rows) {
    const size_t before = KeyEventValues(0x1024C).size();
    ASSERT_EQ(Load(std::string("cruise_alt=20000\nalt_sel_num=2000\n") + r.phase), 1);
    const std::vector<int32_t> sent = KeyEventValues(0x1024C);
    EXPECT_EQ(std::vector<int32_t>(sent.begin() + before, sent.end()), std::vector<int32_t>{r.sent}) << r.phase;
  }
}

// The reduced panel is a switch: a value other than 1 is off, on the panel too; so are the landing
// checklist and the cabin announcements (ANNOUNCEMENT STATUS showed ON while none ever played).
TEST_F(PanelFormatTest, LiteModeOtherThanOneIsOff) {
  for (const auto& [line, after] : {std::pair{"lite_mode=2", 0}, {"lite_mode=1", 1}, {"lite_mode=-1", 0}}) {
    ASSERT_EQ(Load(std::string(line) + "\n"), 1);
    EXPECT_EQ(std::pair(lite_mode, host_.Named("panel_mode")), std::pair(after, static_cast<double>(after))) << line;
  }
  for (const auto& [line, after] : {std::pair{"play_announcements=2", 0.0}, {"play_announcements=1", 1.0}}) {
    ASSERT_EQ(Load(std::string(line) + "\n"), 1);
    EXPECT_EQ(std::pair(1.0 * play_announcements, host_.Named("ov_cabin_announcements")), std::pair(after, after))
        << line;
  }
  for (const auto& [line, after] : {std::pair{"ldg_checklist=2", 0}, {"ldg_checklist=1", 1}}) {
    ASSERT_EQ(Load(std::string(line) + "\n"), 1);
    EXPECT_EQ(std::pair(ldg_checklist, host_.Named("ldg_checklist")), std::pair(after, static_cast<double>(after)))
        << line;
  }
}

// The autoflight modes are switches too, on the panel as well.
TEST_F(PanelFormatTest, ModeFlagsOtherThanOneAreOff) {
  ASSERT_EQ(Load("apleft=5\nlnav=-1\nthrust_hold=7\nvnav=2\nflch=3\nlnav_init_mode=9\n"), 1);
  EXPECT_EQ(std::tuple(apleft, lnav, thrust_hold, vnav, flch, lnav_init_mode), std::tuple(0, 0, 0, 0, 0, 0));
  EXPECT_EQ(host_.Named("apleft") + host_.Named("lnav") + host_.Named("thrust") + host_.Named("vnav"), 0.0);
}

// Every switch row, the T/C and T/D flags among them, reads any value but 1 as off, and saves it so.
TEST_F(PanelFormatTest, SwitchRowsReadAnyValueButOneAsOff) {
  const std::vector<std::string_view> keys = PanelStateSwitchKeys();
  for (const char* key : {"toc", "tod", "init_tod", "loc_capture", "gs_capture", "vnav", "auto_brake_status"}) {
    EXPECT_NE(std::find(keys.begin(), keys.end(), key), keys.end()) << key;
  }
  for (const std::string_view name : keys) {
    const std::string key(name);
    for (const auto& [value, read] : {std::pair{"1", "1"}, {"2", "0"}, {"-1", "0"}, {"0", "0"}}) {
      ASSERT_EQ(Load(key + "=" + value + "\n"), 1);
      EXPECT_NE(Saved().find("\n" + key + "=" + read + "\n"), std::string::npos) << key << "=" << value;
    }
  }
}

// A state saved with the maps' ranges and modes brings each back, and an older file with the classic
// ND's alone gives them to the flat-panel maps: the range knob then steps both NDs together.
TEST_F(PanelFormatTest, BothNdsAgreeAfterALoad) {
  const auto maps = [] { return std::tie(nd_rng_nm, fpnd_rng_nm, fp_ehsi_rng_nm, nd_mode, fpnd_mode, fp_ehsi_mode); };
  maps() = std::tuple(40.0, 40.0, 20.0, 3, 4, 2);
  for (const auto& [text, after] : {std::pair{Saved(), std::tuple(80.0, 80.0, 20.0, 3, 4, 2)},
                                    {"nd_rng_nm=80.0\nnd_mode=3\n", std::tuple(160.0, 160.0, 10.0, 3, 3, 3)}}) {
    ResetNdGlobals();
    ASSERT_EQ(Load(text), 1);
    IncreaseNdRange();
    EXPECT_EQ(maps(), after);
  }
}

// Each FPLN row takes its fields by position; empty fields leave the reset values, not an earlier
// route's; hold rows outside the hold table mean no hold.
TEST(FplnRow, FieldsByPositionAndResetValues) {
  RouteLeg leg;
  ParseFplnRow("ELN,47.023000,-120.567000,VOR,117.00,IAF,J5,STAR,12:34,14000,3,250,95,2,extra,more", &leg);
  EXPECT_EQ(std::tie(leg.ident, leg.type, leg.freq, leg.aux_text, leg.via, leg.proc, leg.eta),
            std::tuple("ELN", "VOR", "117.00", "IAF", "J5", "STAR", "12:34"));
  EXPECT_EQ(std::tie(leg.lat, leg.lon, leg.alt, leg.restr, leg.ias, leg.intc_crs, leg.hold_idx),
            std::tuple(47.023, -120.567, 14000.0, 3, 250.0, 95.0, 2));
  leg.mach = 0.7;
  ParseFplnRow("NEW,,,,,,,,,,,,,", &leg);
  EXPECT_EQ(leg.ident + leg.freq + leg.aux_text + leg.via + leg.eta, "NEW");
  EXPECT_EQ(std::tie(leg.lat, leg.alt, leg.restr, leg.ias, leg.intc_crs, leg.hold_idx, leg.mach),
            std::tuple(0.0, -999.0, 0, -999.0, -999.0, 0, 0.7));  // the Mach is not carried by the row
  for (auto [hold, idx] : {std::pair{"11", 0}, {"-1", 0}, {"3.7", 3}}) {  // a real is truncated
    ParseFplnRow(std::string("A,,,,,,,,,,,,,") + hold, &leg);
    EXPECT_EQ(leg.hold_idx, idx) << hold;
  }
}

// Every FPLN line with its coordinates adds a row, one without an ident too, up to the table's 201
// rows; an active leg off the restored route means no active route.
TEST_F(PanelFormatTest, FplnLinesAndTheActiveLeg) {
  std::string text;
  for (int i = 0; i < 205; ++i) text += "FPLN=W" + std::to_string(i) + ",1,2\n";
  ASSERT_EQ(Load(text + "FPLN=W205,1,2\n"), 1);
  EXPECT_EQ(std::pair(fp_mod_cnt, fms_fpln_mod[200].ident), std::pair(200, std::string("W200")));
  ASSERT_EQ(Load("FPLN=,1,2\nFPLN=B,1,2\n"), 1);
  EXPECT_EQ(fp_mod_cnt, 1);
  EXPECT_EQ(fms_fpln_mod[0].ident + "|" + fms_fpln_mod[1].ident, "|B");
  for (auto [pos, expected] : {std::pair{5, 999}, std::pair{2, 2}}) {
    ASSERT_EQ(Load("stpos=" + std::to_string(pos) + "\nFPLN=A,1,2\nFPLN=B,1,2\nFPLN=C,1,2\n"), 1);
    EXPECT_EQ(stpos, expected);
  }
}

}  // namespace
