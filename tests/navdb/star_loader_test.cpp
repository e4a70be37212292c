#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "fmc/fmc_globals.h"
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

// The first common fix after a transition is marked and listed. A STAR without a transition is its
// own first transition.
TEST_F(StarLoader, TransitionsAndCommonRoute) {
  LoadStars(
      "[KTST]\nKOLIN.ABC1 KOLIN 12000 --- 45.5 -122.5\nABC1 XYZ 8000 --- 45.3 -122.3\nABC1 QRS 6000 --- 45.1 -122.1\n"
      "T DEF2 STAR ALL\nGHI3 AAA 9000 --- 45.5 -122.5\nGHI3 BBB 8000 --- 45.4 -122.4\n"
      "AAA.JKL4 AAA 9000 --- 45.5 -122.5\nJKL4 BBB 8000 --- 45.4 -122.4\n");
  ASSERT_EQ(Dest().star_cnt, 4);
  EXPECT_EQ(LegIdents(Star(1)), "KOLIN XYZ QRS");
  EXPECT_EQ(Joined(Star(1), &ProcedureLeg::trans), "KOLIN XYZ ");
  EXPECT_EQ(Joined(Star(1), &ProcedureLeg::marker), " * ");
  EXPECT_EQ(Star(2).leg_cnt, 0);
  EXPECT_EQ(Joined(Star(3), &ProcedureLeg::trans), "AAA ");
  EXPECT_EQ(Joined(Star(3), &ProcedureLeg::marker), "* ");
  EXPECT_EQ(TransList(), "KOLIN XYZ AAA BBB");  // AAA once; BBB starts JKL4's common route
}

// An intercept without a reference position waits for the next leg line and ends where its course
// meets the course into that line's fix.
TEST_F(StarLoader, InterceptLegWaitsForTheNextFix) {
  LoadStars("[KTST]\nABC1 AAA 9000 --- 45.5 -122.0\nABC1 /H180/IC090 6000 16L 0 0\nABC1 BBB 4000 16R 45.2 -121.6 FO\n");
  ASSERT_EQ(LegIdents(Star(1)), "AAA HD180 BBB");
  const ProcedureLeg& leg = Star(1).legs[2];
  LatLon end{45.2, -121.6};
  ASSERT_EQ(BuildStarLegs("/H180/IC090", 45.5, -122.0, &end.lat, &end.lon, 1, "", "", 0.0), 0);
  EXPECT_EQ(Off(leg, end), 0.0);
  EXPECT_NEAR(CourseDiff(BearingDeg(45.5, -122.0, end.lat, end.lon), 180.0 + dest_magvar), 0.0, 0.01);
  // It takes the altitude, runway and fly-over of the line that completed it.
  EXPECT_EQ(Text(leg.alt_text) + " " + leg.runway + " " + std::to_string(leg.fly_over), "4000 16R 1");
}

// A leg still waiting at the end of the section, or of the file, is dropped; so is one whose
// courses never meet ahead, when its next fix is read.
TEST_F(StarLoader, InterceptLegWithoutEndPointIsDropped) {
  LoadStars("[KTST]\nABC1 AAA 9000 --- 45.5 -122.0\nABC1 /H180/IC090 6000 16L 0 0\n[KZZZ]\nZZZ1 ZZZ 1 --- 1 1\n");
  EXPECT_EQ(LegIdents(Star(1)), "AAA");
  EXPECT_EQ(Text(Star(1).legs[2].alt_text), "");  // the row is left empty
  LoadStars("[KTST]\nABC1 AAA 9000 --- 45.5 -122.0\nABC1 /H180/IC090 6000 16L 0 0");
  EXPECT_EQ(LegIdents(Star(1)), "AAA");
  LoadStars("[KTST]\nABC1 AAA 9000 --- 45.5 -122.0\nABC1 /H000/IC180 6000 --- 0 0\nABC1 BBB 4000 --- 45.2 -121.6\n");
  EXPECT_EQ(LegIdents(Star(1)), "AAA BBB");
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
  EXPECT_EQ(std::tuple(a.star_cnt, Star(90).leg_cnt, a.trans_list_cnt, a.name_list_cnt), std::tuple(90, 3, 120, 249));
  EXPECT_EQ(Text(a.trans_list[120].name), "T40_3");
  EXPECT_EQ(Text(a.name_list[249]), "S63");  // 4 names per STAR: the 63rd STAR's name is the last
}

}  // namespace
