#include <gtest/gtest.h>

#include <string>

#include "navdb/approach_loader.h"
#include "navdb/mag_model.h"
#include "navdb/procs_fixture.h"

namespace {

class ApproachLoader : public ProcsTest {
 protected:
  void LoadApps(const std::string& apps) { LoadDestWith("", apps); }
};

TEST_F(ApproachLoader, FixLegsWithRolesCodesAndTransitionNames) {
  LoadApps(
      "[KTST]\n"
      "16L I16L AAA IAF 5000 45.5 -122.0 - 65 66 fo\n"
      "16L I16L BBB AAA 4000 45.4 -122.0\n"
      "16L I16L CCC IAF 4000 45.4 -122.2 WEST\n"
      "16L I16L DDD --- 3000 45.3 -122.2 DDD\n"
      "16L I16L EEE --- 3000 45.3 -122.1 -X\n"
      "16L I16L FFF FAF 2000 45.1 -122.0 SOUTH\n"
      "16L I16L RW16L MAP 100 45.01 -122.0\n"
      "16L I16L GGG HOLD 3000 44.9 -122.0 ALT\n");
  ASSERT_EQ(Dest().appr_cnt, 1);
  const ProcedureRecord& r = Appr(1);
  EXPECT_EQ(Text(r.id), "I16L");
  EXPECT_EQ(Text(r.runway), "16L");
  EXPECT_EQ(Text(r.name), "");
  EXPECT_EQ(LegIdents(r), "AAA BBB CCC DDD EEE FFF RW16L GGG");
  const char* trans[] = {"AAA", "AAA", "WEST", "DDD", "", "", "", "ALT"};
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(Text(r.legs[k].trans), trans[k - 1]) << k;
  EXPECT_EQ(Text(r.legs[1].role), "IAF");
  EXPECT_EQ(Text(r.legs[2].role), "AAA");
  EXPECT_EQ(Text(r.legs[1].alt_text), "5000");
  EXPECT_EQ(Text(r.legs[1].appr_id), "I16L");
  EXPECT_EQ(Text(r.legs[1].runway), "16L");
  EXPECT_EQ(Text(r.legs[1].code1), "A");
  EXPECT_EQ(Text(r.legs[1].code2), "B");
  EXPECT_EQ(Text(r.legs[2].code1), "");
  EXPECT_EQ(r.legs[1].fly_over, 1);
  EXPECT_EQ(r.legs[2].fly_over, 0);
  EXPECT_DOUBLE_EQ(r.legs[3].lat, 45.4);
  EXPECT_DOUBLE_EQ(r.legs[3].lon, -122.2);
  EXPECT_EQ(Text(r.legs[1].marker), "");
  EXPECT_DOUBLE_EQ(proc_ref_lat, 44.9);
  EXPECT_EQ(dest_magvar, GetMagVar(45, -122));
  EXPECT_EQ(Dest().appr_trans_cnt, 1);
  EXPECT_EQ(Text(Dest().appr_transitions[1].kind), "I16L");
}

// A path code in the fourth token moves tokens 4..11 forward, once before the duplicate test and
// once more before the transition name.
TEST_F(ApproachLoader, ShiftRule) {
  LoadApps(
      "[KTST]\n"
      "16L I16L AAA IAF 5000 45.5 -122.0\n"
      "16L I16L BBB /T180/UD5.0 IAF 4000 45.3 -122.0 XTRANS 67 FO\n"
      "16L I16L CCC /X /H180/UD6.0 FAF 3000 45.2 -122.0\n");
  const ProcedureRecord& r = Appr(1);
  ASSERT_EQ(r.leg_cnt, 3);
  const ProcedureLeg& leg = r.legs[2];
  EXPECT_EQ(Text(leg.ident), "TR180");
  EXPECT_EQ(Text(leg.role), "IAF");
  EXPECT_EQ(Text(leg.alt_text), "4000");
  EXPECT_EQ(Text(leg.trans), "XTRANS");
  EXPECT_EQ(Text(leg.code1), "C");
  EXPECT_EQ(Text(leg.code2), "");  // "FO" moved into token 10 is no number
  EXPECT_EQ(leg.fly_over, 1);      // token 11 keeps its own value
  EXPECT_NEAR(DistNm(45.3, -122.0, leg.lat, leg.lon), 5.0, 0.1);
  // Shifted twice: the code comes from token 5.
  EXPECT_EQ(Text(r.legs[3].appr_id), "I16L");
  EXPECT_EQ(Text(r.legs[3].ident), "HD180");
  EXPECT_EQ(Text(r.legs[3].role), "FAF");
  EXPECT_NEAR(DistNm(45.2, -122.0, r.legs[3].lat, r.legs[3].lon), 6.0, 0.1);
}

TEST_F(ApproachLoader, RunwaysAndInterleavedApproaches) {
  LoadApps(
      "[KTST]\n"
      "- VORA AAA IAF 5000 45.5 -122.0\n"
      "16L I16L BBB IAF 5000 45.4 -122.0\n"
      "--- VORA CCC FAF 3000 45.3 -122.0\n"
      "16L I16L DDD FAF 3000 45.2 -122.0\n"
      "-- VORA EEE MAP 1000 45.1 -122.0\n");
  ASSERT_EQ(Dest().appr_cnt, 2);
  EXPECT_EQ(Text(Appr(1).runway), "");
  EXPECT_EQ(Text(Appr(1).id), "VORA");
  EXPECT_EQ(LegIdents(Appr(1)), "AAA CCC EEE");
  EXPECT_EQ(LegIdents(Appr(2)), "BBB DDD");
  EXPECT_EQ(Text(Appr(1).legs[2].runway), "");
  EXPECT_EQ(Dest().appr_trans_cnt, 2);
}

TEST_F(ApproachLoader, SectionBoundariesAndShortLines) {
  LoadApps(
      "16L XXX AAA IAF 5000 45.5 -122.0\n"
      "[KTST]\n"
      "; comment\n"
      "* comment\n"
      "16L I16L\n"
      "16L\n"
      "\n"
      "16L I16L BBB IAF 5000 45.4 -122.0\n"
      "[KTST]\n"
      "16L I16L CCC IAF 5000 45.4 -122.0\n");
  ASSERT_EQ(Dest().appr_cnt, 1);
  EXPECT_EQ(LegIdents(Appr(1)), "BBB");
  LoadApps("[ktst]\n16L I16L BBB IAF 5000 45.4 -122.0\n");
  EXPECT_EQ(Dest().appr_cnt, 1);
}

// "/LT/T360/UD9.0": a track of 360 (plus the variation) until 9.0 NM from the reference fix.
TEST_F(ApproachLoader, DmePathLeg) {
  LoadApps("[KTST]\n16L I16L AAA IAF 5000 45.5 -122.0\n16L I16L /LT/T360/UD9.0 --- 4000 45.8 -122.0\n");
  const ProcedureLeg& leg = Appr(1).legs[2];
  EXPECT_EQ(Text(leg.ident), "TR360");
  EXPECT_NEAR(DistNm(45.8, -122.0, leg.lat, leg.lon), 9.0, 0.1);
  EXPECT_NEAR(CourseDiff(BearingDeg(45.5, -122.0, leg.lat, leg.lon), dest_magvar), 0.0, 1e-3);
  EXPECT_DOUBLE_EQ(proc_ref_lat, leg.lat);
}

TEST_F(ApproachLoader, InterceptPathLeg) {
  LoadApps("[KTST]\n16L I16L AAA IAF 5000 45.5 -122.2\n16L I16L /H090/IC180 --- 4000 45.2 -122.0\n");
  const ProcedureLeg& leg = Appr(1).legs[2];
  EXPECT_EQ(Text(leg.ident), "HD090");
  EXPECT_NEAR(CourseDiff(BearingDeg(45.5, -122.2, leg.lat, leg.lon), 90.0 + dest_magvar), 0.0, 0.01);
  EXPECT_NEAR(CourseDiff(BearingDeg(45.2, -122.0, leg.lat, leg.lon), dest_magvar), 0.0, 0.01);
}

TEST_F(ApproachLoader, UnresolvablePathLegStaysAtThePreviousLeg) {
  LoadApps(
      "[KTST]\n16L I16L AAA IAF 5000 45.5 -122.0\n16L I16L /H090/UD90.0 --- 4000 45.5 -122.0\n"
      "16L I16L /X090/UD1.0 --- 4000 45.5 -122.0\n");
  const ProcedureRecord& r = Appr(1);
  EXPECT_DOUBLE_EQ(r.legs[2].lat, 45.5);
  EXPECT_DOUBLE_EQ(r.legs[2].lon, -122.0);
  EXPECT_EQ(Text(r.legs[2].ident), "HD090");
  EXPECT_EQ(Text(r.legs[3].ident), "HD090");  // no course letter: the last name given stays
}

// A procedure turn adds two legs: out 3.0 NM on the reciprocal of the inbound course, across 1.5
// NM, then its own leg inbound.
TEST_F(ApproachLoader, ProcedureTurnAddsTwoTurnLegs) {
  LoadApps("[KTST]\n16L I16L AAA IAF 5000 45.5 -122.0 ALPHA\n16L I16L /LT-H180/UD3.0 AAA 4000 45.5 -122.0\n");
  const ProcedureRecord& r = Appr(1);
  ASSERT_EQ(r.leg_cnt, 4);
  EXPECT_EQ(LegIdents(r), "AAA PT180 PT270 HD180");
  LatLon out = PointAt(45.5, -122.0, 0.0, 3.0);  // 180 + 180, taken as a true course
  EXPECT_NEAR(r.legs[2].lat, out.lat, 1e-9);
  EXPECT_NEAR(r.legs[2].lon, out.lon, 1e-9);
  LatLon across = PointAt(out.lat, out.lon, 270.0, 1.5);
  EXPECT_NEAR(r.legs[3].lat, across.lat, 1e-9);
  EXPECT_NEAR(r.legs[3].lon, across.lon, 1e-9);
  for (int k = 2; k <= 3; ++k) {
    EXPECT_EQ(Text(r.legs[k].trans), "AAA") << k;
    EXPECT_EQ(Text(r.legs[k].appr_id), "I16L") << k;
    EXPECT_EQ(Text(r.legs[k].runway), "16L") << k;
    EXPECT_EQ(Text(r.legs[k].role), "") << k;
  }
  // Inbound on 180 (plus the variation) until 3.0 NM from the fix.
  EXPECT_NEAR(DistNm(45.5, -122.0, r.legs[4].lat, r.legs[4].lon), 3.0, 0.1);
  EXPECT_NEAR(CourseDiff(BearingDeg(across.lat, across.lon, r.legs[4].lat, r.legs[4].lon), 180.0 + dest_magvar), 0.0,
              1e-3);
  EXPECT_EQ(Text(r.legs[4].role), "AAA");
  EXPECT_EQ(Text(r.legs[4].alt_text), "4000");
}

TEST_F(ApproachLoader, RightProcedureTurnTurnsTheOtherWay) {
  LoadApps("[KTST]\n16L I16L AAA IAF 5000 45.5 -122.0\n16L I16L /RT-H090/UD1.0 --- 4000 45.5 -122.0\n");
  EXPECT_EQ(LegIdents(Appr(1)), "AAA PT090 PT360 HD090");
  LatLon out = PointAt(45.5, -122.0, 270.0, 3.0);
  EXPECT_NEAR(Appr(1).legs[2].lon, out.lon, 1e-9);
}

// A path code that opens an approach starts at its reference fix, and its turn legs carry the
// approach's identifier.
TEST_F(ApproachLoader, PathCodeOpeningAnApproachStartsAtItsReference) {
  LoadApps("[KTST]\n16L I16L /LT-H180/UD1.0 IAF 4000 45.5 -122.0\n");
  const ProcedureRecord& r = Appr(1);
  ASSERT_EQ(r.leg_cnt, 3);
  LatLon out = PointAt(45.5, -122.0, 0.0, 3.0);
  EXPECT_NEAR(r.legs[1].lat, out.lat, 1e-9);
  EXPECT_EQ(Text(r.legs[1].appr_id), "I16L");
  EXPECT_EQ(Text(r.legs[2].appr_id), "I16L");
}

// By design: a line repeating the last leg's fix, with token 8 equal to that leg's role,
// adds no leg and takes the reference position from tokens 7 and 8.
TEST_F(ApproachLoader, RepeatedLineAddsNoLeg) {
  LoadApps(
      "[KTST]\n16L I16L AAA IAF 5000 45.5 -122.0\n16L I16L BBB FAF 4000 45.4 -122.0\n"
      "16L I16L BBB FAF 4000 45.4 -122.0 FAF\n");
  EXPECT_EQ(LegIdents(Appr(1)), "AAA BBB");
  EXPECT_DOUBLE_EQ(proc_ref_lat, -122.0);
  EXPECT_DOUBLE_EQ(proc_ref_lon, 0.0);
}

// Vectors are cut from an approach that already has two legs; before that they are built.
TEST_F(ApproachLoader, VectorsAreCutAfterTheSecondLeg) {
  LoadApps(
      "[KTST]\n16L I16L AAA IAF 5000 45.5 -122.0\n16L I16L /H180/VT --- 4000 45.5 -122.0\n"
      "16L I16L /H180/VT --- 4000 45.5 -122.0\n16L I16L BBB MAP 4000 45.4 -122.0\n");
  EXPECT_EQ(LegIdents(Appr(1)), "AAA HD180 BBB");
}

TEST_F(ApproachLoader, MissingFileKeepsVariationAndEmptiesTheList) {
  dest_magvar = 3.0;
  appr_list_cnt = 2;
  appr_list[1].identifier = "OLD";
  ASSERT_EQ(LoadAirport("KTST", 2), 1);
  EXPECT_EQ(Dest().appr_cnt, 0);
  EXPECT_EQ(dest_magvar, 3.0);
  EXPECT_EQ(appr_list_cnt, 0);
  EXPECT_EQ(appr_list[1].identifier, "");
}

}  // namespace
