#include "cdu/pages/ident_pages.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "cdu/cdu_globals.h"
#include "cdu/cdu_keys.h"
#include "cdu/cdu_page_framework.h"
#include "cdu/cdu_pages.h"
#include "cdu/pages/pos_init_page.h"
#include "navdb/lat_lon_format.h"
#include "fmc/route_candidates.h"
#include "fmc/route_edit.h"
#include "sim/tick_globals.h"
#include "navdb/nav_search.h"
#include "navdb/navdb_globals.h"
#include "state/aircraft_id_globals.h"
#include "state/config_globals.h"

namespace {

using cdu::Font;

constexpr double kIdentRight = 400.0;  // IDENT's right-aligned fields end here
constexpr double kSearchBelowKt = 30.0;
constexpr const char* kNoFix = "----";
constexpr const char* kProgramId = "2478485-2-10  (OV 1.4.2)";

void ApplyIdentKey() {
  if (cdu_lsk == cdu_lsk_code::k6L) fms_page = kCduPageInitRefIndex;
  if (cdu_lsk == cdu_lsk_code::k6R) {
    fms_page = kCduPagePosInit;
    // Moving aircraft are away from any gate: the nearest airport means nothing then.
    if (ground_speed < kSearchBelowKt) FindNearestRefAirport();
  }
}

// "N47:26:70" (hemisphere, degrees, ":", minutes, ":", the tenth of a minute and a 0) as "N47°26.7",
// the degrees padded to `deg_digits`. The tenth is taken from the minutes, never from seconds
// truncated below them, so that a typed position reads as typed.
std::string DegMinText(std::string_view dm, size_t deg_digits) {
  const size_t c1 = dm.find(':');
  const size_t c2 = c1 == std::string_view::npos ? c1 : dm.find(':', c1 + 1);
  if (dm.empty() || c2 == std::string_view::npos || c2 + 1 >= dm.size()) return std::string(dm);
  std::string deg(dm.substr(1, c1 - 1));
  if (deg.size() < deg_digits) deg.insert(0, deg_digits - deg.size(), '0');
  return std::string(1, dm[0]) + deg + "\xB0" + std::string(dm.substr(c1 + 1, c2 - c1 - 1)) + "." + dm[c2 + 1];
}

void LookUpFix() {
  cdu_lookup_ident = cdu_scratchpad;
  FindWaypointCandidates(0);
  NameCrossingCandidate();
  ClearPlaceOffset();  // the page shows the place itself and inserts nothing
  if (nav_search_cnt < 1) return cdu::RefuseLookUp();
  if (nav_search_cnt == 1) {
    SetCurrentFix(1);
  } else {
    cdu_return_page = kCduPageRefNavData;
    fms_page = kCduPageSelectWaypoint;
  }
  cdu::AcceptEntry();
}

void ApplyRefNavDataKey() {
  if (cdu_lsk == cdu_lsk_code::k1L && !cdu_scratchpad.empty()) LookUpFix();
  if (cdu_lsk == cdu_lsk_code::k6L) fms_page = kCduPageInitRefIndex;
}

}  // namespace

void DrawIdentPage(DisplaySurface* surface, gfx::Graphics* graphics) {
  cdu::CduScreen cdu(surface, graphics);
  ApplyIdentKey();

  cdu.Title(120, "IDENT");
  cdu.Text(220, 3, "1 / 1", Font::kSmall);
  cdu.Text(0, 26, "  M O D E L", Font::kSmall);
  cdu.TextRight(26, "E N G I N E S", Font::kSmall, kIdentRight);
  cdu.Text(0, 43, aircraft_model);
  cdu.TextRight(43, engine_type, Font::kLarge, kIdentRight);
  // One label in the panel's narrow font; set as two here so that ACTIVE stays on the screen.
  cdu.Text(0, 73, "  N A V    D A T A", Font::kSmall);
  cdu.TextRight(73, "A C T I V E", Font::kSmall, kIdentRight);
  cdu.Text(0, 88, cdu::Format("%9s", navdata_cycle.c_str()));
  cdu.TextRight(88, navdata_valid, Font::kLarge, kIdentRight);
  cdu.Text(5, 160, "  O P    P R O G R A M", Font::kSmall);
  cdu.Text(0, 175, kProgramId);
  cdu.Text(0, cdu::kPromptY, "<INDEX");
  cdu.TextRight(cdu::kPromptY, "<POS INIT", Font::kLarge, kIdentRight);
  cdu.ScratchpadLine();
}

void DrawRefNavDataPage(DisplaySurface* surface, gfx::Graphics* graphics) {
  cdu::CduScreen cdu(surface, graphics);
  ApplyRefNavDataKey();

  cdu.Title(5, "   REF NAV DATA");
  cdu.Text(0, 26, "  I D E N T", Font::kSmall);
  cdu.Text(5, 43, cur_fix_ident);
  cdu.Text(330, 26, "  F R E Q", Font::kSmall);
  cdu.Text(310, 43, cdu::Format("%6s", cur_fix_extra.c_str()));
  if (cur_fix_ident != kNoFix) {
    std::string lat_dms, lon_dms;
    FormatLatLonDms2(cur_fix_lat, -cur_fix_lon, &lat_dms, &lon_dms, 1);  // it takes west as positive
    cdu.Text(0, 73, " L A T I T U D E", Font::kSmall);
    cdu.Text(0, 88, DegMinText(lat_dms, 2));
    cdu.Text(265, 73, "L O N G I T U D E", Font::kSmall);
    cdu.Text(260, 88, DegMinText(lon_dms, 3));
    if (cur_fix_type == "APT") {
      cdu.Text(265, 118, "E L E V A T I O N", Font::kSmall);
      cdu.Text(260, 142, cdu::Format("%6s FT", cur_fix_info.c_str()));
    }
  }
  cdu.Text(0, 248, "- - - - - - - - - - - - -", Font::kSmall);
  cdu.Text(5, cdu::kPromptY, "< INDEX");
  cdu.ScratchpadLine();
}
