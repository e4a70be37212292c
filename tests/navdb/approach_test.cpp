// The approach loader and the approach, IAF and leg lists built from it.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "cdu/cdu_globals.h"
#include "navdb/approach_lists.h"
#include "navdb/approach_loader.h"
#include "navdb/mag_model.h"
#include "navdb/procs_fixture.h"

namespace {

class ApproachLoader : public ProcsTest {
 protected:
  void LoadApps(const std::string& apps) { LoadDestWith("", apps); }
};

// Roles as written; the transition name comes from the IAF's fix, the role or token 8 (FAF, MAF
// and MAP cut it); lower-case "fo" is fly-over; codes from tokens 9 and 10.
TEST_F(ApproachLoader, FixLegsWithRolesCodesAndTransitionNames) {
  LoadApps(
      "[KTST]\n16L I16L AAA IAF 5000 45.5 -122.0 - 65 66 fo\n16L I16L BBB AAA 4000 45.4 -122.0\n"
      "16L I16L CCC IAF 4000 45.4 -122.2 WEST\n16L I16L DDD --- 3000 45.3 -122.2 DDD\n"
      "16L I16L EEE --- 3000 45.3 -122.1 -X\n16L I16L FFF FAF 2000 45.1 -122.0 SOUTH\n"
      "16L I16L RW16L MAP 100 45.01 -122.0\n16L I16L GGG HOLD 3000 44.9 -122.0 ALT\n");
  ASSERT_EQ(Dest().appr_cnt, 1);
  const ProcedureRecord& r = Appr(1);
  EXPECT_EQ(Text(r.id) + " " + r.runway, "I16L 16L");
  EXPECT_EQ(LegIdents(r), "AAA BBB CCC DDD EEE FFF RW16L GGG");
  EXPECT_EQ(Joined(r, &ProcedureLeg::trans), "AAA AAA WEST DDD    ALT");
  EXPECT_EQ(Joined(r, &ProcedureLeg::role), "IAF AAA IAF --- --- FAF MAP HOLD");
  EXPECT_EQ(Text(r.legs[1].appr_id) + r.legs[1].code1 + r.legs[1].code2 + r.legs[2].code1, "I16LAB");
  EXPECT_EQ(std::pair(r.legs[1].fly_over, r.legs[2].fly_over), std::pair(1, 0));
  EXPECT_EQ(dest_magvar, GetMagVar(45, -122));
}

// A path code in the fourth token moves tokens 4..11 forward, once before the duplicate test and
// once more before the transition name (the third line's code then comes from token 5).
TEST_F(ApproachLoader, ShiftRule) {
  LoadApps(
      "[KTST]\n16L I16L AAA IAF 5000 45.5 -122.0\n16L I16L BBB /T180/UD5.0 IAF 4000 45.3 -122.0 XTRANS 67 FO\n"
      "16L I16L CCC /X /H180/UD6.0 FAF 3000 45.2 -122.0\n");
  const ProcedureRecord& r = Appr(1);
  EXPECT_EQ(LegIdents(r), "AAA TR180 HD180");
  EXPECT_EQ(Joined(r, &ProcedureLeg::role), "IAF IAF FAF");
  EXPECT_EQ(Joined(r, &ProcedureLeg::alt_text), "5000 4000 3000");
  const ProcedureLeg& leg = r.legs[2];
  EXPECT_EQ(Text(leg.trans), "XTRANS");
  EXPECT_EQ(Text(leg.code1) + "|" + leg.code2, "C|");  // "FO" moved into token 10 is no number
  EXPECT_EQ(leg.fly_over, 1);                           // token 11 keeps its own value
  EXPECT_NEAR(DistNm(45.3, -122.0, leg.lat, leg.lon), 5.0, 0.1);
  EXPECT_NEAR(DistNm(45.2, -122.0, r.legs[3].lat, r.legs[3].lon), 6.0, 0.1);
}

// Lines before the header, comments and short lines add nothing; a second header ends the section.
// "-", "--" and "---" give an empty runway; lines of two approaches interleave.
TEST_F(ApproachLoader, SectionsRunwaysAndInterleavedApproaches) {
  LoadApps(
      "16L XXX AAA IAF 5000 45.5 -122.0\n[KTST]\n; comment\n* comment\n16L I16L\n16L\n\n"
      "- VORA AAA IAF 5000 45.5 -122.0\n16L I16L BBB IAF 5000 45.4 -122.0\n--- VORA CCC FAF 3000 45.3 -122.0\n"
      "16L I16L DDD FAF 3000 45.2 -122.0\n-- VORA EEE MAP 1000 45.1 -122.0\n[KTST]\n16L I16L FFF IAF 5 45 -122\n");
  ASSERT_EQ(Dest().appr_cnt, 2);
  EXPECT_EQ(Text(Appr(1).runway), "");
  EXPECT_EQ(LegIdents(Appr(1)) + "|" + LegIdents(Appr(2)), "AAA CCC EEE|BBB DDD");
  EXPECT_EQ(Dest().appr_trans_cnt, 2);
}

// "/LT/T360/UD9.0": a track of 360 (plus the variation) until 9.0 NM from the reference fix;
// "/H090/IC180": heading 090 until the course 180 into the fix; a code that cannot be resolved
// stays at the previous leg, named as the last path leg; vectors are cut.
TEST_F(ApproachLoader, PathLegs) {
  LoadApps(
      "[KTST]\n16L I16L AAA IAF 5000 45.5 -122.0\n16L I16L /LT/T360/UD9.0 --- 4000 45.8 -122.0\n"
      "16L I16L /H180/VT --- 4000 45.5 -122.0\n16L I16L /H090/IC180 --- 4000 45.2 -121.8\n"
      "16L I16L /H090/UD90.0 --- 4000 45.5 -122.0\n16L I16L /X090/UD1.0 --- 4000 45.5 -122.0\n");
  const ProcedureRecord& r = Appr(1);
  EXPECT_EQ(LegIdents(r), "AAA TR360 HD090 HD090 HD090");
  const ProcedureLeg& tr = r.legs[2];
  const ProcedureLeg& ic = r.legs[3];
  EXPECT_NEAR(DistNm(45.8, -122.0, tr.lat, tr.lon), 9.0, 0.1);
  EXPECT_NEAR(CourseDiff(BearingDeg(45.5, -122.0, tr.lat, tr.lon), dest_magvar), 0.0, 1e-3);
  EXPECT_NEAR(CourseDiff(BearingDeg(tr.lat, tr.lon, ic.lat, ic.lon), 90.0 + dest_magvar), 0.0, 0.01);
  EXPECT_NEAR(CourseDiff(BearingDeg(45.2, -121.8, ic.lat, ic.lon), dest_magvar), 0.0, 0.01);
  EXPECT_EQ(Off(r.legs[4], {ic.lat, ic.lon}), 0.0);
}

// A procedure turn adds two legs: out 3.0 NM on the reciprocal of the inbound course, across 1.5
// NM (the side given by the turn), then its own leg inbound until the distance.
TEST_F(ApproachLoader, ProcedureTurnAddsTwoTurnLegs) {
  LoadApps("[KTST]\n16L I16L AAA IAF 5000 45.5 -122.0 ALPHA\n16L I16L /LT-H180/UD3.0 AAA 4000 45.5 -122.0\n");
  const ProcedureRecord& r = Appr(1);
  EXPECT_EQ(LegIdents(r), "AAA PT180 PT270 HD180");
  LatLon out = PointAt(45.5, -122.0, 0.0, 3.0);  // 180 + 180, taken as a true course
  LatLon across = PointAt(out.lat, out.lon, 270.0, 1.5);
  EXPECT_LT(Off(r.legs[2], out), 1e-9);
  EXPECT_LT(Off(r.legs[3], across), 1e-9);
  EXPECT_EQ(Joined(r, &ProcedureLeg::trans), "ALPHA AAA AAA AAA");
  const ProcedureLeg& in = r.legs[4];
  EXPECT_NEAR(DistNm(45.5, -122.0, in.lat, in.lon), 3.0, 0.1);
  EXPECT_NEAR(CourseDiff(BearingDeg(across.lat, across.lon, in.lat, in.lon), 180.0 + dest_magvar), 0.0, 1e-3);

  LoadApps("[KTST]\n16L I16L AAA IAF 5000 45.5 -122.0\n16L I16L /RT-H090/UD1.0 --- 4000 45.5 -122.0\n");
  EXPECT_EQ(LegIdents(Appr(1)), "AAA PT090 PT360 HD090");
  EXPECT_NEAR(Appr(1).legs[2].lon, PointAt(45.5, -122.0, 270.0, 3.0).lon, 1e-9);
}

// A path code that opens an approach starts at its reference fix, and its turn legs carry the
// approach's identifier.
TEST_F(ApproachLoader, PathCodeOpeningAnApproachStartsAtItsReference) {
  LoadApps("[KTST]\n16L I16L /LT-H180/UD1.0 IAF 4000 45.5 -122.0\n");
  const ProcedureRecord& r = Appr(1);
  EXPECT_EQ(Joined(r, &ProcedureLeg::appr_id), "I16L I16L I16L");
  EXPECT_NEAR(r.legs[1].lat, PointAt(45.5, -122.0, 0.0, 3.0).lat, 1e-9);
}

// Without apps.txt: no approach, the variation kept, and no row of an earlier list left over.
TEST_F(ApproachLoader, MissingFileKeepsVariationAndEmptiesTheList) {
  std::tie(dest_magvar, appr_list_cnt, appr_list[1].identifier) = std::tuple(3.0, 2, "OLD");
  ASSERT_EQ(LoadAirport("KTST", 2), 1);
  EXPECT_EQ(std::tuple(Dest().appr_cnt, dest_magvar, appr_list_cnt), std::tuple(0, 3.0, 0));
  EXPECT_EQ(appr_list[1].identifier, "");
}

// Two ILS approaches with IAF transitions and a missed approach, and a circling approach without a
// runway.
constexpr const char* kApps =
    "[KTST]\n16L I16L AAA IAF 5000 45.5 -122.0\n16L I16L BBB AAA 4000 45.4 -122.0\n"
    "16L I16L CCC IAF 4000 45.4 -122.2\n16L I16L DDD FAF 3000 45.2 -122.0\n"
    "16L I16L RW16L MAP 100 45.01 -122.0\n16L I16L EEE HP 3000 44.8 -122.0\n"
    "34R I34R AAA IAF 5000 44.5 -122.0\n34R I34R FFF --- 3000 44.8 -122.0\n34R I34R GGG ARC 3000 44.9 -122.0 AAA\n"
    "--- VORA AAA IAFX 5000 45.5 -122.0\n--- VORA RW34L MAP 700 44.99 -122.01\n";

class ApproachLists : public ProcsTest {
 protected:
  void SetUp() override {
    ProcsTest::SetUp();
    LoadDestWith("", kApps);
  }
  std::string IafList() {
    std::string s;
    for (int i = 1; i <= Dest().iaf_cnt; ++i) s += std::string(i > 1 ? " " : "") + Dest().iaf_list[i].name;
    return s;
  }
  // Idents of the leg list, each with "/" and its role when it has one.
  std::string LegList() {
    std::string s;
    for (int i = 1; i <= appr_leg_cnt; ++i) {
      s += (i > 1 ? " " : "") + appr_legs[i].ident + (appr_legs[i].role.empty() ? "" : "/" + appr_legs[i].role);
    }
    return s;
  }
  void Choose(const char* appr, const char* rwy, const char* trans) {
    std::tie(appr_sel, arr_rwy_cur, appr_trans_sel) = std::tuple(appr, rwy, trans);
  }
};

// Loading gives one row per approach, a runway choice only its own. The same IAF name gives one
// row; a role that begins with IAF qualifies (its transition is the role itself); an approach
// without a runway belongs to every runway.
TEST_F(ApproachLists, ApproachAndIafListsOfTheChosenApproach) {
  ASSERT_EQ(appr_list_cnt, 3);
  EXPECT_EQ(appr_list[3].identifier + " " + appr_list[3].runway, "VORA ");
  BuildApproachList("34R");
  EXPECT_EQ(appr_list[1].identifier + "|" + appr_list[2].identifier, "I34R|");
  const struct {
    const char *appr, *rwy, *iafs;
  } cases[] = {{"I16L", "16L", "AAA CCC"}, {"------", "------", "AAA CCC IAFX"}, {"VORA", "16R", "IAFX"},
               {"I34R", "16L", ""}};
  for (const auto& c : cases) {
    Choose(c.appr, c.rwy, "------");
    BuildIafList();
    EXPECT_EQ(IafList(), c.iafs) << c.appr << " " << c.rwy;
  }
}

// Without a transition the leg list holds the common part; with one, its legs join in file order.
// Runway "------" lets only legs without a runway through; a role that merely begins with IAF gives
// no role.
TEST_F(ApproachLists, LegListOfTheChosenApproachAndTransition) {
  const struct {
    const char *appr, *rwy, *trans, *legs;
  } cases[] = {{"I16L", "16L", "------", "DDD/FAF RW16L/MAP"}, {"I16L", "16L", "AAA", "AAA/IAF BBB DDD/FAF RW16L/MAP"},
               {"I34R", "34R", "AAA", "AAA/IAF FFF GGG/ARC"}, {"I16L", "------", "AAA", ""},
               {"VORA", "------", "IAFX", "AAA RW34L/MAP"},   {"NONE", "16L", "------", ""}};
  for (const auto& c : cases) {
    Choose(c.appr, c.rwy, c.trans);
    appr_legs_pending = 0;
    BuildApproachLegList();
    EXPECT_EQ(LegList(), c.legs) << c.appr << " " << c.rwy << " " << c.trans;
    EXPECT_EQ(appr_legs_pending, 1);
    EXPECT_EQ(appr_legs[appr_leg_cnt + 1].ident, "");  // rows of the previous list are emptied
  }
}

// Lists stop at their capacities: 50 approach rows, 40 IAFs, 80 legs.
TEST_F(ApproachLists, ListsStopAtCapacity) {
  std::string apps = "[KTST]\n";
  for (int i = 1; i <= 60; ++i) apps += "16L A" + std::to_string(i) + " F" + std::to_string(i) + " IAF 1 45 -122\n";
  for (int i = 1; i <= 90; ++i) apps += "16L A1 L" + std::to_string(i) + " --- 1 45 -122\n";
  LoadDestWith("", apps);
  EXPECT_EQ(appr_list_cnt, 50);
  EXPECT_EQ(appr_list[50].identifier, "A50");
  Choose("------", "------", "------");
  BuildIafList();
  EXPECT_EQ(Dest().iaf_cnt, 40);
  EXPECT_EQ(Text(Dest().iaf_list[40].name), "F40");
  Choose("A1", "16L", "F1");
  BuildApproachLegList();
  EXPECT_EQ(appr_leg_cnt, 80);
  EXPECT_EQ(appr_legs[80].ident, "L79");
}

}  // namespace
