#include "cdu/eta_text.h"

#include <gtest/gtest.h>

#include <tuple>

#include "frame/module_state.h"
#include "frame/tick_globals.h"

namespace {

// At 300 kt one NM is 0.2 minutes. Whole minutes are cut, never rounded up to "60"; the tenths
// are those of the minute.
TEST(EtaTextTest, PrintsTheZuluTimeOfArrival) {
  struct Case {
    double dist_nm, zulu_hour, zulu_min;
    const char* text;
    const char* tenths;
  };
  ResetModuleState();
  ground_speed = 300.0;
  for (const Case& c : {Case{100.0, 10.0, 45.0, "1105Z", "1105.0Z"}, Case{100.0, 23.0, 50.0, "0010Z", "0010.0Z"},
                        Case{299.75, 10.0, 0.0, "1059Z", "1059.9Z"},
                        Case{15000.0, 23.0, 0.0, "0100Z", "0100.0Z"},  // 50 hours on
                        Case{2.5, 8.0, 30.0, "0830Z", "0830.5Z"}}) {
    zulu_hour = c.zulu_hour;
    zulu_min = c.zulu_min;
    EXPECT_EQ(EtaText(c.dist_nm), c.text) << c.dist_nm;
    EXPECT_EQ(EtaTextTenths(c.dist_nm), c.tenths) << c.dist_nm;
  }
}

TEST(EtaTextTest, AfterMinutesAddsTheTimeToGoToZulu) {
  ResetModuleState();
  for (const auto& [hour, min, minutes, eta] :
       {std::tuple{23.0, 30.0, 45.0, "0015Z"}, std::tuple{10.0, 0.0, 59.6, "1059Z"},
        std::tuple{22.0, 0.0, 50.0 * 60.0, "0000Z"}, std::tuple{9.0, 15.0, -0.2, "0915Z"}}) {  // behind now is now
    zulu_hour = hour;
    zulu_min = min;
    EXPECT_EQ(EtaTextAfterMinutes(minutes), eta) << minutes;
  }
}

}  // namespace
