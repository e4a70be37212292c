// Every CDU line that takes a number: an empty key does nothing; no number and out of range are
// INVALID ENTRY; a letter inside is refused on digit-only lines, or gives the leading number.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <tuple>

#include "afds/afds_globals.h"
#include "cdu/cdu_fixture.h"
#include "cdu/cdu_pages.h"
#include "fmc/perf_tables.h"
#include "fmc/route_holds.h"
#include "state/config_globals.h"

namespace cdu_test {
namespace {

constexpr double kNo = NAN;  // refused: the value stays
double frequencies_sent = 0.0;  // NAV RADIO's value: the tuning events sent
struct NumberLine {
  int32_t page, sub;  // sub: the PERF or VNAV sub-page; -1 RTE LEGS with a route, -2 and a DIRECT TO, -3 a hold
  const char* key;
  std::function<double()> value;
  const char* letter;
  double letter_value;
  const char* out;
};
const NumberLine kLines[] = {
    {kCduPagePerfInit, 1, "3L", [] { return gross_weight; }, "1O5", 1000.0, "1000"},
    {kCduPagePerfInit, 1, "4L", [] { return reserves; }, "6X2", 6000.0, "-5"},
    {kCduPagePerfInit, 1, "1R", [] { return 1.0 * cruise_alt; }, "FL3O0", kNo, "FL1000"},
    {kCduPagePerfInit, 1, "2R", [] { return 1.0 * cost_index; }, "8O", 8.0, "1000"},
    {kCduPageTakeoffRef, 1, "1L", [] { return 1.0 * to_flaps; }, "15X", kNo, "25"},
    {kCduPageTakeoffRef, 1, "2L", [] { return 1.0 * accel_ht; }, "1500X5", 1500.0, "2001"},
    {kCduPageTakeoffRef, 1, "1R", [] { return 1.0 * v1; }, "140X5", 140.0, "250"},
    {kCduPageTakeoffRef, 1, "2R", [] { return 1.0 * vr; }, "145X5", 145.0, "250"},
    {kCduPageTakeoffRef, 1, "3R", [] { return 1.0 * v2; }, "150X5", 150.0, "270"},
    {kCduPageApproachRef, 1, "1R", [] { return 1.0 * vref20; }, "140X5", 140.0, "999"},
    {kCduPageApproachRef, 1, "2R", [] { return 1.0 * vref25; }, "138X5", 138.0, "270"},
    {kCduPageApproachRef, 1, "3R", [] { return 1.0 * vref30; }, "135X5", 135.0, "999"},
    {kCduPageVnav, 1, "1L", [] { return 1.0 * cruise_alt; }, "FL3O0", kNo, "FL1000"},
    {kCduPageVnav, 1, "2L", [] { return 1.0 * climb_ias; }, "280X5", 280.0, "600"},
    {kCduPageVnav, 1, "3L", [] { return ClbSpdRest; }, "25O/10000", kNo, "90/10000"},
    {kCduPageVnav, 1, "3R", [] { return 1.0 * trans_alt; }, "17000X", 17000.0, "99999"},
    {kCduPageVnav, 2, "2L", [] { return 1.0 * cruise_ias; }, "300X5", 300.0, "600"},
    {kCduPageVnav, 3, "2L", [] { return 1.0 * descent_ias; }, "270X5", 270.0, "600"},
    {kCduPageVnav, 3, "3L", [] { return DescSpdRest; }, "24O/10000", kNo, "240/99999"},
    {kCduPageRteLegs, -1, "2R", [] { return fms_fpln_mod[2].alt; }, "12O00", kNo, "100000"},
    {kCduPageRteLegs, -2, "6R", [] { return fms_fpln_mod[1].intc_crs; }, "27O", kNo, "361"},
    {kCduPageRteHold, -3, "3L", [] { return route_holds[1].inbd_crs; }, "270X/R", 270.0, "361/R"},
    {kCduPageRteHold, -3, "4L", [] { return route_holds[1].leg_time; }, "2X5", 2.0, "0"},
    {kCduPageRteHold, -3, "5L", [] { return route_holds[1].leg_dist; }, "8X5", 8.0, "-4"},
    {kCduPageFixInfo, 1, "2L", [] { return fix_info[1].radial1; }, "09O", kNo, "361"},
    {kCduPageNavRadio, 1, "1L", [] { return frequencies_sent; }, "11O.50", kNo, "999.99"},
};

TEST_F(CduTest, EveryNumberLineRefusesNoNumberAndOutOfRangeAndIgnoresAnEmptyKey) {
  SetFuelLb(20000.0);
  InitPerformanceTables();
  for (const NumberLine& line : kLines) {
    for (const auto& [text, after] : {std::pair<std::string, double>{"", kNo}, {"KSEA", kNo},
                                      {line.letter, line.letter_value}, {line.out, kNo}}) {
      // Values no entry gives, so that a change shows.
      std::tie(gross_weight, reserves, cruise_alt, cost_index, trans_alt) = std::tuple(1.3e5, 5e3, 31000, 50, 18000);
      std::tie(to_flaps, accel_ht, v1, vr, v2, vref20, vref25, vref30) = std::tuple(5, 1000, 130, 135, 141, 150, 147, 144);
      std::tie(ClbSpdRest, DescSpdRest, perf_page, vnav_page) = std::tuple(250.0, 240.0, line.sub, line.sub);
      std::tie(fix_info[1].ident, fix_info[1].radial1, cdu_prompt_mode) = std::tuple("SEA", 0.0, line.sub == -2);
      if (line.sub < 0) SetActiveRoute({"KSEA", "SEA", "TACMA", "KPDX"});
      if (line.sub == -3) AddLegHold(2, 0);
      frequencies_sent = static_cast<double>(host_.key_events().size());
      const double before = line.value();
      EnterOn(line.page, text, line.key);
      frequencies_sent = static_cast<double>(host_.key_events().size());
      const std::string what = std::to_string(line.page) + " " + line.key + " \"" + text + "\"";
      EXPECT_EQ(line.value(), std::isnan(after) ? before : after) << what;
      EXPECT_EQ(cdu_message, std::isnan(after) && !text.empty() ? "INVALID ENTRY" : "") << what;
    }
  }
}

}  // namespace
}  // namespace cdu_test
