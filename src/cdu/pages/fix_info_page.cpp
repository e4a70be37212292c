// FIX INFO (page 37, DrawFixInfoPage in cdu_pages.h): two reference fixes, one a sub-page, each with
// the aircraft's present radial and distance from it and up to three radial/distance points with
// their ETA and distance to go. The page keeps its fixes in fix_info rows 1 and 2, which the map
// displays draw.
//
// Reads: the CDU key state, the aircraft position, mag_var, ground_speed and the zulu clock, the
// look-up results nav_search_list / nav_search_cnt. Writes: fix_info, fix_page, cdu_lookup_ident,
// the scratchpad and the message line.
#include <algorithm>
#include <cstdint>
#include <string>

#include "cdu/cdu_globals.h"
#include "cdu/cdu_keys.h"
#include "cdu/cdu_page_framework.h"
#include "cdu/cdu_pages.h"
#include "cdu/eta_text.h"
#include "cdu/slash_entry.h"
#include "fmc/route_exec.h"
#include "fmc/route_edit.h"
#include "base/geodesy.h"
#include "sim/tick_globals.h"
#include "navdb/nav_records.h"
#include "navdb/nav_search.h"
#include "navdb/navdb_globals.h"
#include "navdb/navdb_text.h"

namespace {

using cdu::Font;

constexpr int32_t kFixPages = 2;
constexpr size_t kMaxPointEntry = 12;
constexpr size_t kPointWordField = 9;
constexpr double kEtaMinGroundSpeedKt = 75.0;
constexpr double kPointY[] = {88.0, 130.0, 170.0};

// The radial/distance pairs of a row, points 1 to 3.
struct PointFields {
  double FixInfoEntry::*radial;
  double FixInfoEntry::*distance;
};
constexpr PointFields kPoints[] = {{&FixInfoEntry::radial1, &FixInfoEntry::distance1},
                                   {&FixInfoEntry::radial2, &FixInfoEntry::distance2},
                                   {&FixInfoEntry::radial3, &FixInfoEntry::distance3}};

void EnterFix(FixInfoEntry& row) {
  if (cdu::DeleteRequested()) {
    ClearDisplayTables(fix_page);
    cdu_message.clear();
    return;
  }
  if (cdu_scratchpad.empty()) return;
  cdu_lookup_ident = cdu_scratchpad;
  FindWaypointCandidates(0);
  NameCrossingCandidate();
  ClearPlaceOffset();  // the page keeps the place itself and inserts nothing
  if (nav_search_cnt < 1) {
    cdu::RefuseLookUp();
    return;
  }
  // Several matches take the first, without a SELECT WAYPOINT page.
  const NavRecord& c = nav_search_list[1];
  row.ident = TextOf(c.ident);
  row.lat = c.lat;
  row.lon = c.lon;
  row.type = TextOf(c.type);
  for (const PointFields& p : kPoints) row.*p.radial = row.*p.distance = 0.0;
  cdu::AcceptEntry();
}

// "RRR", "RRR/DIST" or "/DIST": a radial of three characters from 000 to 360 (000 is north, held as
// 360), a distance above 0 and below 999 NM; the part not entered stays.
void EnterPoint(FixInfoEntry& row, const PointFields& p) {
  if (row.ident.empty()) return;
  if (cdu::DeleteRequested()) {
    row.*p.radial = row.*p.distance = 0.0;
    cdu_message.clear();
    return;
  }
  if (cdu_scratchpad.empty()) return;
  std::string first, second;
  if (cdu_scratchpad.size() > kMaxPointEntry || !SplitSlashWords(cdu_scratchpad, kPointWordField, &first, &second)) {
    cdu::RefuseEntry(cdu::kInvalidEntry);
    return;
  }
  const bool has_slash = cdu_scratchpad.find('/') != std::string::npos;
  const bool has_radial = !has_slash || cdu_scratchpad.front() != '/';
  const bool has_dist = has_slash;
  const std::string& radial_word = first;
  const std::string& dist_word = has_radial ? second : first;
  const double radial = has_radial ? ParseLeadingDouble(radial_word) : 0.0;
  const double dist = has_dist ? ParseLeadingDouble(dist_word) : 0.0;
  const bool radial_ok = radial_word.size() == 3 && IsPlaceNumber(radial_word) && radial >= 0.0 && radial <= 360.0;
  const bool dist_ok = IsPlaceNumber(dist_word) && dist > 0.0 && dist < kMaxRadialDistNm;
  if ((has_radial && !radial_ok) || (has_dist && !dist_ok)) {
    cdu::RefuseEntry(cdu::kInvalidEntry);
    return;
  }
  if (has_radial) row.*p.radial = radial == 0.0 ? 360.0 : radial;
  if (has_dist) row.*p.distance = dist;
  cdu::AcceptEntry();
}

void ApplyKey(FixInfoEntry& row) {
  const int32_t line = cdu::PendingLine();
  if (!cdu::PendingLeft() || line < 1 || line > 4) return;
  if (line == 1) {
    EnterFix(row);
  } else {
    EnterPoint(row, kPoints[line - 2]);
  }
}

// Five entry boxes where the fix goes.
void DrawFixBoxes(cdu::CduScreen& cdu) {
  gfx::Graphics* g = cdu.graphics();
  const gfx::Pen& pen = cdu.pen(2);
  g->DrawRectangle(&pen, 0.0f, 48.0f, 100.0f, 15.0f);
  for (float x = 20.0f; x < 100.0f; x += 20.0f) g->DrawLine(&pen, x, 48.0f, x, 63.0f);
}

// The radial of the fix the aircraft is on, folded into (0, 360].
std::string PresentRadialText(const FixInfoEntry& row) {
  double dist_nm = 0.0, brg_deg = 0.0;
  CalcDistBrg(plane_lat, plane_lon, row.lat, row.lon, &dist_nm, &brg_deg);
  double radial = brg_deg - mag_var;
  if (radial < 0.5) radial += 360.0;
  radial += 180.0;
  if (radial >= 360.0) radial -= 360.0;
  if (radial == 0.0) radial = 360.0;
  return cdu::Format("%03.0f/%5.1f", radial, dist_nm);
}

void DrawPoint(cdu::CduScreen& cdu, const FixInfoEntry& row, int n) {
  const double radial = row.*kPoints[n].radial;
  const double dist = row.*kPoints[n].distance;
  const double y = kPointY[n];
  cdu.Text(5, y, radial == 0.0 ? std::string("---") : cdu::Format("%03.0f", radial));
  cdu.Text(70, y, dist == 0.0 ? std::string("---") : cdu::Format("%.1f", dist));
  if (!(ground_speed > kEtaMinGroundSpeedKt && radial > 0.0 && dist > 0.0)) return;
  double pt_lat = 0.0, pt_lon = 0.0;
  CalcDestPoint(row.lat, row.lon, norm360(radial + mag_var), dist, &pt_lat, &pt_lon);
  double to_go_nm = 0.0, brg_deg = 0.0;
  CalcDistBrg(pt_lat, pt_lon, plane_lat, plane_lon, &to_go_nm, &brg_deg);
  cdu.Text(145, y, EtaText(to_go_nm));
  cdu.Text(230, y, cdu::Format("%3.1f", to_go_nm));
}

}  // namespace

void DrawFixInfoPage(DisplaySurface* surface, gfx::Graphics* graphics) {
  cdu::CduScreen cdu(surface, graphics);
  cdu.Title(63, "   FIX INFO");
  // With two pages PREV and NEXT alike switch to the other fix.
  cdu::ApplyPaging(&fix_page, kFixPages);
  cdu.Text(290, 0, cdu::Format("%d / %d", fix_page, kFixPages), Font::kSmall);
  cdu.Text(0, 26, "  F I X         R A D / D I S   F R", Font::kSmall);

  FixInfoEntry& row = fix_info[fix_page];
  ApplyKey(row);

  cdu.Text(5, 73, "R A D /    D I S         E T A        D T G     A L T", Font::kSmall);
  if (row.ident.empty()) {
    DrawFixBoxes(cdu);
  } else {
    cdu.Text(5, 43, row.ident);
    cdu.Text(90, 43, PresentRadialText(row));
    for (int n = 0; n < 3; ++n) DrawPoint(cdu, row, n);
  }
  cdu.ScratchpadLine();
}
