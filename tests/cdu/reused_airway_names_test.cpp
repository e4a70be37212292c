// Airways entered on the RTE page whose name the file gives to unrelated airways one after another:
// the legs follow the one airway that holds the joining fix (nearest the route's point where several
// do) and reach the exit along it, never across to another airway of the same name.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <tuple>

#include "cdu/cdu_pages.h"
#include "cdu/pages/rte_page.h"
#include "cdu/route_pages_fixture.h"

namespace {

using cdu_test::ModIdents;
using ::testing::ElementsAre;

class ReusedAirwayNames : public cdu_test::RoutePagesTest {
 protected:
  void SetUp() override {
    RoutePagesTest::SetUp();
    // V99: an Alaskan airway with its own KELSO, then (4,000 NM on) one through Seattle. V98: the
    // Seattle one, then a Pacific one with its own SEA. V97: the Pacific one first.
    WriteNavFile("awys.txt", R"(V99 1 FARAA 61.0 -150.0
V99 2 KELSO 61.5 -151.0
V99 3 SEA 47.4354 -122.3097
V99 4 TACMA 47.2010 -122.3460
V99 5 KELSO 46.1480 -122.8830
V98 1 SEA 47.4354 -122.3097
V98 2 TACMA 47.2010 -122.3460
V98 3 KELSO 46.1480 -122.8830
V98 4 FARBB 20.0 -150.0
V98 5 SEA 20.5 -151.0
V97 1 SEA 20.5 -151.0
V97 2 FARCC 21.0 -152.0
V97 3 SEA 47.4354 -122.3097
V97 4 TACMA 47.2010 -122.3460
V97 5 KELSO 46.1480 -122.8830
V96 1 SEA 20.5 -151.0
V96 2 FARDD 21.0 -152.0
)");
  }
  // KSEA, SEA, ..., KPDX in state 1, the legs from SEA on along airway `via` when given; RTE page 2.
  void RouteFromSea(std::initializer_list<std::string> idents, const std::string& via = "") {
    route_test::SetLegs(fms_fpln_mod, &fp_mod_cnt, idents);
    PlaceSeaOnItsAirways(fms_fpln_mod, fp_mod_cnt);
    for (int32_t i = 1; i < fp_mod_cnt && !via.empty(); ++i) {
      std::tie(fms_fpln_mod[i].via, fms_fpln_mod[i].proc) = std::tuple(via, "AWY");
    }
    std::tie(mod_stpos, fms_fpln_active, fms_page, rte_page) = std::tuple(1, 1, kCduPageRte, 2);
    BuildRteRows();
    Paint();
  }
  // ORIG, `fix` at its place, DEST; RTE page 2.
  void RouteThrough(const std::string& fix, double lat, double lon) {
    RouteFromSea({"ORIG", fix, "DEST"});
    std::tie(fms_fpln_mod[1].lat, fms_fpln_mod[1].lon) = std::tuple(lat, lon);
  }
};

// The exit is the one along the airway joined at SEA, not the first line of its name (V99); the entry
// is the SEA of the airway near the route, not the last line of its name (V98); a fix only the other
// airway of the name holds is not on this one; and a new exit for an airway read from a file, joined
// at its own first leg, stays on it (V97).
TEST_F(ReusedAirwayNames, ViaFollowsTheAirwayThatHoldsTheJoiningFix) {
  for (const char* airway : {"V99", "V98"}) {
    RouteFromSea({"KSEA", "SEA", "KPDX"});
    EnterAt(airway, "2L");
    EnterAt("KELSO", "2R");
    EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "TACMA", "KELSO", "KPDX")) << airway;
  }
  RouteFromSea({"KSEA", "SEA", "KPDX"});
  EnterAt("V99", "2L");
  EnterAt("FARAA", "2R");
  EXPECT_EQ(cdu_message, "INVALID ENTRY");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "THEN", "KPDX"));
  RouteFromSea({"KSEA", "SEA", "KPDX"});
  EnterAt("V96", "2L");  // its only SEA lies in the Pacific
  EXPECT_EQ(cdu_message, "INVALID ENTRY");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "KPDX"));
  RouteFromSea({"KSEA", "SEA", "TACMA", "KPDX"}, "V97");
  EnterAt("KELSO", "1R");
  EXPECT_THAT(ModIdents(), ElementsAre("KSEA", "SEA", "TACMA", "KELSO", "KPDX"));
}

// On the world's data J9 begins at the BNA of Algeria, not at Nashville's; G10 is joined at Eelde
// and W10 at the Venezuelan ITAMA, each left at the exit of that airway.
TEST_F(ReusedAirwayNames, WorldAirwaysAreJoinedOnlyAtTheRoutesFix) {
  const std::string world = WorldDataDir();
  if (world.empty()) GTEST_SKIP() << "world navigation data not found (../shared/data/world or RO757_WORLD_DATA)";
  sim_root = world;
  RouteThrough("BNA", 36.136972, -86.684778);
  EnterAt("J9", "2L");
  EXPECT_EQ(cdu_message, "INVALID ENTRY");
  EXPECT_THAT(ModIdents(), ElementsAre("ORIG", "BNA", "DEST"));
  using Case = std::tuple<const char*, double, double, const char*, const char*, const char*>;
  for (const auto& [fix, lat, lon, airway, exit, between] :
       {Case{"EEL", 53.163906, 6.666675, "G10", "SPY", "ENKOS"}, Case{"ITAMA", 8.956417, -63.338667, "W10", "CUP", "MUN"}}) {
    RouteThrough(fix, lat, lon);
    EnterAt(airway, "2L");
    EnterAt(exit, "2R");
    EXPECT_THAT(ModIdents(), ElementsAre("ORIG", fix, between, exit, "DEST")) << airway;
  }
}

}  // namespace
