#include <gtest/gtest.h>

#include <tuple>

#include "systems_fixture.h"

namespace {

// OVERSPEED (the simulator's overspeed flag) and LOW FUEL (1500 lb a side) raised through the EICAS
// passes of whole SERVER frames; the light is the named variable "master_warning_light".
class MasterLightTest : public systems_test::SystemsFixture {
 protected:
  void SetUp() override {
    SystemsFixture::SetUp();
    QuietAircraft();
    RunFrames(18 * 2);
  }
  void Overspeed(bool on) {
    host_.SetToken(68, on ? 1.0 : 0.0);
    RunFrames(18 * 2);
  }
  void LowFuel() {
    for (uint32_t level : {291u, 297u}) host_.SetToken(level, 8388608.0 * 1500.0 / 6700.0);
    RunFrames(18 * 2);
  }
  double Light() const { return Named("master_warning_light"); }
};

// Either order of OVERSPEED and LOW FUEL: the light falls back to caution when the warning leaves.
TEST_F(MasterLightTest, CautionStandingWhenTheWarningClearsLightsTheCaution) {
  for (bool caution_first : {false, true}) {
    if (caution_first) LowFuel();
    Overspeed(true);
    if (!caution_first) LowFuel();
    EXPECT_EQ(Light(), 2.0);
    Overspeed(false);
    EXPECT_EQ(Light(), 1.0) << caution_first;
    // Reset, under the warning as well: the caution does not come back.
    host_.SetNamed("master_warning_light_clicked", 1.0);
    Overspeed(true);
    host_.SetNamed("master_warning_light_clicked", 1.0);
    Overspeed(false);
    EXPECT_EQ(Light(), 0.0) << caution_first;
    for (uint32_t level : {291u, 297u}) host_.SetToken(level, 8388608.0);  // refuelled: LOW FUEL leaves
    RunFrames(18 * 2);
  }
}

}  // namespace
