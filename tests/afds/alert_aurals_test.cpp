#include <gtest/gtest.h>

#include <ostream>
#include <tuple>

#include "afds/sound_fixture.h"

namespace {

struct Engines {
  bool left, right;
  bool heard;
};
void PrintTo(const Engines& e, std::ostream* os) { *os << "left " << e.left << " right " << e.right; }

// Whole SERVER frames at 1000 ft with flaps 25, the gear up and the speedbrakes out: GEAR NOT DOWN,
// then SPEEDBRAKES EXT, listened to in the host's sound log.
class AlertAuralsTest : public SoundTest, public testing::WithParamInterface<Engines> {};

TEST_P(AlertAuralsTest, WarningAndCautionChimesSoundWithEitherEngineRunning) {
  ASSERT_NE(host().CreateInstance("SERVER", "", 0), nullptr);
  for (auto [token, value] :
       {std::pair{604u, 100.0}, {60u, 0.0}, {614u, 1009.0 / 3.2808399}, {907u, 25.0}, {326u, 2000.0}, {327u, 2000.0}}) {
    host().SetToken(token, value);
  }
  host().SetToken(566, GetParam().left ? 1.0 : 0.0);
  host().SetToken(576, GetParam().right ? 1.0 : 0.0);
  for (int i = 0; i < 18 * 4; ++i) host().RunFrame();
  const bool heard = GetParam().heard;
  EXPECT_EQ(std::tuple(Starts("757LEVELAWARN.wav"), Starts("757LEVELBWARN.wav")), std::tuple(heard, heard));
}

INSTANTIATE_TEST_SUITE_P(Engines, AlertAuralsTest,
                         testing::Values(Engines{false, true, true}, Engines{true, false, true},
                                         Engines{false, false, false}));

}  // namespace
