// SAVE FPL saves only what STORED FLIGHT PLANS lists and loads back.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "cdu/cdu_fixture.h"
#include "cdu/cdu_pages.h"
#include "sim/sim_globals.h"
#include "support/temp_dir.h"

namespace cdu_test {
namespace {

class SaveFplNamesTest : public CduTest {
 protected:
  void SetUp() override {
    CduTest::SetUp();
    sim_.MakeDir("Orvantel/flightplans");
    sim_root = sim_.path();
    SetActiveRoute({"KSEA", "SEA", "KPDX"});
    fms_page = kCduPageInitRefIndex;
  }
  testing_support::TempDir sim_;
};

// Another extension, or ".PLN" anywhere (read as a simulator plan), is refused and nothing is
// written; a ".RTE" name is saved and listed.
TEST_F(SaveFplNamesTest, OnlyNamesTheListTakesAreSaved) {
  for (const char* name : {"MINE.PLN", "MINE.TXT", "MINE.PLN.RTE", "MINE.RTE.BAK"}) {
    EnterAt(name, "6R");
    ExpectTaken(name, false);
  }
  EXPECT_EQ(testing_support::CountEntries(sim_ / "Orvantel/flightplans"), 0);
  EnterAt("MINE.RTE", "6R");
  EXPECT_EQ(cdu_message, "MINE.RTE Saved");
  PressAndPaint("2R");  // FLIGHT PLANS>
  EXPECT_EQ(std::tuple(fpl_list_loaded, fpl_store[1].name, fpl_store[1].dest), std::tuple(2, "MINE.RTE", "KPDX"));
}

}  // namespace
}  // namespace cdu_test
