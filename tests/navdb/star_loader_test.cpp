#include <gtest/gtest.h>

#include <string>

#include "fmc/fmc_globals.h"
#include "navdb/mag_model.h"
#include "navdb/path_legs.h"
#include "navdb/procs_fixture.h"

namespace {

class StarLoader : public ProcsTest {
 protected:
  void LoadStars(const std::string& stars) { LoadDestWith(stars, ""); }
  std::string TransList() {
    std::string s;
    for (int i = 1; i <= Dest().trans_list_cnt; ++i) s += std::string(i > 1 ? " " : "") + Dest().trans_list[i].name;
    return s;
  }
};

TEST_F(StarLoader, TransitionThenCommonRoute) {
  LoadStars("[KTST]\nKOLIN.ABC1 KOLIN 12000 --- 45.5 -122.5\nABC1 XYZ 8000 --- 45.3 -122.3\nABC1 QRS 6000 --- 45.1 -122.1\n");
  ASSERT_EQ(Dest().star_cnt, 1);
  const ProcedureRecord& r = Star(1);
  EXPECT_EQ(Text(r.name), "ABC1");
  EXPECT_EQ(LegIdents(r), "KOLIN XYZ QRS");
  EXPECT_EQ(Text(r.legs[1].trans), "KOLIN");
  EXPECT_EQ(Text(r.legs[1].marker), "");
  EXPECT_EQ(Text(r.legs[2].trans), "XYZ");  // first common fix after the transition
  EXPECT_EQ(Text(r.legs[2].marker), "*");
  EXPECT_EQ(Text(r.legs[3].trans), "");
  EXPECT_EQ(Text(r.legs[3].alt_text), "6000");
  EXPECT_DOUBLE_EQ(r.legs[3].lat, 45.1);
  EXPECT_EQ(TransList(), "KOLIN XYZ");
  EXPECT_EQ(dest_magvar, GetMagVar(45, -122));
}

TEST_F(StarLoader, StarWithoutTransitionIsItsOwnFirstTransition) {
  LoadStars(
      "[KTST]\nT DEF2 STAR ALL\nGHI3 AAA 9000 --- 45.5 -122.5\nGHI3 BBB 8000 --- 45.4 -122.4\n"
      "AAA.JKL4 AAA 9000 --- 45.5 -122.5\nJKL4 BBB 8000 --- 45.4 -122.4\n");
  ASSERT_EQ(Dest().star_cnt, 3);
  EXPECT_EQ(Text(Star(1).kind), "STAR");
  EXPECT_EQ(Star(1).leg_cnt, 0);
  EXPECT_EQ(Text(Star(2).legs[1].trans), "AAA");
  EXPECT_EQ(Text(Star(2).legs[1].marker), "*");
  EXPECT_EQ(Text(Star(2).legs[2].trans), "");
  EXPECT_EQ(TransList(), "AAA BBB");  // AAA once; BBB starts JKL4's common route
}

// An intercept without a reference position waits for the next leg line and ends where its course
// meets the course into that line's fix.
TEST_F(StarLoader, InterceptLegWaitsForTheNextFix) {
  LoadStars(
      "[KTST]\nABC1 AAA 9000 --- 45.5 -122.0\n"
      "ABC1 /H180/IC090 6000 16L 0 0\n"
      "ABC1 BBB 4000 16R 45.2 -121.6 FO\n");
  ASSERT_EQ(Star(1).leg_cnt, 3);
  const ProcedureLeg& leg = Star(1).legs[2];
  EXPECT_EQ(Text(leg.ident), "HD180");
  double lat = 45.2, lon = -121.6;
  ASSERT_EQ(BuildStarLegs("/H180/IC090", 45.5, -122.0, &lat, &lon, 1, "", "", 0.0), 0);
  EXPECT_DOUBLE_EQ(leg.lat, lat);
  EXPECT_DOUBLE_EQ(leg.lon, lon);
  EXPECT_NEAR(CourseDiff(BearingDeg(45.5, -122.0, lat, lon), 180.0 + dest_magvar), 0.0, 0.01);
  // It takes the altitude, runway and fly-over of the line that completed it.
  EXPECT_EQ(Text(leg.alt_text), "4000");
  EXPECT_EQ(Text(leg.runway), "16R");
  EXPECT_EQ(leg.fly_over, 1);
  EXPECT_EQ(LegIdents(Star(1)), "AAA HD180 BBB");
}

// A leg still waiting at the end of the section, or of the file, is dropped.
TEST_F(StarLoader, InterceptLegLeftWaitingIsDropped) {
  LoadStars("[KTST]\nABC1 AAA 9000 --- 45.5 -122.0\nABC1 /H180/IC090 6000 16L 0 0\n[KZZZ]\nZZZ1 ZZZ 1 --- 1 1\n");
  EXPECT_EQ(LegIdents(Star(1)), "AAA");
  EXPECT_EQ(Text(Star(1).legs[2].alt_text), "");  // the row is left empty
  LoadStars("[KTST]\nABC1 AAA 9000 --- 45.5 -122.0\nABC1 /H180/IC090 6000 16L 0 0");
  EXPECT_EQ(LegIdents(Star(1)), "AAA");
}

// An intercept whose courses never meet ahead is dropped when its next fix is read.
TEST_F(StarLoader, InterceptWithoutEndPointIsDroppedAtTheNextFix) {
  LoadStars("[KTST]\nABC1 AAA 9000 --- 45.5 -122.0\nABC1 /H000/IC180 6000 --- 0 0\nABC1 BBB 4000 --- 45.2 -121.6\n");
  EXPECT_EQ(LegIdents(Star(1)), "AAA BBB");
}

// A path leg that begins the common route is listed under its own name, as a fix would be.
TEST_F(StarLoader, PathLegStartingTheCommonRouteIsListedByItsName) {
  LoadStars("[KTST]\nAAA.ABC1 AAA 9000 --- 45.5 -122.0\nABC1 /T180/UD10.0 6000 --- 45.0 -122.0\n");
  EXPECT_EQ(Text(Star(1).legs[2].trans), "TR180");
  EXPECT_EQ(TransList(), "AAA TR180");
}

// With the path code in the third token, the fix in the second names only a first leg.
TEST_F(StarLoader, ShiftedLayout) {
  LoadStars(
      "[KTST]\nABC1 AAA /T180/UD10.0 9000 --- 45.5 -122.0 FO\n"
      "ABC1 BBB /T180/UD10.0 6000 16L 45.0 -122.0 FO\n");
  ASSERT_EQ(Star(1).leg_cnt, 2);
  EXPECT_EQ(Text(Star(1).legs[1].ident), "AAA");
  EXPECT_DOUBLE_EQ(Star(1).legs[1].lat, 45.5);
  EXPECT_EQ(Text(Star(1).legs[1].alt_text), "9000");
  EXPECT_EQ(Star(1).legs[1].fly_over, 0);  // the seventh token is emptied by the shift
  EXPECT_EQ(Text(Star(1).legs[2].ident), "TR180");
  EXPECT_EQ(Text(Star(1).legs[2].runway), "16L");
}

// Vectors have no end point, in either layout.
TEST_F(StarLoader, VectorLinesAreSkipped) {
  LoadStars(
      "[KTST]\nABC1 AAA 9000 --- 45.5 -122.0\nABC1 BBB /H180/VT 6000 --- 45.2 -121.6\n"
      "ABC1 /H180/VT 6000 --- 45.2 -121.6\nABC1 CCC 4000 --- 45.1 -122.1\n");
  EXPECT_EQ(LegIdents(Star(1)), "AAA CCC");
}

TEST_F(StarLoader, NameListHoldsNamesAndTransitionsOnce) {
  LoadStars("[KTST]\nKOLIN.ABC1 KOLIN 1 --- 45.5 -122.5\nABC1 XYZ 1 --- 45.3 -122.3\nABC1 QRS 1 --- 45.1 -122.1\n");
  const AirportRecord& a = Dest();
  ASSERT_EQ(a.name_list_cnt, 4);
  EXPECT_EQ(Text(a.name_list[1]), "ABC1");
  EXPECT_EQ(Text(a.name_list[2]), "ABC1.KOLIN");
  EXPECT_EQ(Text(a.name_list[3]), "ABC1.XYZ");
  EXPECT_EQ(Text(a.name_list[4]), "ABC1.");
  EXPECT_EQ(star_trans_cur, "ABC1.");
}

TEST_F(StarLoader, MissingFileOrSectionLeavesNoStars) {
  star_trans_cur = "------";
  LoadStars("[KAAA]\nABC1 AAA 1 --- 1 1\n");
  EXPECT_EQ(Dest().star_cnt, 0);
  EXPECT_EQ(Dest().name_list_cnt, 0);
  EXPECT_EQ(star_trans_cur, "------");
  WriteNavFile("stars_user.txt", "[KTST]\nUSR1 AAA 1 --- 1 1\n");
  ASSERT_EQ(LoadAirport("KTST", 2), 1);
  EXPECT_EQ(Text(Star(1).name), "USR1");
}

// The tables stop at their capacities: 90 STARs, 120 transitions, 249 names.
TEST_F(StarLoader, TablesStopAtCapacity) {
  std::string text = "[KTST]\n";
  for (int i = 1; i <= 95; ++i) {
    for (int t = 1; t <= 3; ++t) {
      text += "T" + std::to_string(i) + "_" + std::to_string(t) + ".S" + std::to_string(i) + " FIX 1 --- 45 -122\n";
    }
  }
  LoadStars(text);
  const AirportRecord& a = Dest();
  EXPECT_EQ(a.star_cnt, 90);
  EXPECT_EQ(Text(Star(90).name), "S90");
  EXPECT_EQ(Star(90).leg_cnt, 3);
  EXPECT_EQ(Text(Star(91).name), "");
  EXPECT_EQ(a.trans_list_cnt, 120);
  EXPECT_EQ(Text(a.trans_list[120].name), "T40_3");
  EXPECT_EQ(a.name_list_cnt, 249);
  EXPECT_EQ(Text(a.name_list[249]), "S63");  // 4 names per STAR: the 63rd STAR's name is the last
}

}  // namespace
