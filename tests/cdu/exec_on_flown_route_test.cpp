// An EXEC in flight starts from the route being flown: an entry on any page after a constraint was
// passed does not bring the constraint back.
#include <gtest/gtest.h>

#include <algorithm>
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

class FlownSeattlePortlandTest : public RoutePagesTest {
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

class ExecOnFlownRouteTest : public FlownSeattlePortlandTest, public testing::WithParamInterface<FlownEntry> {};

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

// CENTR passed while a modification waits, made before the passage (with the parameter a direct-to
// KELSO, else FL330 on PERF INIT): RTE LEGS lists the modification from KELSO, the leg now active;
// KELSO on 1L is a direct-to it. EXEC flies direct to KELSO, with the intercept course entered for it.
class ModificationOverPassageTest : public FlownSeattlePortlandTest, public testing::WithParamInterface<bool> {};

TEST_P(ModificationOverPassageTest, ExecFliesToTheFixTheCrewChose) {
  const bool direct_first = GetParam();
  ExecuteSeattlePortland();
  FlyOverActiveFix();  // TACMA
  ASSERT_EQ(fms_fpln_act[stpos].ident, "CENTR");
  if (direct_first) {
    Keys("LEGS");
    EnterAt("KELSO", "1L");
  } else {
    Keys("INIT_REF 6L 3L");
    EnterAt("FL330", "1R");
    Keys("LEGS");
  }
  ASSERT_EQ(fms_fpln_active, 4);
  FlyOverActiveFix();  // CENTR
  ASSERT_EQ(fms_fpln_act[stpos].ident, "KELSO");
  Paint();
  EXPECT_EQ(Line(1).left, "KELSO");
  EnterAt(direct_first ? "180" : "KELSO", direct_first ? "6R" : "1L");
  Keys("EXEC");
  EXPECT_EQ(std::tuple(fms_fpln_act[stpos].ident, fms_fpln_act[stpos + 1].ident, lnav_leg[0].FrId, lnav_leg[0].ToId),
            std::tuple("KELSO", "KPDX", "DIRECT", "KELSO"));
  EXPECT_EQ(std::max(fms_fpln_act[stpos].intc_crs, -1.0), direct_first ? 180.0 : -1.0);  // below -1: none
}

INSTANTIATE_TEST_SUITE_P(EditBeforePassage, ModificationOverPassageTest, testing::Bool());

// A panel state saved with CENTR active and loaded: CENTR stays active, whatever leg the route was
// modified at before.
TEST_F(FlownSeattlePortlandTest, PanelStateLoadKeepsTheActiveLegItSaved) {
  sim_.MakeDir("Orvantel/PanelStates");
  ExecuteSeattlePortland();
  FlyOverActiveFix();  // TACMA
  Keys("INIT_REF 6L");
  EnterAt("P", "5R");  // SAVE PNL
  Keys("INIT_REF 6L 4R 1L");  // LOAD PNL
  ASSERT_EQ(cdu_message, "PANEL STATE LOADED OK");
  EXPECT_EQ(fms_fpln_act[stpos].ident, "CENTR");
}

}  // namespace
}  // namespace cdu_test
