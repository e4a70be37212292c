// Entries typed with a mistake: blanks after a speed constraint and altitudes no aircraft flies.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "cdu/cdu_fixture.h"
#include "cdu/cdu_pages.h"
#include "state/config_globals.h"

namespace cdu_test {
namespace {

using EntryLimitsTest = CduTest;

// Blanks typed after "250/" keep the entry a speed.
TEST_F(EntryLimitsTest, BlanksAfterASpeedConstraintKeepItASpeed) {
  SetActiveRoute({"KSEA", "SEA", "TACMA", "KPDX"});
  PressAndPaint("LEGS");
  for (const char* text : {"250/ ", "260/  "}) {
    EnterAt(text, "2R");
    ExpectTaken(text, true);
    EXPECT_EQ(std::tuple(fms_fpln_mod[2].ias, fms_fpln_mod[2].alt, fms_fpln_mod[2].restr),
              std::tuple(std::stod(text), -999.0, 2)) << text;
  }
}

// "FL" only leads the altitude and one slash parts the two: an entry that says something else is
// refused and changes nothing, on RTE LEGS and as the cruise altitude of PERF INIT and the VNAV
// pages; the forms of a level still set it.
TEST_F(EntryLimitsTest, FlightLevelLettersAndSlashesOnlyWhereTheyBelong) {
  SetActiveRoute({"KSEA", "SEA", "TACMA", "KPDX"});
  cruise_alt = 31000;
  for (const char* text : {"FL280/", "230/FL", "L250", "240/12000/7", "F/L350", "250FL/", "FL1000", "FL280X"}) {
    PressAndPaint("LEGS");
    EnterAt(text, "2R");
    ExpectTaken(text, false);
    EXPECT_EQ(fms_fpln_mod[2].restr, 0) << text;
    for (const auto& [page, key] : {std::pair{kCduPagePerfInit, "1R"}, std::pair{kCduPageVnav, "1L"}}) {
      std::tie(perf_page, vnav_page) = std::tuple(1, 2);
      EnterOn(page, text, key);
      ExpectTaken(text, false);
      EXPECT_EQ(cruise_alt, 31000) << page << " " << text;
    }
  }
  EnterOn(kCduPagePerfInit, " FL350 ", "1R");
  EXPECT_EQ(pending_cruise_alt, 35000);
  PressAndPaint("LEGS");
  for (const char* text : {"FL350", "/FL350", "250/FL350", "250/ FL350"}) {
    EnterAt(text, "2R");
    ExpectTaken(text, true);
    EXPECT_EQ(fms_fpln_mod[2].alt, 35000.0) << text;
  }
  for (const auto& [text, ft] : {std::pair{"FL050", 5000.0}, std::pair{"050", 50.0}}) {
    EnterAt(text, "2R");
    EXPECT_EQ(fms_fpln_mod[2].alt, ft) << text;
  }
}

// PERF INIT and the CLB page refuse the altitudes the cruise-altitude line of the VNAV pages
// refuses, and so do the speed restrictions.
TEST_F(EntryLimitsTest, AltitudesOf99999FeetAndAboveAreRefusedOnEveryPerformancePage) {
  std::tie(cruise_alt, trans_alt, ClbAltRest, DescAltRest) = std::tuple(31000, 18000, 10000.0, 10000.0);
  // Page, sub-page, key, entry.
  for (const auto& [page, sub_page, key, text] :
       {std::tuple{kCduPagePerfInit, 1, "1R", "99999999999"}, std::tuple{kCduPagePerfInit, 1, "1R", "99999"},
        std::tuple{kCduPagePerfInit, 1, "1R", "FL1000"}, std::tuple{kCduPageVnav, 1, "1L", "FL1000"},
        std::tuple{kCduPageVnav, 1, "3R", "2147483647"}, std::tuple{kCduPageVnav, 1, "3L", "250/99999"},
        std::tuple{kCduPageVnav, 3, "3L", "240/99999999"}}) {
    std::tie(perf_page, vnav_page) = std::tuple(sub_page, sub_page);
    EnterOn(page, text, key);
    ExpectTaken(text, false);
    EXPECT_EQ(std::tuple(cruise_alt, trans_alt, ClbAltRest, DescAltRest), std::tuple(31000, 18000, 10000.0, 10000.0))
        << text;
  }
  std::tie(perf_page, vnav_page) = std::tuple(1, 1);
  EnterOn(kCduPageVnav, "99998", "3R");
  EXPECT_EQ(trans_alt, 99998);
  EnterOn(kCduPageVnav, "FL999", "1L");
  EXPECT_EQ(cruise_alt, 99900);
  EnterOn(kCduPagePerfInit, "FL350", "1R");
  EXPECT_EQ(cruise_alt, 35000);
}

}  // namespace
}  // namespace cdu_test
