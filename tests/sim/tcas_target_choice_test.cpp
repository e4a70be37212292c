#include <gtest/gtest.h>

#include <string>

#include "module/module_fixture.h"
#include "sim/tcas_link.h"

namespace {

class TcasTargetChoiceTest : public FrameTest {
 protected:
  // The table's rows as threat letter and distance, "R3 O4 ...".
  void ConnectAndTake() {
    host().tcas().Enable();
    ASSERT_EQ(ConnectTcasModule(tcas::kClientName, &TcasConnectCallback, 0), 0);
    TakeTcasTargets();
  }
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
  for (const auto& l : listed) host().tcas().Add(l.nm, 0.0, 0.0, l.threat);
  ConnectAndTake();
  EXPECT_EQ(Rows(), "O4 P2 T9 O1 R3");
}

// The map draws only intruders within 3,000 ft (both ends in): the two inside it keep their places
// against nearer ones and a resolution advisory outside it, which fill the rest.
TEST_F(TcasTargetChoiceTest, IntrudersOutsideTheVerticalWindowGiveWayToThoseInside) {
  const struct {
    double nm, rel_alt_ft;
    int threat;
  } listed[] = {{6, -600, 1}, {8, 3000, 0}, {3, 7000, 3}, {1, 5000, 0}, {2, -6000, 0}, {4, -3100, 0}, {5, 9000, 0}};
  for (const auto& l : listed) host().tcas().Add(l.nm, 0.0, l.rel_alt_ft, l.threat);
  ConnectAndTake();
  EXPECT_EQ(Rows(), "O2 O1 R3 O8 P6");
}

}  // namespace
