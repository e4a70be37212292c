// Entries typed with a mistake: blanks after a speed constraint.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "cdu/cdu_fixture.h"

namespace cdu_test {
namespace {

using EntryLimitsTest = CduTest;

// Blanks typed after "250/" keep the entry a speed.
TEST_F(EntryLimitsTest, BlanksAfterASpeedConstraintKeepItASpeed) {
  SetActiveRoute({"KSEA", "SEA", "TACMA", "KPDX"});
  PressAndPaint("LEGS");
  for (const char* text : {"250/ ", "260/  "}) {
    EnterAt(text, "2R");
    ExpectTaken(text, true);
    EXPECT_EQ(std::tuple(fms_fpln_mod[2].ias, fms_fpln_mod[2].alt, fms_fpln_mod[2].restr),
              std::tuple(std::stod(text), -999.0, 2)) << text;
  }
}

}  // namespace
}  // namespace cdu_test
