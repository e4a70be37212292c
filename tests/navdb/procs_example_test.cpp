// The example simulator folder's procedures: a flight from KSEA to KPDX with a SID, a STAR with a
// transition and an ILS approach with a transition.
#include <gtest/gtest.h>

#include <string>

#include "cdu/cdu_globals.h"
#include "navdb/approach_lists.h"
#include "navdb/procs_fixture.h"

namespace {

class ExampleProcedures : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetModuleState();
    sim_root = RO757_SOURCE_DIR "/examples/sim";
  }
  void TearDown() override { ResetModuleState(); }

  // Every leg of a record lies within `radius_nm` of the airport.
  static void ExpectNear(const AirportRecord& a, const ProcedureRecord& r, double radius_nm) {
    for (int k = 1; k <= r.leg_cnt; ++k) {
      EXPECT_LT(DistNm(a.lat, a.lon, r.legs[k].lat, r.legs[k].lon), radius_nm) << r.name << " leg " << k;
    }
  }
};

TEST_F(ExampleProcedures, SeattleToPortland) {
  ASSERT_EQ(LoadAirport("KSEA", 1), 1);
  ASSERT_EQ(LoadAirport("KPDX", 2), 1);
  const AirportRecord& sea = airport_recs[1];
  const AirportRecord& pdx = airport_recs[2];

  ASSERT_EQ(sea.sid_cnt, 2);
  const ProcedureRecord& sid = sea.sids[1];
  EXPECT_EQ(LegIdents(sid), "HD162 HD200 TR230 HD342 HD220 TR120 TACMA TR190 CENTR OLM");
  EXPECT_EQ(Text(sid.legs[8].marker), "*");
  EXPECT_EQ(LegIdents(sea.sids[2]), "HD342 PAE");  // the vectors leg is dropped
  ExpectNear(sea, sid, 60.0);

  ASSERT_EQ(pdx.star_cnt, 2);
  EXPECT_EQ(LegIdents(pdx.stars[1]), "CENTR KELSO OLM KELSO WILAM HD200 TIMBR");
  ExpectNear(pdx, pdx.stars[1], 90.0);
  EXPECT_EQ(LegIdents(pdx.stars[2]), "DALLS TR260 BTG");

  ASSERT_EQ(appr_list_cnt, 3);
  const ProcedureRecord& ils = pdx.approaches[1];
  EXPECT_EQ(LegIdents(ils), "BTG TIMBR KOOTS PT102 PT192 HD102 TIMBR LAVAS RW10R HD102 BTG");
  ExpectNear(pdx, ils, 30.0);

  appr_sel = "I10R";
  arr_rwy_cur = "10R";
  appr_trans_sel = "------";
  BuildIafList();
  ASSERT_EQ(pdx.iaf_cnt, 2);
  EXPECT_EQ(Text(pdx.iaf_list[2].name), "KOOTS");
  appr_trans_sel = "KOOTS";
  BuildApproachLegList();
  std::string legs;
  for (int i = 1; i <= appr_leg_cnt; ++i) legs += appr_legs[i].ident + "/" + appr_legs[i].role + " ";
  EXPECT_EQ(legs, "KOOTS/IAF PT102/ PT192/ HD102/ TIMBR/ LAVAS/FAF RW10R/MAP HD102/ ");

  LoadAirportInfo("KPDX", 0);
  ASSERT_EQ(apt_rwy_cnt, 4);
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(apt_rwys[i].right_pattern, Text(apt_rwys[i].ident) == "28R" ? 1 : 0) << apt_rwys[i].ident;
  }
}

TEST_F(ExampleProcedures, ReturnFlightUsesTheUserFiles) {
  ASSERT_EQ(LoadAirport("KPDX", 1), 1);
  ASSERT_EQ(LoadAirport("KSEA", 2), 1);
  EXPECT_EQ(LegIdents(airport_recs[1].sids[1]), "HD282 HD020 BTG KELSO");
  EXPECT_EQ(LegIdents(airport_recs[2].stars[1]), "OLM TACMA HD340 FOURT");
  EXPECT_EQ(Text(airport_recs[2].approaches[1].id), "I16L");
}

}  // namespace
