#include <gtest/gtest.h>

#include <string>

#include "module/module_fixture.h"
#include "sim/tcas_link.h"

namespace {

class TcasTargetChoiceTest : public FrameTest {
 protected:
  // The table's rows as threat letter and distance, "R3 O4 ...".
  static std::string Rows() {
    std::string s;
    for (int r = 1; r <= tcas_target_cnt; ++r) {
      s += (r > 1 ? " " : "") + std::string(1, tcas_targets[r].threat) +
           std::to_string(static_cast<int>(tcas_targets[r].dist_nm));
    }
    return s;
  }
};

// Seven listed, oldest first: the resolution advisory 3 NM ahead and the traffic advisory 9 NM away
// keep their places ahead of the nearer other traffic, which fills the rest nearest first.
TEST_F(TcasTargetChoiceTest, MoreThanFiveKeepAdvisoriesThenTheNearest) {
  const struct {
    double nm;
    int threat;
  } listed[] = {{3, 3}, {1, 0}, {9, 2}, {6, 0}, {2, 1}, {5, 0}, {4, 0}};
  host().tcas().Enable();
  for (const auto& l : listed) host().tcas().Add(l.nm, 0.0, 0.0, l.threat);
  ASSERT_EQ(ConnectTcasModule(tcas::kClientName, &TcasConnectCallback, 0), 0);
  TakeTcasTargets();
  EXPECT_EQ(Rows(), "O4 P2 T9 O1 R3");
}

}  // namespace
