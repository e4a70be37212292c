// The example simulator folder's procedures: a flight from KSEA to KPDX with a SID, a STAR with a
// transition and an ILS approach with a transition.
#include <gtest/gtest.h>

#include <string>

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
      EXPECT_NE(Text(r.legs[k].ident), "") << r.name << " leg " << k;
    }
  }
};

// The SID, STAR and ILS of the example flight, their path legs built from real coordinates. The
// pick lists built from them are exercised with the departure and arrival pages.
TEST_F(ExampleProcedures, SeattleToPortland) {
  ASSERT_EQ(LoadAirport("KSEA", 1), 1);
  ASSERT_EQ(LoadAirport("KPDX", 2), 1);
  const AirportRecord& sea = airport_recs[1];
  const AirportRecord& pdx = airport_recs[2];

  ASSERT_EQ(sea.sid_cnt, 2);
  const ProcedureRecord& sid = sea.sids[1];
  EXPECT_EQ(LegIdents(sid), "HD162 HD162 HD162 HD200 TR230 HD342 HD342 HD342 HD220 TR120 TACMA TR190 CENTR OLM");
  EXPECT_EQ(LegIdents(sea.sids[2]), "HD342 PAE");  // the vectors leg is dropped
  ExpectNear(sea, sid, 60.0);

  ASSERT_EQ(pdx.star_cnt, 2);
  const ProcedureRecord& star = pdx.stars[1];
  EXPECT_EQ(LegIdents(star), "KELSO OLM KELSO WILAM HD200 TIMBR BTG");
  ExpectNear(pdx, star, 90.0);

  const ProcedureRecord& ils = pdx.approaches[1];
  EXPECT_EQ(LegIdents(ils), "TIMBR BTG TIMBR KOOTS PT102 PT192 HD102 TIMBR LAVAS RW10R HD102 BTG");
  ExpectNear(pdx, ils, 30.0);
}

// KPDX's SIDs and KSEA's STARs are only in the user files.
TEST_F(ExampleProcedures, ReturnFlightUsesTheUserFiles) {
  ASSERT_EQ(LoadAirport("KPDX", 1), 1);
  ASSERT_EQ(LoadAirport("KSEA", 2), 1);
  EXPECT_EQ(LegIdents(airport_recs[1].sids[1]), "HD282 HD282 HD020 BTG KELSO");
  EXPECT_EQ(LegIdents(airport_recs[2].stars[1]), "OLM TACMA HD340 FOURT");
}

}  // namespace
