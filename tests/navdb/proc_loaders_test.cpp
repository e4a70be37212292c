// The SID and STAR loaders, and the example simulator folder's procedures.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "fmc/fmc_globals.h"
#include "navdb/mag_model.h"
#include "navdb/path_legs.h"
#include "navdb/procs_fixture.h"
#include "navdb/sid_loader.h"

namespace {

using ExampleProcedures = ProcsTest;

// The SID, STAR and ILS of the example flight, their path legs built from real coordinates; on
// the return flight KPDX's SIDs and KSEA's STARs are only in the user files.
TEST_F(ExampleProcedures, SeattleToPortlandAndBack) {
  sim_root = RO757_SOURCE_DIR "/examples/sim";
  ASSERT_EQ(LoadAirport("KSEA", 1), 1);
  ASSERT_EQ(LoadAirport("KPDX", 2), 1);
  const AirportRecord& origin = airport_recs[1];
  const AirportRecord& dest = airport_recs[2];
  ASSERT_EQ(std::pair(origin.sid_cnt, dest.star_cnt), std::pair(2, 2));
  EXPECT_EQ(LegIdents(origin.sids[1]),
            "HD162 HD162 HD162 HD200 TR230 HD342 HD342 HD342 HD220 TR120 TACMA TR190 CENTR OLM");
  EXPECT_EQ(LegIdents(origin.sids[2]), "HD342 PAE");  // the vectors leg is dropped
  EXPECT_EQ(LegIdents(dest.stars[1]), "KELSO OLM KELSO WILAM HD200 TIMBR BTG");
  EXPECT_EQ(LegIdents(dest.approaches[1]), "TIMBR BTG TIMBR KOOTS PT102 PT192 HD102 TIMBR LAVAS RW10R HD102 BTG");

  ASSERT_EQ(LoadAirport("KPDX", 1), 1);
  ASSERT_EQ(LoadAirport("KSEA", 2), 1);
  EXPECT_EQ(LegIdents(origin.sids[1]), "HD282 HD282 HD020 BTG KELSO");
  EXPECT_EQ(LegIdents(dest.stars[1]), "OLM TACMA HD340 FOURT");
}

using SidLoader = ProcsTest;

constexpr double kClimbNmPerFt = 3.1666666666666665 / 1500.0;

// Where a climb leg of `code` to `alt_ft` ends from a threshold, with the airport's variation.
LatLon ClimbEnd(double lat, double lon, double crs_mag, int32_t alt_ft) {
  return PointAt(lat, lon, crs_mag + GetMagVar(45, -122), (alt_ft - 100) * kClimbNmPerFt);
}

TEST_F(SidLoader, RunwaySpecificAndCommonLegsWithTransitions) {
  LoadOriginWith(
      "[KTST]\nT DEP1 SID 16L\nDEP1 RW16L /H163/UA 1000 16L 45.0100 -122.0000\n"
      "DEP1 RW34R /H343/UA 1000 34R 44.9900 -122.0000\nDEP1 ALPHA 5000 --- 44.8 -122.1\n"
      "DEP1 BRAVO 6000 --- 44.7 -122.2 FO\nDEP1.EAST ECHO 9000 --- 44.7 -121.5\nDEP1.WEST WHISK 9000 --- 44.7 -122.9\n"
      "T DEP2 SID 34L\nDEP2 GOLF 4000 34L 45.2 -122.0\nDEP2 HOTEL 5000 --- 45.4 -122.0\n");
  ASSERT_EQ(Origin().sid_cnt, 2);
  const ProcedureRecord& d1 = Sid(1);
  EXPECT_EQ(Text(d1.kind) + " " + d1.runway, "SID 16L");
  EXPECT_EQ(LegIdents(d1), "HD163 HD343 ALPHA BRAVO ECHO WHISK");
  EXPECT_EQ(Joined(d1, &ProcedureLeg::runway), "16L 34R --- --- --- ---");
  // The last common leg closes the common route; the transitions carry their names.
  EXPECT_EQ(Joined(d1, &ProcedureLeg::trans), "   BRAVO EAST WEST");
  EXPECT_EQ(Joined(d1, &ProcedureLeg::marker), "   *  ");
  // Each runway's climb starts at its own threshold.
  EXPECT_LT(Off(d1.legs[1], ClimbEnd(45.01, -122.0, 163.0, 1000)), 1e-9);
  EXPECT_LT(Off(d1.legs[2], ClimbEnd(44.99, -122.0, 343.0, 1000)), 1e-9);
  // Without transitions the last leg closes the common route.
  EXPECT_EQ(Joined(Sid(2), &ProcedureLeg::trans), " HOTEL");
}

// A climb leg picks its runway from the token: "16R,16L" the first named, "16B" the first 16x of
// the table, "---" the record's runway; on a record's first leg a token longer than four
// characters is cut to three. A second climb on the same token continues from the first.
TEST_F(SidLoader, RunwayTokenFormsPickTheThreshold) {
  const struct {
    const char* token;
    const char* record_runway;
    double lat, lon;
  } cases[] = {{"16R,16L", "16L", 45.01, -122.01}, {"16B", "34L", 45.01, -122.0},
               {"---", "34L", 44.99, -122.01},     {"34XYZ", "16L", 44.99, -122.0}};
  for (const auto& c : cases) {
    LoadOriginWith(std::string("[KTST]\nT DEP1 SID ") + c.record_runway + "\nDEP1 ALPHA 3000 ALL 44.5 -122.5\n" +
                   "DEP1 /H180/UA 2000 " + c.token + " 0 0\n");
    ASSERT_EQ(Sid(1).leg_cnt, 2);
    EXPECT_LT(Off(Sid(1).legs[2], ClimbEnd(c.lat, c.lon, 180.0, 2000)), 1e-9) << c.token;
  }
  LoadOriginWith(
      "[KTST]\nT DEP1 SID 16B\nDEP1 RW16R /H163/UA 1000 16R,16L 45.0100 -122.0100\n"
      "DEP1 /H200/UA 3000 16R 0 0\nDEP1 /H220/UA 4000 16L 0 0\n");
  EXPECT_EQ(Joined(Sid(1), &ProcedureLeg::runway), "16R 16R 16L");
  const ProcedureLeg& first = Sid(1).legs[1];
  EXPECT_LT(Off(Sid(1).legs[2], ClimbEnd(first.lat, first.lon, 200.0, 3000)), 1e-9);
  EXPECT_LT(Off(Sid(1).legs[3], ClimbEnd(45.01, -122.0, 220.0, 4000)), 1e-9);
}

// Climbs without an end point, vectors, "---" fixes and bare lines add no leg.
TEST_F(SidLoader, DroppedLegs) {
  LoadOriginWith(
      "[KTST]\nT DEP1 SID 16L\nDEP1 RW16L /H163/UA 190 16L 45.0100 -122.0000\nDEP1 ALPHA 3000 --- 44.5 -122.5\n"
      "DEP1 /H163/VT 0 --- 0 0\nDEP1 --- 3000 --- 44.5 -122.5\nDEP1\nDEP1 BRAVO 4000 --- 44.4 -122.5\n");
  EXPECT_EQ(LegIdents(Sid(1)), "ALPHA BRAVO");
}

// Only lines of the airport's first section count (its header without regard to case); a leg line
// without a header creates its record; names compare with case.
TEST_F(SidLoader, SectionsAndRecords) {
  LoadOriginWith(
      "T OUT1 SID 16L\n[KAAA]\nAAA1 FIX1 5000 --- 1 1\n"
      "[ktst]\nT DEP1 SID 16L\nABC1.XYZ FIX1 5000 --- 44.9 -122.1\ndep1 FIX1 5000 --- 44.9 -122.1\n"
      "[KBBB]\nBBB1 FIX1 5000 --- 1 1\n[KTST]\nDEP2 FIX1 5000 --- 44.9 -122.1\n");
  ASSERT_EQ(Origin().sid_cnt, 3);
  EXPECT_EQ(Sid(1).leg_cnt, 0);
  EXPECT_EQ(Text(Sid(2).name) + "." + Sid(2).legs[1].trans + " " + Sid(2).kind, "ABC1.XYZ ");
  EXPECT_EQ(Text(Sid(3).name), "dep1");
  LoadOriginWith("[ KTST ]\nDEP1 FIX1 5000 --- 44.9 -122.1\n");
  EXPECT_EQ(Origin().sid_cnt, 0);
  EXPECT_EQ(Text(Sid(1).name) + Sid(2).legs[1].ident, "");  // a new load leaves nothing of the last
}

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
