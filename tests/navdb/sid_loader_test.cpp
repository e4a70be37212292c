#include <gtest/gtest.h>

#include <string>

#include "navdb/mag_model.h"
#include "navdb/path_legs.h"
#include "navdb/procs_fixture.h"
#include "navdb/sid_loader.h"

namespace {

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

}  // namespace
