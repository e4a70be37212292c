// An EXEC in flight starts from the route being flown: an entry on any page after a constraint was
// passed does not bring the constraint back.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "cdu/route_pages_fixture.h"

namespace cdu_test {
namespace {

struct FlownEntry {
  const char* name;
  const char* keys_before;  // pressed before the constraint is passed
  const char* entry;        // then typed and entered with `keys`
  const char* keys;
};

class ExecOnFlownRouteTest : public RoutePagesTest, public testing::WithParamInterface<FlownEntry> {
 protected:
  // KSEA, TACMA, J5 CENTR (250/10000), KELSO, KPDX executed at FL310; the aircraft in the air at
  // FL310.
  void ExecuteSeattlePortland() {
    TypeSeattlePortlandOnJ5();
    Keys("6R EXEC LEGS");
    EnterAt("250/10000", "2R");
    Keys("EXEC INIT_REF 6L 3L");
    EnterAt("FL310", "1R");
    Keys("EXEC");
    InTheAir(31000.0);
  }
};

// Past CENTR, the entry of each page and EXEC: CENTR's 250/10000 stays used up.
TEST_P(ExecOnFlownRouteTest, PassedConstraintStaysCleared) {
  ExecuteSeattlePortland();
  const int32_t centr = 2;
  ASSERT_EQ(std::pair(fms_fpln_act[centr].ident, fms_fpln_act[centr].restr), std::pair(std::string("CENTR"), 3));
  Keys(GetParam().keys_before);
  FlyOverActiveFix();  // TACMA
  FlyOverActiveFix();  // CENTR
  ASSERT_EQ(std::pair(stpos, fms_fpln_act[centr].restr), std::pair(3, 0));
  EnterAt(GetParam().entry, GetParam().keys);
  ASSERT_EQ(fms_fpln_active, 4);
  Keys("EXEC");
  EXPECT_EQ(std::pair(stpos, fms_fpln_act[centr].restr), std::pair(3, 0));
}

INSTANTIATE_TEST_SUITE_P(Entries, ExecOnFlownRouteTest,
                         testing::Values(FlownEntry{"PerfInitCostIndex", "INIT_REF 6L 3L", "50", "2R"},
                                         FlownEntry{"PerfInitCruiseAltitude", "INIT_REF 6L 3L", "FL330", "1R"},
                                         FlownEntry{"VnavCruiseSpeed", "VNAV", "/.80", "2L"},
                                         FlownEntry{"ArrivalsStar", "DEP_ARR 2R", "", "1L"},
                                         FlownEntry{"LegsOpenBeforeThePassage", "LEGS", "", "DEL 1R"}),
                         [](const testing::TestParamInfo<FlownEntry>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace cdu_test
