// Every CDU line that takes a number meets one rule per kind of value: an empty key does nothing, a
// text with no number and a value out of range are INVALID ENTRY, and a letter inside is refused
// where the line takes only digits, or gives the number it follows where the line reads the leading
// number. A line added later joins the table.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <tuple>
#include <utility>

#include "cdu/cdu_fixture.h"
#include "cdu/cdu_pages.h"
#include "fmc/hold_legs.h"
#include "fmc/route_holds.h"
#include "afds/afds_globals.h"
#include "fmc/perf_tables.h"
#include "state/config_globals.h"

namespace cdu_test {
namespace {

constexpr double kRefused = NAN;

struct NumberLine {
  const char* name;
  std::function<void()> open;     // the page as the crew finds it, the line's value known
  const char* key;
  std::function<double()> value;  // what the line sets
  const char* letter_inside;
  double letter_value;            // taken from it, or kRefused
  const char* out_of_range;
};

void Vnav(int32_t sub_page) {
  fms_page = kCduPageVnav;
  vnav_page = sub_page;
}

void Hold() {
  SetActiveRoute({"KSEA", "SEA", "TACMA", "KPDX"});
  AddLegHold(2, 0);
  fms_page = kCduPageRteHold;
  hold_page = 1;
}

const NumberLine kLines[] = {
    {"PerfInitZfw", [] { fms_page = kCduPagePerfInit; }, "3L", [] { return gross_weight; }, "1O5", 1000.0, "1000"},
    {"PerfInitReserves", [] { fms_page = kCduPagePerfInit; }, "4L", [] { return reserves; }, "6X2", 6000.0, "-5"},
    {"PerfInitCruiseAlt", [] { fms_page = kCduPagePerfInit; }, "1R", [] { return 1.0 * cruise_alt; }, "FL3O0",
     kRefused, "FL1000"},
    {"PerfInitCostIndex", [] { fms_page = kCduPagePerfInit; }, "2R", [] { return 1.0 * cost_index; }, "8O", 8.0,
     "1000"},
    {"TakeoffFlaps", [] { fms_page = kCduPageTakeoffRef; }, "1L", [] { return 1.0 * to_flaps; }, "15X", kRefused,
     "25"},
    {"TakeoffAccelHeight", [] { fms_page = kCduPageTakeoffRef; }, "2L", [] { return 1.0 * accel_ht; }, "1500X5",
     1500.0, "2001"},
    {"TakeoffV1", [] { fms_page = kCduPageTakeoffRef; }, "1R", [] { return 1.0 * v1; }, "140X5", 140.0, "250"},
    {"TakeoffVr", [] { fms_page = kCduPageTakeoffRef; }, "2R", [] { return 1.0 * vr; }, "145X5", 145.0, "250"},
    {"TakeoffV2", [] { fms_page = kCduPageTakeoffRef; }, "3R", [] { return 1.0 * v2; }, "150X5", 150.0, "270"},
    {"ApproachVref20", [] { fms_page = kCduPageApproachRef; }, "1R", [] { return 1.0 * vref20; }, "140X5", 140.0,
     "999"},
    {"ApproachVref25", [] { fms_page = kCduPageApproachRef; }, "2R", [] { return 1.0 * vref25; }, "138X5", 138.0,
     "270"},
    {"ApproachVref30", [] { fms_page = kCduPageApproachRef; }, "3R", [] { return 1.0 * vref30; }, "135X5", 135.0,
     "999"},
    {"ClbCruiseAlt", [] { Vnav(1); }, "1L", [] { return 1.0 * cruise_alt; }, "FL3O0", kRefused, "FL1000"},
    {"ClbSpeed", [] { Vnav(1); }, "2L", [] { return 1.0 * climb_ias; }, "280X5", 280.0, "600"},
    {"ClbSpeedRestriction", [] { Vnav(1); }, "3L", [] { return ClbSpdRest; }, "25O/10000", kRefused, "90/10000"},
    {"ClbTransAlt", [] { Vnav(1); }, "3R", [] { return 1.0 * trans_alt; }, "17000X", 17000.0, "99999"},
    {"CrzSpeed", [] { Vnav(2); }, "2L", [] { return 1.0 * cruise_ias; }, "300X5", 300.0, "600"},
    {"DesSpeed", [] { Vnav(3); }, "2L", [] { return 1.0 * descent_ias; }, "270X5", 270.0, "600"},
    {"DesSpeedRestriction", [] { Vnav(3); }, "3L", [] { return DescSpdRest; }, "24O/10000", kRefused, "240/99999"},
    {"LegsConstraint",
     [] {
       SetActiveRoute({"KSEA", "SEA", "TACMA", "KPDX"});
       fms_page = kCduPageRteLegs;
     },
     "2R", [] { return fms_fpln_mod[2].alt; }, "12O00", kRefused, "100000"},
    {"LegsInterceptCourse",
     [] {
       SetActiveRoute({"KSEA", "SEA", "TACMA", "KPDX"});
       fms_page = kCduPageRteLegs;
       cdu_prompt_mode = 1;
     },
     "6R", [] { return fms_fpln_mod[1].intc_crs; }, "27O", kRefused, "361"},
    {"HoldCourse", Hold, "3L", [] { return route_holds[1].inbd_crs; }, "270X/R", 270.0, "361/R"},
    {"HoldLegTime", Hold, "4L", [] { return route_holds[1].leg_time; }, "2X5", 2.0, "0"},
    {"HoldLegDistance", Hold, "5L", [] { return route_holds[1].leg_dist; }, "8X5", 8.0, "-4"},
    {"FixInfoRadial",
     [] {
       fix_info[1] = FixInfoEntry{};
       std::tie(fix_info[1].ident, fix_info[1].lat, fix_info[1].lon) = std::tuple("SEA", 47.4, -122.3);
       fms_page = kCduPageFixInfo;
     },
     "2L", [] { return fix_info[1].radial1; }, "09O", kRefused, "361"},
};

class NumberLinesSweepTest : public CduTest {
 protected:
  void SetUp() override {
    CduTest::SetUp();
    SetFuelLb(20000.0);
    InitPerformanceTables();
    perf_page = 1;
    // Values none of the entries gives, so that a change shows.
    std::tie(gross_weight, reserves, cruise_alt, cost_index, trans_alt) = std::tuple(130000.0, 5000.0, 31000, 50, 18000);
    std::tie(to_flaps, accel_ht, v1, vr, v2) = std::tuple(5, 1000, 130, 135, 141);
    std::tie(vref20, vref25, vref30) = std::tuple(150, 147, 144);
    std::tie(ClbSpdRest, DescSpdRest) = std::tuple(250.0, 240.0);
  }
};

TEST_F(NumberLinesSweepTest, EmptyKeyNoNumberLetterAndRangeOnEveryLine) {
  for (const NumberLine& line : kLines) {
    // Text, the value after it (kRefused: unchanged), the message.
    for (const auto& [text, after] : {std::pair<std::string, double>{"", kRefused}, {"KSEA", kRefused},
                                      {line.letter_inside, line.letter_value}, {line.out_of_range, kRefused}}) {
      line.open();
      const double before = line.value();
      EnterOn(fms_page, text, line.key);
      const bool taken = !std::isnan(after);
      const std::string what = std::string(line.name) + " \"" + text + "\"";
      EXPECT_EQ(line.value(), taken ? after : before) << what;
      EXPECT_EQ(cdu_message, taken || text.empty() ? "" : "INVALID ENTRY") << what;
    }
  }
}

// The VOR L frequency goes out only inside the VOR band.
TEST_F(NumberLinesSweepTest, NavRadioTunesOnlyTheVorBand) {
  nav_radio_mode = 1;
  for (const auto& [text, sent] : {std::pair{"", false}, std::pair{"KSEA", false}, std::pair{"11O.50", false},
                                   std::pair{"999.99", false}, std::pair{"107.95", false}, std::pair{"117.95", true}}) {
    const size_t events = host_.key_events().size();
    EnterOn(kCduPageNavRadio, text, "1L");
    EXPECT_EQ(host_.key_events().size(), events + (sent ? 1 : 0)) << text;
  }
}

}  // namespace
}  // namespace cdu_test
