#include "cdu/eta_text.h"

#include <gtest/gtest.h>

#include "frame/module_state.h"
#include "frame/tick_globals.h"

namespace {

struct EtaCase {
  const char* name;
  double dist_nm;
  double gs_kt;
  double zulu_hour;
  double zulu_min;
  const char* text;
  const char* tenths;
};

class EtaTextTest : public ::testing::TestWithParam<EtaCase> {
 protected:
  void SetUp() override { ResetModuleState(); }
};

TEST_P(EtaTextTest, PrintsTheZuluTimeOfArrival) {
  const EtaCase& c = GetParam();
  ground_speed = c.gs_kt;
  zulu_hour = c.zulu_hour;
  zulu_min = c.zulu_min;
  EXPECT_EQ(EtaText(c.dist_nm), c.text);
  EXPECT_EQ(EtaTextTenths(c.dist_nm), c.tenths);
}

// At 300 kt one NM is 0.2 minutes.
INSTANTIATE_TEST_SUITE_P(
    Cases, EtaTextTest,
    ::testing::Values(EtaCase{"MinutesCarryIntoTheHour", 100.0, 300.0, 10.0, 45.0, "1105Z", "1105.0Z"},
                      EtaCase{"PastMidnight", 100.0, 300.0, 23.0, 50.0, "0010Z", "0010.0Z"},
                      EtaCase{"MinuteFractionIsCutNotRounded", 299.75, 300.0, 10.0, 0.0, "1059Z", "1059.9Z"},
                      // 50 hours from 23:00 is 01:00 two days on.
                      EtaCase{"SeveralDaysReduceModulo24", 15000.0, 300.0, 23.0, 0.0, "0100Z", "0100.0Z"},
                      EtaCase{"TenthsOfTheMinute", 2.5, 300.0, 8.0, 30.0, "0830Z", "0830.5Z"}),
    [](const ::testing::TestParamInfo<EtaCase>& i) { return i.param.name; });

}  // namespace
