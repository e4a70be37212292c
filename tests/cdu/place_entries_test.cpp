// Points made from places: place/bearing/distance and place-bearing/place-bearing entries, and the
// mistyped point entries every page that takes them refuses.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "base/geodesy.h"
#include "cdu/cdu_fixture.h"
#include "cdu/cdu_pages.h"
#include "navdb/mag_model.h"
#include "navdb/navdb_fixture.h"

namespace cdu_test {
namespace {

class PlaceEntryTest : public CduTest {
 protected:
  void SetUp() override {
    CduTest::SetUp();
    AddNavRow(nav_navaids, &nav_navaids_cnt, "SEA", 47.435, -122.310, "V", "116.80");
    AddNavRow(nav_navaids, &nav_navaids_cnt, "OLM", 46.972, -122.902, "V", "113.40");
    std::tie(plane_lat, plane_lon) = std::tuple(47.45, -122.31);
  }
};

// An entry whose second place is missing leaves the fix shown; a crossing made is a waypoint of its
// own, never the second navaid with its frequency; NAV DATA opens on no fix and no frequency.
TEST_F(PlaceEntryTest, RefNavDataAndFixInfoShowTheCrossingAsAWaypointOfItsOwn) {
  fms_page = kCduPageRefNavData;
  EnterAt("OLM", "1L");
  EnterAt("SEA330/XXX090", "1L");
  ExpectTaken("SEA330/XXX090", false, "NOT IN DATABASE");
  Paint();
  EXPECT_EQ(Row(1), "OLM | 113.40");
  EnterAt("SEA180/OLM090", "1L");
  Paint();
  EXPECT_EQ(Row(1), "OLM01 | ");
  PressAndPaint("FIX");
  EnterAt("SEA180/OLM090", "1L");
  EXPECT_EQ(fix_info[1].ident, "OLM01");

  EnterOn(kCduPageRefNavData, "OLM", "1L");
  EnterOn(kCduPageInitRefIndex, "", "1R");
  Paint();
  EXPECT_EQ(Row(1), "---- | ");
}

// Radials that meet only on the far side of the globe, if at all, make no point: the entry finds
// nothing and the page keeps its fix.
TEST_F(PlaceEntryTest, RadialsThatDoNotMeetNearThePlacesFindNothing) {
  fms_page = kCduPageRefNavData;
  EnterAt("OLM", "1L");
  EnterAt("SEA090/OLM180", "1L");
  ExpectTaken("SEA090/OLM180", false, "NOT IN DATABASE");
  Paint();
  EXPECT_EQ(Row(1), "OLM | 113.40");
}

// Points made on a navaid's radial or along the route from it are waypoints: the leg keeps none of
// the navaid's frequency.
TEST_F(PlaceEntryTest, PointsMadeFromANavaidCarryNoFrequency) {
  SetActiveRoute({"KSEA", "SEA", "TACMA", "KPDX"});
  PressAndPaint("LEGS");
  EnterAt("SEA/5", "1L");
  EnterAt("SEA090/20", "3L");
  std::vector<std::string> made, with_freq;
  for (int32_t i = 0; i <= fp_mod_cnt; ++i) {
    if (fms_fpln_mod[i].ident.starts_with("SEA0")) made.push_back(fms_fpln_mod[i].ident);
    if (!fms_fpln_mod[i].freq.empty()) with_freq.push_back(fms_fpln_mod[i].ident);
  }
  EXPECT_EQ(made.size(), 2u);
  EXPECT_EQ(with_freq, std::vector<std::string>{});
}

// A point built far from the aircraft lies on the radial typed, magnetic at the place.
TEST_F(PlaceEntryTest, PlaceBearingDistanceTakesTheVariationAtThePlace) {
  AddNavRow(nav_ints, &nav_ints_cnt, "DIPPA", 45.0, -70.0, "I");
  mag_var = 18.0;  // the aircraft's, in the west; the place's lies the other way
  SetActiveRoute({"KSEA", "SEA", "TACMA", "KPDX"});
  PressAndPaint("LEGS");
  EnterAt("DIPPA090/20", "3L");
  ASSERT_EQ(fms_fpln_mod[3].ident, "DIP01");
  double dist_nm, brg_true;
  CalcDistBrg(45.0, -70.0, fms_fpln_mod[3].lat, fms_fpln_mod[3].lon, &dist_nm, &brg_true);
  EXPECT_NEAR(brg_true - GetMagVar(45, -70), 90.0, 0.01);
  EXPECT_NEAR(dist_nm, 20.0, 0.01);
}

// A mistyped point is no point on any page that takes one: INVALID ENTRY, the entry kept, nothing
// inserted, no fix set and no hold begun. A letter for a digit in a bearing, a distance or a
// shorthand is such a mistake, never the number before it.
TEST_F(PlaceEntryTest, MistypedPointsAreInvalidEntriesOnEveryPage) {
  const std::vector<std::string> route{"KSEA", "SEA", "TACMA", "KPDX"};
  for (const char* text : {"N47A6.5W12218.3", "N4736.5W12218.3X", "N4736.5W1221B.3", "N4736.AW12218.3", "SEA999/100",
                           "SEA361/100", "SEA270/9999", "SEA270/999", "SEA300/OLM999", "SEA999/OLM060", "SEA2OO/10",
                           "SEA200/1O", "SEAO20/10", "SEA33O/OLM090", "SEA330/OLM09O", "52O5N", "75N7O"}) {
    // RTE LEGS, RTE (a direct fix), the HOLD AT look-up, FIX INFO, and REF NAV DATA (no key: the page
    // stays).
    for (const auto& [keys, lsk] :
         {std::pair{"LEGS", "2L"}, {"RTE NEXT_PAGE", "2R"}, {"HOLD", "6L"}, {"FIX", "1L"}, {"", "1L"}}) {
      SetActiveRoute(route);
      fms_page = kCduPageRefNavData;
      PressAndPaint(keys);
      EnterAt(text, lsk);
      ExpectTaken(text, false);
      EXPECT_EQ(std::pair(ModIdents(), fix_info[1].ident), std::pair(route, std::string())) << keys << " " << text;
    }
  }
}

}  // namespace
}  // namespace cdu_test
