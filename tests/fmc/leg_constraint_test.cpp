#include "fmc/leg_constraint.h"

#include <gtest/gtest.h>

#include <string>

#include "cdu/cdu_globals.h"
#include "fmc/route_fixture.h"

namespace {

using route_test::SetActLegs;
using route_test::SetModLegs;

class LegConstraint : public route_test::RouteTest {
 protected:
  void SetUp() override {
    RouteTest::SetUp();
    SetModLegs({"KSEA", "A", "B", "KPDX"});
  }
  void Enter(const std::string& entry, int32_t leg = 1) {
    cdu_message.clear();
    cdu_scratchpad = entry;
    ParseLegConstraint(leg);
  }
};

TEST_F(LegConstraint, AcceptedForms) {
  struct Accepted {
    const char* entry;
    double alt_ft;
    double ias_kt;
    int32_t restr;
  };
  const Accepted cases[] = {
      {"250/", -999.0, 250.0, 2},      {"/FL350", 35000.0, -999.0, 1},   {"FL350", 35000.0, -999.0, 1},
      {"350", 35000.0, -999.0, 1},     {"250/10000", 10000.0, 250.0, 3}, {"050", 50.0, -999.0, 1},
      {"99", 9900.0, -999.0, 1},       {"/12000", 12000.0, -999.0, 1},   {"250/FL240", 24000.0, 250.0, 3},
      {"400/99000", 99000.0, 400.0, 3}, {"100/500", 50000.0, 100.0, 3},
  };
  for (const Accepted& c : cases) {
    SetModLegs({"KSEA", "A", "B", "KPDX"});
    Enter(c.entry);
    const RouteLeg& leg = fms_fpln_mod[1];
    EXPECT_EQ(cdu_message, "") << c.entry;
    EXPECT_EQ(cdu_scratchpad, "") << c.entry;
    EXPECT_EQ(leg.alt, c.alt_ft) << c.entry;
    EXPECT_EQ(leg.ias, c.ias_kt) << c.entry;
    EXPECT_EQ(leg.restr, c.restr) << c.entry;
  }
  EXPECT_EQ(fms_fpln_active, 1);
}

// A refused part refuses the whole entry: "50/5000" stores no altitude either.
TEST_F(LegConstraint, RefusedEntriesChangeNothing) {
  for (const char* entry : {"/600", "250/99500", "-500", "50/5000", "450/", "50/", "0/", "", "FL", "ABC",
                            "250/1O000", "35O", "250/10000.5", "99999999999"}) {
    Enter(entry);
    EXPECT_EQ(cdu_message, "INVALID ENTRY") << entry;
    EXPECT_EQ(cdu_scratchpad, entry);
    EXPECT_EQ(fms_fpln_mod[1].alt, -999.0) << entry;
    EXPECT_EQ(fms_fpln_mod[1].ias, -999.0) << entry;
    EXPECT_EQ(fms_fpln_mod[1].restr, 0) << entry;
  }
  for (int32_t leg : {-1, 4, 201}) {  // legs outside the route
    Enter("FL350", leg);
    EXPECT_EQ(cdu_message, "INVALID ENTRY") << leg;
  }
  EXPECT_EQ(fms_fpln_active, 0);
}

TEST_F(LegConstraint, EachPartKeepsTheOtherConstraintBit) {
  const int32_t cases[][3] = {
      // restr before, entry (0 speed, 1 altitude), restr after
      {1, 0, 3}, {3, 0, 3}, {2, 1, 3}, {3, 1, 3}, {-999, 1, 1}, {-999, 0, 2},
  };
  for (const auto& c : cases) {
    fms_fpln_mod[2].restr = c[0];
    Enter(c[1] == 0 ? "250/" : "FL200", 2);
    EXPECT_EQ(fms_fpln_mod[2].restr, c[2]) << c[0] << " " << c[1];
  }
}

// On an active route an entry starts the modification; a refused one makes no copy.
TEST_F(LegConstraint, EntryOnAnActiveRouteStartsTheModificationOnlyWhenAccepted) {
  SetActLegs({"KSEA", "X", "Y", "Z", "KPDX"});
  fms_fpln_active = 3;
  stpos = 2;
  Enter("50/5000", 3);
  EXPECT_EQ(cdu_message, "INVALID ENTRY");
  EXPECT_EQ(fms_fpln_mod[3].ident, "KPDX");
  EXPECT_EQ(fms_fpln_active, 3);
  Enter("FL180", 3);
  EXPECT_EQ(fms_fpln_mod[3].ident, "Z");
  EXPECT_EQ(fms_fpln_mod[3].alt, 18000.0);
  EXPECT_EQ(fms_fpln_act[3].alt, -999.0);
  EXPECT_EQ(fms_fpln_active, 4);
  EXPECT_EQ(saved_stpos, 2);
}

TEST_F(LegConstraint, OnlyTheFirst140CharactersAreRead) {
  Enter("FL350" + std::string(200, ' ') + "9");
  EXPECT_EQ(fms_fpln_mod[1].alt, 35000.0);
  EXPECT_EQ(fms_fpln_mod[1].restr, 1);
}

}  // namespace
