// Test bed of the performance pages: the CDU bed with fuel in the simulator's tanks, a fuel flow, and
// an entry made on a page with one line-select key.
#pragma once

#include <string>
#include <string_view>

#include "cdu/cdu_fixture.h"

namespace cdu_test {

class PerfPageTest : public CduTest {
 protected:
  // All of it in the centre tank: full level, a capacity of `lb` gallons of 1 lb each.
  void SetFuelLb(double lb) {
    host_.SetToken(289, 8388608.0);
    host_.SetToken(290, lb);
    host_.SetToken(306, 1.0);
  }
  // Total fuel flow of the engines, lb per hour.
  void SetFuelFlow(double lb_per_h) { host_.SetToken(421, lb_per_h); }

  // The scratchpad holds `text` (any characters) when `key` is pressed on page `page`.
  void EnterOn(int32_t page, std::string_view text, std::string_view key) {
    fms_page = page;
    cdu_scratchpad = std::string(text);
    cdu_message.clear();
    PressAndPaint(key);
  }
  // The entry `text` was taken (scratchpad emptied, no message) or refused ("INVALID ENTRY", the
  // scratchpad kept).
  static void ExpectTaken(std::string_view text, bool taken) {
    if (taken) {
      EXPECT_EQ(cdu_scratchpad, "");
      EXPECT_EQ(cdu_message, "");
    } else {
      EXPECT_EQ(cdu_scratchpad, text);
      EXPECT_EQ(cdu_message, "INVALID ENTRY");
    }
  }
};

}  // namespace cdu_test
