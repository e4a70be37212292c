// The example simulator folder's procedures: a flight from KSEA to KPDX with a SID, a STAR with a
// transition and an ILS approach with a transition.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "navdb/procs_fixture.h"

namespace {

class ExampleProcedures : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetModuleState();
    sim_root = RO757_SOURCE_DIR "/examples/sim";
  }
  void TearDown() override { ResetModuleState(); }
};

// The SID, STAR and ILS of the example flight, their path legs built from real coordinates; on
// the return flight KPDX's SIDs and KSEA's STARs are only in the user files.
TEST_F(ExampleProcedures, SeattleToPortlandAndBack) {
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

}  // namespace
