// An edit spanning frames, with a passage, an entry retyped or refused, a power loss or a DIRECT TO
// between its steps, acts on what the crew sees when it ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "afds/phase0.h"
#include "cdu/flown_route_fixture.h"

namespace cdu_test {
namespace {

bool Has(const Idents& legs, const char* ident) { return std::count(legs.begin(), legs.end(), ident) > 0; }
Idents Ahead() {
  Idents out;
  for (int32_t i = stpos; i <= fp_cnt; ++i) out.push_back(fms_fpln_act[i].ident);
  return out;
}
std::string HeldFix() {
  for (int32_t i = 1; i <= fp_mod_cnt; ++i) {
    if (fms_fpln_mod[i].hold_idx > 0) return fms_fpln_mod[i].ident;
  }
  return {};
}

TEST_F(FlownRouteTest, EditsActOnWhatTheCrewSeesWhenTheyEnd) {
  const auto flown = [&] { AddDuplicateFix(); ExecuteRoute(); InTheAir(10000.0); };
  const auto arrival = [&] { TypeSeattlePortlandOnJ5(); Keys("DEP_ARR 2R 1L 2L 1R 2R RTE 6R EXEC"); InTheAir(1e4); };
  const struct {
    const char* name;
    std::function<void()> begin, between, end;
    std::function<bool()> as_seen;
  } edits[] = {
      {"pick after a passage", flown, [&] { EnterAt("DUPLI", "1L"); FlyOverActiveFix(); },
       [&] { Keys("1L"); Press("EXEC"); }, [] { return fms_fpln_act[stpos].ident == "DUPLI"; }},
      {"intercept pick after a passage", flown,
       [&] { cdu_prompt_mode = 1; EnterAt("DUPLI", "6L"); FlyOverActiveFix(); },
       [&] { Keys("1L"); Press("EXEC"); }, [] { return fms_fpln_act[stpos].ident == "DUPLI"; }},
      {"HOLD AT pick retyped", flown, [&] { Keys("HOLD"); EnterAt("DUPLI", "6L"); Keys("1L"); },
       [&] { EnterAt("HOLD AT OLM", "3L"); }, [] { return HeldFix() == "OLM" && !Has(ModIdents(), "DUPLI"); }},
      {"HOLD AT line retyped", flown, [&] { Keys("HOLD 3L"); }, [&] { EnterAt("KELSO", "6L"); },
       [] { return HeldFix().empty() && cdu_scratchpad == "HOLD AT KELSO"; }},
      {"refused DEST", arrival, [&] { Keys("RTE"); EnterAt("KPDZ", "1R"); }, [&] { Keys("DEP_ARR 2R"); },
       [] { return TextIs(airport_recs[2].icao, "KPDX") && airport_recs[2].star_cnt > 0 && fms_dest_rwy_pos > 0; }},
      {"refused ORIGIN", [&] { Keys("RTE"); EnterAt("KSEA", "1L"); EnterAt("KPDX", "1R"); },
       [&] { EnterAt("KSEX", "1L"); }, [&] { EnterAt("34R", "2L"); }, [] { return dep_rwy_sel == "34R"; }},
      {"power loss", flown, [&] { EnterAt("OLM", "3L"); ac_power = 0; RunPhase0Housekeeping(); },
       [&] { EnterAt("KELSO", "1L"); Keys("6R"); Press("EXEC"); },
       [] { return !Has(ModIdents(), "CENTR") && !Has(Ahead(), "CENTR"); }},
      {"intercept course after a passage", flown, [&] { FlyOverActiveFix(); FlyOverActiveFix(); },
       [&] { EnterAt("KELSO", "1L"); EnterAt("150", "6R"); }, [&] { return Line(6).right == "150\xB0"; }},
      {"DIRECT TO after an intercept", flown, [&] { EnterAt("KELSO", "1L"); EnterAt("150", "6R"); Press("EXEC"); },
       [&] { Keys("LEGS"); EnterAt("KELSO", "1L"); },
       [&] { return Line(6).right.empty() && Line(1).label.find("150") == std::string::npos; }},
      {"approach after a DIRECT TO on the arrival", arrival,
       [&] {
         for (int i = 0; i < 8 && fms_fpln_act[stpos - 1].ident != "WILAM"; ++i) FlyOverActiveFix();
         Keys("LEGS");
         EnterAt("BTG", "1L");
         Press("EXEC");
       },
       [&] { Keys("DEP_ARR 2R 2R 2R"); Press("EXEC"); },
       [] { return fms_fpln_act[stpos - 1].ident == "WILAM" && Ahead().front() == "BTG" && !Has(Ahead(), "KELSO"); }},
  };
  for (const auto& e : edits) {
    TearDown();
    SetUp();
    e.begin();
    e.between();
    e.end();
    EXPECT_TRUE(e.as_seen()) << e.name << ": " << testing::PrintToString(ModIdents()) << " \"" << cdu_scratchpad
                             << "\" " << cdu_message;
  }
}

}  // namespace
}  // namespace cdu_test
