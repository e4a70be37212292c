// An edit that spans frames (a look-up and its pick, a line chosen and the entry for it, an airport
// shown, a modification) and a change between its steps: a passage, an entry typed over it or
// refused, a power loss, a DIRECT TO. The edit acts on what the crew sees when it ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "afds/phase0.h"
#include "cdu/flown_route_fixture.h"
#include "sim/sim_globals.h"

namespace cdu_test {
namespace {

using EditsAcrossChangesTest = FlownRouteTest;

bool Holds(const Idents& legs, const std::string& ident) { return std::count(legs.begin(), legs.end(), ident) > 0; }

Idents ActiveFromStpos() {
  Idents out;
  for (int32_t i = std::max(stpos, 0); i <= std::min(fp_cnt, kLastRouteRow); ++i) out.push_back(fms_fpln_act[i].ident);
  return out;
}

std::string HeldFix() {
  for (int32_t i = 1; i <= fp_mod_cnt; ++i) {
    if (fms_fpln_mod[i].hold_idx > 0) return fms_fpln_mod[i].ident;
  }
  return {};
}

TEST_F(EditsAcrossChangesTest, EachEditActsOnWhatTheCrewSeesWhenItEnds) {
  const auto flown_route = [&] {
    AddDuplicateFix();
    ExecuteRoute();
    InTheAir(10000.0);
  };
  const auto with_arrival = [&] {
    TypeSeattlePortlandOnJ5();
    Keys("DEP_ARR 2R 1L 2L 1R 2R RTE 6R EXEC");
    InTheAir(10000.0);
  };
  struct Edit {
    const char* name;
    std::function<void()> begin, between, end;
    std::function<bool()> as_seen;
  };
  const std::vector<Edit> edits{
      {"LegsLine1PickAfterPassage", flown_route, [&] { EnterAt("DUPLI", "1L"); FlyOverActiveFix(); },
       [&] { Keys("1L"); Press("EXEC"); }, [] { return fms_fpln_act[stpos].ident == "DUPLI"; }},
      {"InterceptLookUpPickAfterPassage", flown_route,
       [&] { cdu_prompt_mode = 1; EnterAt("DUPLI", "6L"); FlyOverActiveFix(); },
       [&] { Keys("1L"); Press("EXEC"); }, [] { return fms_fpln_act[stpos].ident == "DUPLI"; }},
      {"HoldAtPickRetyped", flown_route, [&] { Keys("HOLD"); EnterAt("DUPLI", "6L"); Keys("1L"); },
       [&] { EnterAt("HOLD AT OLM", "3L"); }, [] { return HeldFix() == "OLM" && !Holds(ModIdents(), "DUPLI"); }},
      {"HoldAtChosenLineRetyped", flown_route, [&] { Keys("HOLD"); Keys("3L"); },
       [&] { EnterAt("KELSO", "6L"); }, [] { return HeldFix().empty() && cdu_scratchpad == "HOLD AT KELSO"; }},
      {"RefusedDestinationKeepsTheArrival", with_arrival, [&] { Keys("RTE"); EnterAt("KPDZ", "1R"); },
       [&] { Keys("DEP_ARR 2R"); },
       [] {
         return TextIs(airport_recs[2].icao, "KPDX") && airport_recs[2].star_cnt > 0 && appr_list_cnt > 0 &&
                fms_dest_rwy_pos > 0;
       }},
      {"RefusedOriginKeepsItsRunways", [&] { Keys("RTE"); EnterAt("KSEA", "1L"); EnterAt("KPDX", "1R"); },
       [&] { EnterAt("KSEX", "1L"); }, [&] { EnterAt("34R", "2L"); }, [] { return dep_rwy_sel == "34R"; }},
      {"PowerLossDropsTheModification", flown_route,
       [&] {
         EnterAt("OLM", "3L");
         ac_power = 0;
         RunPhase0Housekeeping();
       },
       [&] { EnterAt("KELSO", "1L"); Keys("6R"); Press("EXEC"); },
       [] { return !Holds(ModIdents(), "CENTR") && !Holds(ActiveFromStpos(), "CENTR"); }},
      {"ApproachAfterDirectToOnTheArrival", with_arrival,
       [&] {
         for (int i = 0; i < 8 && fms_fpln_act[stpos - 1].ident != "WILAM"; ++i) FlyOverActiveFix();
         Keys("LEGS");
         EnterAt("BTG", "1L");
         Press("EXEC");
       },
       [&] { Keys("DEP_ARR 2R 2R 2R"); Press("EXEC"); },
       [] {
         const Idents ahead = ActiveFromStpos();
         return fms_fpln_act[stpos - 1].ident == "WILAM" && !Holds(ahead, "KELSO") && !Holds(ahead, "WILAM") &&
                ahead.front() == "BTG";
       }},
  };
  for (const Edit& e : edits) {
    TearDown();
    SetUp();
    e.begin();
    e.between();
    e.end();
    EXPECT_TRUE(e.as_seen()) << e.name << ": " << testing::PrintToString(ModIdents()) << " active "
                             << testing::PrintToString(ActiveFromStpos()) << " \"" << cdu_scratchpad << "\" "
                             << cdu_message;
  }
}

}  // namespace
}  // namespace cdu_test
