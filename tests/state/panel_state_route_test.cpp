// The route of a panel state: its holds, files cut short, files written before the holds and
// choices were saved, and the T/D of the automatic snapshot loaded at start-up.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "afds/route_progress_globals.h"
#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/hold_legs.h"
#include "fmc/route_fixture.h"
#include "fmc/route_holds.h"
#include "afds/route_progress_globals.h"
#include "state/initial_panel_state.h"
#include "state/panel_state_files.h"
#include "state/state_fixture.h"

namespace {

using testing_support::ReadBytes;
using Idents = std::vector<std::string>;

const Idents kRoute{"KSEA", "SEA", "TACMA", "CENTR", "KELSO", "KPDX"};

class PanelRouteTest : public PanelStateTest {
 protected:
  // Where the snapshots below are taken, so that their checks pass.
  void SetUp() override {
    PanelStateTest::SetUp();
    aircraft = "orvantel 757-200 house";
    At(47.0, -122.0, 5000.0, 180.0);
  }
  // The route flown (state 3, leg 1 active), holding at `hold_leg` when it is not 0.
  static void Flying(const Idents& idents, int32_t hold_leg) {
    route_test::SetLegs(fms_fpln_act, &fp_cnt, idents);
    CopyActiveToModRoute();
    std::tie(fms_fpln_active, stpos, hold_cnt) = std::tuple(3, 1, 0);
    if (hold_leg == 0) return;
    AddLegHold(hold_leg, 0);
    fms_fpln_act[hold_leg].hold_idx = fms_fpln_mod[hold_leg].hold_idx;
    RestoreHoldLegs();
  }
  static std::vector<int32_t> HoldRefs(const RouteLeg* legs, int32_t count) {
    std::vector<int32_t> v;
    for (int32_t i = 0; i <= count; ++i) v.push_back(legs[i].hold_idx);
    return v;
  }
};

// Over a route holding at TACMA, a file whose KELSO leg names hold row 1: the row comes back where
// the file has it for that leg, and nothing of TACMA's hold stays; without it (or with one that does
// not fit the leg) no leg names a hold.
TEST_F(PanelRouteTest, HoldsOfTheFileReplaceThoseOfThePreviousRoute) {
  std::string rows = "[FLTPLN]\nfp_cnt=5\nstpos=1\n";
  for (int i = 0; i <= 5; ++i) {
    rows += "FPLN=" + kRoute[i] + "," + std::to_string(route_test::LegLat(i)) + ",-122.0,,,,,,,-999,0,-999,-1," +
            (i == 4 ? "1" : "0") + "\n";
  }
  for (const auto& [hold_line, held] :
       {std::pair{"HOLD=KELSO,4,2,270.0,1,1.5,0.0,49.0,-122.0\n", true}, {"", false},
        {"HOLD=CENTR,4,2,270.0,1,1.5,0.0,49.0,-122.0\n", false}, {"HOLD=KELSO,4,2,270.0,1,0.0,0.0,49.0,-122.0\n", false},
        {"HOLD=KELSO,4,2,270.0,1,1.5,0.0,49.0\n", false}}) {
    Flying(kRoute, 2);
    WritePanel("k.pnl", rows + hold_line);
    ASSERT_EQ(LoadPanelState("k.pnl"), 1) << hold_line;
    const std::vector<int32_t> refs{0, 0, 0, 0, held ? 1 : 0, 0};
    EXPECT_EQ(std::tuple(hold_cnt, HoldRefs(fms_fpln_act, fp_cnt), HoldRefs(fms_fpln_mod, fp_mod_cnt)),
              std::tuple(held ? 1 : 0, refs, refs))
        << hold_line;
    const RouteHold& h = route_holds[1];
    EXPECT_EQ(std::tuple(h.fix, h.leg, h.leg_time), held ? std::tuple("KELSO", 4, 1.5) : std::tuple("", 0, h.leg_time));
  }
}

// The places of the route and hold rows with the same values that give no place (a letter inside
// or after, none, off the globe, a hemisphere letter): a route row without one makes the file no
// whole route, applied not at all (a row at latitude 96 was flown to); a hold row without one is no
// hold, nor is a hold away from its fix (one at 0N 0E was taken and silently never flown).
TEST_F(PanelRouteTest, RouteAndHoldRowsWithoutAReadablePlace) {
  const auto file = [](int32_t field, const std::string& text) {
    std::string rows = "[FLTPLN]\nfp_cnt=5\nstpos=1\n";
    std::string place[4] = {std::to_string(route_test::LegLat(2)), "-122.0", "49.0", "-122.0"};
    place[field] = text;
    for (int i = 0; i <= 5; ++i) {
      rows += "FPLN=" + kRoute[i] + "," + (i == 2 ? place[0] : std::to_string(route_test::LegLat(i))) + "," +
              (i == 2 ? place[1] : "-122.0") + ",,,,,,,-999,0,-999,-1," + (i == 4 ? "1" : "0") + "\n";
    }
    return rows + "HOLD=KELSO,4,2,270.0,1,1.5,0.0," + place[2] + "," + place[3] + "\n";
  };
  for (const char* text : {"4O.5", "48.5X", "", "-181", "N48", "1e1", "+", "0.000000"}) {
    for (int32_t field = 0; field < 4; ++field) {
      Flying(Idents{"KSEA", "SEA", "KPDX"}, 0);
      const bool route_row = field < 2;
      const bool place = std::string(text) == "0.000000";  // 0N 0E is a place, but no fix's
      WritePanel("p.pnl", file(field, text));
      // Refused, the route flown stays; loaded, its hold comes back only where it stands at its fix.
      ASSERT_EQ(LoadPanelState("p.pnl"), route_row && !place ? 0 : 1) << field << " " << text;
      EXPECT_EQ(fms_fpln_act[2].ident, route_row && !place ? "KPDX" : "TACMA") << field << " " << text;
      EXPECT_EQ(hold_cnt, route_row && place ? 1 : 0) << field << " " << text;
    }
  }
}

// A state saved at the gate without a route, loaded while a route is flown: no route is left, not
// the flown one's rows without an active leg.
TEST_F(PanelRouteTest, StateWithoutARouteLeavesNone) {
  SavePanelState("gate");
  Flying(kRoute, 2);
  ASSERT_EQ(LoadPanelState("GATE.PNL"), 1);
  EXPECT_EQ(std::tuple(fms_fpln_active, stpos, fp_cnt, hold_cnt), std::tuple(0, kNoActiveLeg, 0, 0));
  EXPECT_EQ(std::tuple(fms_fpln_act[1].ident, orig_ident, dest_ident), std::tuple("", "------", "------"));
}

// A route loaded in flight replaces the one flown, its last passage included: PROGRESS shows no
// FROM fix of the route before, whether the file holds a route or none.
TEST_F(PanelRouteTest, LoadedRouteTakesNoPassageOfTheRouteBefore) {
  SavePanelState("gate");
  Flying(kRoute, 0);
  SavePanelState("trip");
  for (const char* file : {"TRIP.PNL", "GATE.PNL"}) {
    std::tie(prog_from_ident, prog_from_alt, prog_from_ata, prog_from_fuel) = std::tuple("OLM", 16000.0, "1436Z", 28000.0);
    ASSERT_EQ(LoadPanelState(file), 1) << file;
    EXPECT_EQ(std::tuple(prog_from_ident, prog_from_alt, prog_from_ata, prog_from_fuel), std::tuple("", 0.0, "", 0.0))
        << file;
  }
}

// The FROM line of the route flown before does not stay with a restored route.
TEST_F(PanelRouteTest, RestoredRouteHasNoWaypointPassedYet) {
  Flying(kRoute, 0);
  SavePanelState("trip");
  std::tie(prog_from_ident, prog_from_alt) = std::tuple("LAVAS", 2200.0);
  ASSERT_EQ(LoadPanelState("TRIP.PNL"), 1);
  EXPECT_EQ(std::pair(prog_from_ident, prog_from_alt), std::pair(std::string(), 0.0));
}

// A file cut inside its route, one holding only its first section and a row without coordinates
// are refused whole: the route flown stays, and only a named file says so.
TEST_F(PanelRouteTest, CutFilesLeaveTheRouteAsItWas) {
  Flying({"W0", "W1", "W2", "W3"}, 0);
  SavePanelState("trip");
  const std::string whole = ReadBytes(PanelPath("TRIP.PNL"));
  const size_t row2 = whole.find("FPLN=W2,");
  std::string lost = whole;
  lost.erase(lost.find(',', row2), lost.find('\n', row2) - lost.find(',', row2) - 1);  // "FPLN=W2\r\n"
  Flying(kRoute, 0);
  const std::string cuts[] = {whole.substr(0, row2 + 14), whole.substr(0, row2 + 21),
                              whole.substr(0, whole.find("\r\n[FLTPLN]")), lost};
  for (const std::string& cut : cuts) {
    for (const std::string file : {"cut.pnl", "LastSavedPanelState.pnl"}) {
      dir_.Write("Orvantel/PanelStates/" + file, cut);
      cdu_message.clear();
      EXPECT_EQ(LoadPanelState(file == "cut.pnl" ? file : ""), 0) << file << " cut " << &cut - cuts;
      EXPECT_EQ(cdu_message, file == "cut.pnl" ? "PANEL STATE LOAD FAIL" : "");
      EXPECT_EQ(std::tuple(route_test::Idents(fms_fpln_act, fp_cnt), stpos, fms_fpln_active, route_test::ModIdents()),
                std::tuple(kRoute, 1, 3, kRoute));
    }
  }
  dir_.Write("Orvantel/PanelStates/whole.pnl", whole);
  ASSERT_EQ(LoadPanelState("whole.pnl"), 1);
  EXPECT_EQ(route_test::Idents(fms_fpln_act, fp_cnt), (Idents{"W0", "W1", "W2", "W3"}));
}

// A file as the writer wrote it before holds, the SID choice, the V-speed flags and the reserves
// were saved (the same file without those lines) still loads whole; the leg that held names no hold.
TEST_F(PanelRouteTest, FilesWrittenBeforeStillLoad) {
  Flying({"W0", "W1", "W2", "W3"}, 2);
  std::tie(v1, v1_set, reserves, sid_sel) = std::tuple(128, 128, 6200.0, "TACMA1");
  SavePanelState("old");
  std::istringstream in(ReadBytes(PanelPath("OLD.PNL")));
  std::string today;
  for (std::string line; std::getline(in, line);) {
    const std::string key = line.substr(0, line.find('='));
    if (key != "HOLD" && key != "sid_sel" && key != "sid_trans_sel" && key != "v1_set" && key != "vr_set" &&
        key != "v2_set" && key != "reserves") {
      today += line + "\n";
    }
  }
  dir_.Write("Orvantel/PanelStates/today.pnl", today);
  Flying(kRoute, 0);
  std::tie(v1, v1_set, reserves, sid_sel) = std::tuple(0, 0, 0.0, "------");
  ASSERT_EQ(LoadPanelState("today.pnl"), 1);
  EXPECT_EQ(std::tuple(route_test::Idents(fms_fpln_act, fp_cnt), stpos, fms_fpln_active, v1),
            std::tuple(Idents{"W0", "W1", "W2", "W3"}, 1, 3, 128));
  EXPECT_EQ(std::tuple(hold_cnt, fms_fpln_act[2].hold_idx, v1_set, reserves, sid_sel), std::tuple(0, 0, 0, 0.0, "------"));
}

// The automatic snapshot of a cruise at FL200 loaded at start-up, before any tick: the T/D is the
// one a load by name places, not one on the destination measured from 0 ft.
TEST_F(PanelRouteTest, StartUpLoadPlacesTheTodAsALoadByName) {
  Flying({"W0", "W1", "W2", "W3", "W4", "W5"}, 0);
  std::tie(cruise_alt, init_cruise_alt, toc) = std::tuple(20000, 20000, 1);
  At(47.0, -122.0, 20000.0, 180.0);
  std::tie(plane_lat, plane_lon, plane_alt) = std::tuple(47.0, -122.0, 20000.0);  // as a tick samples them
  SavePanelState("lastsaved");
  ASSERT_EQ(LoadPanelState("LastSavedPanelState.pnl"), 1);
  const double by_name_lat = tod_lat;
  Restart();
  aircraft = "orvantel 757-200 house";
  InitPanelState();
  EXPECT_NEAR(tod_lat, by_name_lat, 1e-6);
  EXPECT_LT(tod_lat, route_test::LegLat(5) - 0.3);  // well before the destination
}

// Past the T/D the path runs from where the descent began, which the T/C takes from the T/D: a load
// gives it back, not 0N 0E after a restart or the start of a route flown before.
TEST_F(PanelRouteTest, DescentPathStartsAtTheLoadedTod) {
  Flying(kRoute, 0);
  std::tie(toc, tod, tod_lat, tod_lon) = std::tuple(1, 1, 47.2, -122.3);
  SavePanelState("trip");
  std::tie(last_restr_lat, last_restr_lon) = std::tuple(0.0, 0.0);
  ASSERT_EQ(LoadPanelState("TRIP.PNL"), 1);
  EXPECT_EQ(std::tuple(last_restr_lat, last_restr_lon), std::tuple(47.2, -122.3));
}

}  // namespace
