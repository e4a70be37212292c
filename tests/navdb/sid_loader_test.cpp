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
      "[KTST]\n"
      "T DEP1 SID 16L\n"
      "DEP1 RW16L /H163/UA 1000 16L 45.0100 -122.0000\n"
      "DEP1 RW34R /H343/UA 1000 34R 44.9900 -122.0000\n"
      "DEP1 ALPHA 5000 --- 44.8 -122.1\n"
      "DEP1 BRAVO 6000 --- 44.7 -122.2 FO\n"
      "DEP1.EAST ECHO 9000 --- 44.7 -121.5\n"
      "DEP1.WEST WHISK 9000 --- 44.7 -122.9\n"
      "T DEP2 SID 34L\n"
      "DEP2 GOLF 4000 34L 45.2 -122.0\n"
      "DEP2 HOTEL 5000 --- 45.4 -122.0\n");
  ASSERT_EQ(Origin().sid_cnt, 2);
  const ProcedureRecord& d1 = Sid(1);
  EXPECT_EQ(Text(d1.name), "DEP1");
  EXPECT_EQ(Text(d1.kind), "SID");
  EXPECT_EQ(Text(d1.runway), "16L");
  EXPECT_EQ(LegIdents(d1), "HD163 HD343 ALPHA BRAVO ECHO WHISK");
  EXPECT_EQ(Text(d1.legs[1].runway), "16L");
  EXPECT_EQ(Text(d1.legs[2].runway), "34R");
  EXPECT_EQ(Text(d1.legs[3].runway), "---");
  EXPECT_EQ(Text(d1.legs[1].alt_text), "1000");
  EXPECT_EQ(d1.legs[4].fly_over, 1);
  // The last common leg closes the common route; the transitions carry their names.
  EXPECT_EQ(Text(d1.legs[3].trans), "");
  EXPECT_EQ(Text(d1.legs[4].trans), "BRAVO");
  EXPECT_EQ(Text(d1.legs[4].marker), "*");
  EXPECT_EQ(Text(d1.legs[5].trans), "EAST");
  EXPECT_EQ(Text(d1.legs[6].trans), "WEST");
  EXPECT_EQ(Text(d1.legs[6].marker), "");
  // Each runway's climb starts at its own threshold.
  LatLon up16 = ClimbEnd(45.01, -122.0, 163.0, 1000);
  EXPECT_NEAR(d1.legs[1].lat, up16.lat, 1e-9);
  EXPECT_NEAR(d1.legs[1].lon, up16.lon, 1e-9);
  LatLon up34 = ClimbEnd(44.99, -122.0, 343.0, 1000);
  EXPECT_NEAR(d1.legs[2].lat, up34.lat, 1e-9);
  EXPECT_DOUBLE_EQ(d1.legs[3].lat, 44.8);
  // Without transitions the last leg closes the common route.
  EXPECT_EQ(LegIdents(Sid(2)), "GOLF HOTEL");
  EXPECT_EQ(Text(Sid(2).legs[2].trans), "HOTEL");
  EXPECT_EQ(Text(Sid(2).legs[2].marker), "*");
  EXPECT_EQ(origin_magvar, GetMagVar(45, -122));
  EXPECT_EQ(Origin().trans_list_cnt, 0);
}

struct RunwayTokenCase {
  const char* token;
  const char* record_runway;
  double lat, lon;  // threshold the climb starts from
};
class SidRunwayTokens : public SidLoader, public ::testing::WithParamInterface<RunwayTokenCase> {};

// A climb leg after the first picks its runway from the token: "16L,16R" the first named, "16B"
// the first 16x of the table, "---" the record's runway.
TEST_P(SidRunwayTokens, ClimbStartsAtTheNamedThreshold) {
  const RunwayTokenCase& c = GetParam();
  LoadOriginWith(std::string("[KTST]\nT DEP1 SID ") + c.record_runway +
                 "\n"
                 "DEP1 ALPHA 3000 ALL 44.5 -122.5\n"
                 "DEP1 /H180/UA 2000 " +
                 c.token + " 0 0\n");
  ASSERT_EQ(Sid(1).leg_cnt, 2);
  LatLon end = ClimbEnd(c.lat, c.lon, 180.0, 2000);
  EXPECT_NEAR(Sid(1).legs[2].lat, end.lat, 1e-9);
  EXPECT_NEAR(Sid(1).legs[2].lon, end.lon, 1e-9);
  EXPECT_EQ(Text(Sid(1).legs[2].runway), c.token);
}
INSTANTIATE_TEST_SUITE_P(Tokens, SidRunwayTokens,
                         ::testing::Values(RunwayTokenCase{"16R,16L", "16L", 45.01, -122.01},
                                           RunwayTokenCase{"16B", "34L", 45.01, -122.0},
                                           RunwayTokenCase{"---", "34L", 44.99, -122.01},
                                           RunwayTokenCase{"34XYZ", "16L", 44.99, -122.0}));

// On a record's first leg a runway token longer than four characters is cut to three.
TEST_F(SidLoader, FirstLegCutsLongRunwayToken) {
  LoadOriginWith("[KTST]\nT DEP1 SID 16B\nDEP1 RW16R /H163/UA 1000 16R,16L 45.0100 -122.0100\n");
  EXPECT_EQ(Text(Sid(1).legs[1].runway), "16R");
  LatLon end = ClimbEnd(45.01, -122.01, 163.0, 1000);
  EXPECT_NEAR(Sid(1).legs[1].lat, end.lat, 1e-9);
}

TEST_F(SidLoader, SecondClimbWithTheSameRunwayTokenContinuesFromTheFirst) {
  LoadOriginWith(
      "[KTST]\nT DEP1 SID 16B\n"
      "DEP1 RW16L /H163/UA 1000 16B 45.0100 -122.0000\n"
      "DEP1 /H200/UA 3000 16B 0 0\n"
      "DEP1 /H220/UA 4000 16R 0 0\n");
  ASSERT_EQ(Sid(1).leg_cnt, 3);
  const ProcedureLeg& first = Sid(1).legs[1];
  LatLon second = ClimbEnd(first.lat, first.lon, 200.0, 3000);
  EXPECT_NEAR(Sid(1).legs[2].lat, second.lat, 1e-9);
  EXPECT_NEAR(Sid(1).legs[2].lon, second.lon, 1e-9);
  // Another runway token starts over at that runway.
  LatLon third = ClimbEnd(45.01, -122.01, 220.0, 4000);
  EXPECT_NEAR(Sid(1).legs[3].lat, third.lat, 1e-9);
}

TEST_F(SidLoader, DroppedLegs) {
  LoadOriginWith(
      "[KTST]\nT DEP1 SID 16L\n"
      "DEP1 RW16L /H163/UA 190 16L 45.0100 -122.0000\n"  // 90 ft of climb: no end point
      "DEP1 ALPHA 3000 --- 44.5 -122.5\n"
      "DEP1 /H163/VT 0 --- 0 0\n"  // vectors
      "DEP1 --- 3000 --- 44.5 -122.5\n"
      "DEP1\n"
      "DEP1 BRAVO 4000 --- 44.4 -122.5\n");
  EXPECT_EQ(LegIdents(Sid(1)), "ALPHA BRAVO");
  EXPECT_EQ(Text(Sid(1).legs[3].ident), "");  // dropped rows are left empty
}

// A leg flown over and followed by a turn starts its turn 3.3 NM abeam.
TEST_F(SidLoader, TurnAfterFlyOverFixStartsAbeam) {
  LoadOriginWith(
      "[KTST]\nT DEP1 SID 16L\n"
      "DEP1 ALPHA 3000 16L 44.8 -122.0 FO\n"
      "DEP1 /RT/T270/UD20.0 4000 --- 45.0 -122.0\n");
  ASSERT_EQ(Sid(1).leg_cnt, 2);
  // The heading flown is the runway's (180); d = 90, so the bearing is 180 - 90 + 90 = 180.
  LatLon moved = PointAt(44.8, -122.0, 180.0, 3.301194295752146);
  double lat = 45.0, lon = -122.0;
  proc_ref_lat = 45.0;
  proc_ref_lon = -122.0;
  ASSERT_EQ(BuildSidLegs("/RT/T270/UD20.0", moved.lat, moved.lon, &lat, &lon, 1, "", "", -1, 270.0), 0);
  EXPECT_NEAR(Sid(1).legs[2].lat, lat, 1e-12);
  EXPECT_NEAR(Sid(1).legs[2].lon, lon, 1e-12);
  EXPECT_NEAR(DistNm(45.0, -122.0, lat, lon), 20.0, 0.1);
  EXPECT_EQ(Text(Sid(1).legs[2].ident), "TR270");
  EXPECT_EQ(Sid(1).legs[2].fly_over, 1);  // a DME fix is flown over
}

// Without a reference fix of its own (fifth token 0 or negative) the start serves: a DME leg then
// measures from the start and, not meeting its distance, ends there.
TEST_F(SidLoader, PathLegWithoutReferenceFixUsesTheStart) {
  LoadOriginWith(
      "[KTST]\nT DEP1 SID 16L\n"
      "DEP1 ALPHA 3000 --- 44.5 -122.5\n"
      "DEP1 /H090/UD60.0 4000 --- 0 0\n"
      "DEP1 /H090/UD5.0 4000 --- -1 7\n");
  ASSERT_EQ(Sid(1).leg_cnt, 3);
  EXPECT_DOUBLE_EQ(Sid(1).legs[2].lat, 44.5);
  EXPECT_DOUBLE_EQ(Sid(1).legs[2].lon, -122.5);
  EXPECT_NEAR(DistNm(44.5, -122.5, Sid(1).legs[3].lat, Sid(1).legs[3].lon), 5.0, 0.1);
}

TEST_F(SidLoader, LegWithoutHeaderLineCreatesItsRecord) {
  LoadOriginWith("[KTST]\nABC1.XYZ FIX1 5000 --- 44.9 -122.1\nABC1.XYZ FIX2 5000 --- 44.8 -122.1\n");
  ASSERT_EQ(Origin().sid_cnt, 1);
  EXPECT_EQ(Text(Sid(1).name), "ABC1");
  EXPECT_EQ(Text(Sid(1).kind), "");
  EXPECT_EQ(Text(Sid(1).runway), "");
  EXPECT_EQ(Text(Sid(1).legs[1].trans), "XYZ");
  EXPECT_EQ(Text(Sid(1).legs[2].trans), "XYZ");
}

TEST_F(SidLoader, ProcedureNamesAreCaseSensitive) {
  LoadOriginWith("[KTST]\nT DEP1 SID 16L\ndep1 FIX1 5000 --- 44.9 -122.1\n");
  ASSERT_EQ(Origin().sid_cnt, 2);
  EXPECT_EQ(Sid(1).leg_cnt, 0);
  EXPECT_EQ(Text(Sid(2).name), "dep1");
}

TEST_F(SidLoader, SectionHeaders) {
  LoadOriginWith(
      "T OUT1 SID 16L\n"  // outside any section: inert
      "[KAAA]\nAAA1 FIX1 5000 --- 1 1\n"
      "[ktst]\nDEP1 FIX1 5000 --- 44.9 -122.1\n"
      "[KBBB]\nBBB1 FIX1 5000 --- 1 1\n"
      "[KTST]\nDEP2 FIX1 5000 --- 44.9 -122.1\n");
  ASSERT_EQ(Origin().sid_cnt, 1);
  EXPECT_EQ(Text(Sid(1).name), "DEP1");
  LoadOriginWith("[ KTST ]\nDEP1 FIX1 5000 --- 44.9 -122.1\n");
  EXPECT_EQ(Origin().sid_cnt, 0);
}

TEST_F(SidLoader, UserFileOnlyForAnAirportTheMainFileLacks) {
  WriteNavFile("sids_user.txt", "[KTST]\nUSR1 FIX1 5000 --- 44.9 -122.1\n");
  LoadOriginWith("[KAAA]\nAAA1 FIX1 5000 --- 1 1\n");
  ASSERT_EQ(Origin().sid_cnt, 1);
  EXPECT_EQ(Text(Sid(1).name), "USR1");
  LoadOriginWith("[KTST]\nDEP1 FIX1 5000 --- 44.9 -122.1\n");
  ASSERT_EQ(Origin().sid_cnt, 1);
  EXPECT_EQ(Text(Sid(1).name), "DEP1");
  std::filesystem::remove(root_ / "Orvantel" / "Navdata" / "sids.txt");
  ASSERT_EQ(LoadAirport("KTST", 1), 1);
  EXPECT_EQ(Text(Sid(1).name), "USR1");
}

// A new load starts from an empty table: a shorter SID leaves nothing of the longer one.
TEST_F(SidLoader, ReloadLeavesNoStaleLegs) {
  LoadOriginWith("[KTST]\nDEP1 A1 1 --- 1 1\nDEP1 A2 1 --- 1 1\nDEP1 A3 1 --- 1 1\nDEP2 B1 1 --- 1 1\n");
  ASSERT_EQ(Origin().sid_cnt, 2);
  LoadOriginWith("[KTST]\nDEP9 C1 1 --- 1 1\n");
  ASSERT_EQ(Origin().sid_cnt, 1);
  EXPECT_EQ(Sid(1).leg_cnt, 1);
  EXPECT_EQ(Text(Sid(1).legs[2].ident), "");
  EXPECT_EQ(Text(Sid(1).legs[1].marker), "*");
  EXPECT_EQ(Text(Sid(2).name), "");
}

}  // namespace
