#include "cdu/pages/ann_status_page.h"

#include <cstdint>
#include <string>

#include "afds/afds_globals.h"
#include "cdu/cdu_page_framework.h"
#include "cdu/cdu_pages.h"
#include "fmc/fmc_globals.h"
#include "base/geodesy.h"
#include "sim/tick_globals.h"
#include "navdb/nav_records.h"
#include "navdb/navdb_globals.h"
#include "state/config_globals.h"

namespace {

using cdu::Font;

constexpr double kFtPerNm = 6076.0;
constexpr double kShownBelowFt = 50000.0;
constexpr int32_t kLastAnnouncementStage = 4;  // the departure distance matters up to this stage

// The runway of row `row` of an airport record; null for a row outside the table (the arrival row
// is read whatever its value).
const RunwayRecord* RunwayRow(const AirportRecord& airport, int32_t row) {
  return row >= 0 && row < kAirportRunwayRows ? &airport.runways[row] : nullptr;
}

// "DIST FROM <runway> <separator><feet>FT" for a runway near enough, else "".
std::string RunwayDistance(const RunwayRecord* rwy, const char* separator) {
  if (rwy == nullptr) return {};
  const double ft = CalcDistNm(plane_lat, plane_lon, rwy->lat, rwy->lon) * kFtPerNm;
  if (ft >= kShownBelowFt) return {};
  return cdu::Format("DIST FROM %s %s%.0fFT", std::string(TextOf(rwy->ident)).c_str(), separator, ft);
}

}  // namespace

void DrawAnnouncementStatusPage(DisplaySurface* surface, gfx::Graphics* graphics) {
  cdu::CduScreen cdu(surface, graphics);
  cdu.Title(10, "ANNOUNCEMENT STATUS");
  cdu.Text(310, 0, "1 / 1", Font::kSmall);

  cdu.Text(0, 29, "  O V P A S", Font::kSmall);
  cdu.Text(5, 44, play_announcements == 0 ? std::string("OFF") : cdu::Format("ON - MODE: %d ", annuncement_mode));
  if (play_announcements != 0 && annuncement_mode <= kLastAnnouncementStage && fms_dep_rwy_pos > 0) {
    cdu.Text(5, 88, RunwayDistance(RunwayRow(airport_recs[1], fms_dep_rwy_pos), ""));
  }

  cdu.Text(0, 117, "  T / O  C A L L O U T S", Font::kSmall);
  cdu.Text(5, 132, cdu::Format("MODE: %d", to_callout_mode));

  cdu.Text(0, 161, "  L D G   C H E C K L I S T", Font::kSmall);
  cdu.Text(5, 176, ldg_checklist == 0 ? std::string("OFF") : cdu::Format("ON - MODE: %d", ldg_checklist_mode));
  if (ldg_checklist != 0) {
    cdu.Text(5, 220, RunwayDistance(RunwayRow(airport_recs[2], fms_dest_rwy_pos), "- "));
  }
}
