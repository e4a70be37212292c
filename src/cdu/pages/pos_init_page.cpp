#include "cdu/pages/pos_init_page.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "afds/afds_globals.h"
#include "cdu/cdu_globals.h"
#include "cdu/cdu_page_framework.h"
#include "cdu/cdu_pages.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_candidates.h"
#include "base/geodesy.h"
#include "base/int_conversion.h"
#include "sim/derived_samples.h"
#include "sim/readers_flight.h"
#include "sim/tick_globals.h"
#include "navdb/nav_search.h"
#include "navdb/navdb_globals.h"
#include "navdb/navdb_text.h"

RO_DEFINE_GLOBALS(POS_INIT_SCALARS)

void ResetPosInitGlobals() { RO_RESET_GLOBALS(POS_INIT_SCALARS) }

void FindNearestRefAirport() {
  if (FindNearestAirport() != 1) return;
  // The position shown beside the ident must be this airport's, not the last one entered.
  found_apt_lat = 0.0;
  found_apt_lon = 0.0;
  FindNavRecordByName(nearest_apt_ident);
}

namespace {

using cdu::Font;

constexpr double kPageRight = 400.0;  // right-aligned fields of this page end here
constexpr size_t kIrsEntryChars = 15;
constexpr size_t kLatPartChars = 7;
constexpr double kMaxOriginOffsetNm = 6.0;
constexpr const char* kNoOrigin = "------";

// A coordinate as hemisphere, whole degrees, minutes and a tenth of a minute. The minute goes up
// from .95 on, but the tenth is only cut after adding five hundredths: 18.66 shows as 18.6.
struct DegMinTenths {
  char hemisphere;
  int32_t deg;
  int32_t min;
  int32_t tenths;
};

DegMinTenths Split(double v, char hemisphere) {
  const double a = std::fabs(v);
  const double d = std::trunc(a);
  const double f = (a - d) * 60.0;
  const double m = std::trunc(f + 0.05);
  DegMinTenths out{hemisphere, TruncToI32(d), TruncToI32(m), TruncToI32(std::fabs((f - m) * 10.0 + 0.05))};
  // 59.95 minutes and more round to the next whole degree, never to "60.0".
  if (out.min >= 60) {
    out.min = 0;
    if (out.deg < INT32_MAX) ++out.deg;
  }
  return out;
}

DegMinTenths SplitLat(double lat) { return Split(lat, lat >= 0.0 ? 'N' : 'S'); }
DegMinTenths SplitLon(double lon) { return Split(lon, lon > 0.0 ? 'E' : 'W'); }

// "N4726.7W12218.3": what 1R and 3R offer and SET IRS POS takes.
std::string EntryText(double lat, double lon) {
  const DegMinTenths a = SplitLat(lat);
  const DegMinTenths o = SplitLon(lon);
  return cdu::Format("%c%02d%02d.%d%c%03d%02d.%d", a.hemisphere, a.deg, a.min, a.tenths, o.hemisphere, o.deg,
                     o.min, o.tenths);
}

std::string LatDisplay(double lat) {
  const DegMinTenths a = SplitLat(lat);
  return cdu::Format("%c%02d\xB0%02d.%d", a.hemisphere, a.deg, a.min, a.tenths);
}

std::string LonDisplay(double lon) {
  const DegMinTenths o = SplitLon(lon);
  return cdu::Format("%c%03d\xB0%02d.%d", o.hemisphere, o.deg, o.min, o.tenths);
}

// The digits at the start of characters [from, from + len) of `part` (1-based); 0 when the group
// is missing or does not begin with a digit.
int32_t ReadGroup(std::string_view part, size_t from, size_t len) {
  if (from > part.size()) return 0;
  const std::string_view group = part.substr(from - 1, len);
  int32_t v = 0;
  for (char c : group) {
    if (c < '0' || c > '9') break;
    v = v * 10 + (c - '0');
  }
  return v;
}

bool IrsAligning() { return irs_l_align_count > 0 || irs_r_align_count > 0; }

bool RouteHasOrigin() { return orig_ident != kNoOrigin || !orig_entry.empty(); }

void SetIrsPosition() {
  const std::string& entry = cdu_scratchpad;
  // A letter typed for a digit is a typing mistake, as on every page that takes a position.
  if (entry.size() != kIrsEntryChars || !LatLonGroupsAreDigits(entry)) return cdu::RefuseEntry(cdu::kInvalidEntry);
  const std::string spaced = entry.substr(0, kLatPartChars) + ' ' + entry.substr(kLatPartChars);
  std::string_view part[2];
  if (SplitTokens(spaced, part, 2) < 2) return cdu::RefuseEntry(cdu::kInvalidEntry);
  const char lat_h = part[0].front();
  const char lon_h = part[1].front();
  if ((lat_h != 'N' && lat_h != 'S') || (lon_h != 'E' && lon_h != 'W')) return cdu::RefuseEntry(cdu::kInvalidEntry);
  const double lat_min = ReadGroup(part[0], 4, 2) + ReadGroup(part[0], 7, 1) / 10.0;
  const double lon_min = ReadGroup(part[1], 5, 2) + ReadGroup(part[1], 8, 1) / 10.0;
  double lat = ReadGroup(part[0], 2, 2) + lat_min / 60.0;
  double lon = ReadGroup(part[1], 2, 3) + lon_min / 60.0;
  // No place on the globe: a typing mistake, not a position to show.
  if (lat_min >= 60.0 || lon_min >= 60.0 || lat > 90.0 || lon > 180.0) return cdu::RefuseEntry(cdu::kInvalidEntry);
  if (!IrsAligning()) return;  // nothing to align: the entry waits in the scratchpad

  if (lat_h == 'S') lat = -lat;
  if (lon_h == 'W') lon = -lon;
  irs_set_lat = lat;
  irs_set_lon = lon;
  if (RouteHasOrigin()) {
    const AirportRecord& origin = airport_recs[1];
    if (CalcDistNm(origin.lat, origin.lon, lat, lon) > kMaxOriginOffsetNm) cdu_message = "ENTER INERTIAL POSITION";
  }
  cdu::AcceptEntry();
}

void SetRefAirport() {
  if (cdu::DeleteRequested()) {
    nearest_apt_ident.clear();
    cdu_message.clear();
    found_apt_lat = 0.0;
    found_apt_lon = 0.0;
    return;
  }
  if (cdu_scratchpad.size() != 4 || FindNavRecordByName(cdu_scratchpad) != 1) {
    return cdu::RefuseEntry(cdu::kInvalidEntry);
  }
  nearest_apt_ident = cdu_scratchpad;
  cdu::AcceptEntry();
}

void ApplyPosInitKey() {
  const int32_t line = cdu::PendingLine();
  if (cdu::PendingLeft()) {
    if (line == 2) SetRefAirport();
    if (line == 6) fms_page = kCduPageInitRefIndex;
  } else if (cdu::PendingRight()) {
    if ((line == 1 || line == 3) && cdu_scratchpad.empty()) {  // LAST POS, GPS POS
      cdu_scratchpad = EntryText(plane_lat, plane_lon);
    }
    if (line == 4 && !cdu_scratchpad.empty()) SetIrsPosition();
    if (line == 6) fms_page = kCduPageRte;
  }
}

// A position on one data row: latitude from x 140, longitude ending at the right edge.
void DrawPosition(cdu::CduScreen& cdu, double y, double lat, double lon) {
  cdu.Text(140, y, LatDisplay(lat));
  cdu.TextRight(y, LonDisplay(lon), Font::kLarge, kPageRight);
}

void DrawBoxRow(cdu::CduScreen& cdu, double x, int32_t cells) {
  constexpr double kCell = 13.0, kY = 180.0, kH = 15.0;
  gfx::Graphics* g = cdu.graphics();
  const gfx::Pen& pen = cdu.pen(2);
  const auto F = [](double v) { return static_cast<gfx::REAL>(v); };
  g->DrawRectangle(&pen, F(x), F(kY), F(kCell * cells), F(kH));
  for (int32_t i = 1; i < cells; ++i) g->DrawLine(&pen, F(x + kCell * i), F(kY), F(x + kCell * i), F(kY + kH));
}

// The empty SET IRS POS field: degrees, minutes and tenths boxes for each coordinate.
void DrawIrsEntryBoxes(cdu::CduScreen& cdu) {
  DrawBoxRow(cdu, 140, 3);
  cdu.Text(178, 176, "\xB0");
  DrawBoxRow(cdu, 190, 2);
  cdu.Text(214, 176, ".");
  DrawBoxRow(cdu, 223, 1);
  DrawBoxRow(cdu, 285, 4);
  cdu.Text(336, 176, "\xB0");
  DrawBoxRow(cdu, 350, 2);
  cdu.Text(374, 176, ".");
  DrawBoxRow(cdu, 383, 1);
}

std::string ZuluTimeAndDate() {
  ConvertDayOfYearToDate(TruncToI32(ReadZuluDay()));
  return cdu::Format("%02.0f%02.0f.%dz  %02d/%02d", ReadZuluHour(), ReadZuluMinute(),
                     TruncToI32(clock_second_b / 60.0 * 10.0), date_month, date_day);
}

}  // namespace

void DrawPosInitPage(DisplaySurface* surface, gfx::Graphics* graphics) {
  cdu::CduScreen cdu(surface, graphics);
  ApplyPosInitKey();

  cdu.Title(130, "POS  INIT");
  cdu.Text(320, 5, "1 / 1", Font::kSmall);
  cdu.TextRight(26, "L A S T   P O S", Font::kSmall, kPageRight);
  DrawPosition(cdu, 43, plane_lat, plane_lon);

  cdu.Text(12, 73, "R E F    A I R P O R T", Font::kSmall);
  cdu.Text(5, 88, cdu::Format("%4s", nearest_apt_ident.c_str()));
  if (found_apt_lat != 0.0) DrawPosition(cdu, 88, found_apt_lat, found_apt_lon);

  cdu.Text(12, 118, "G A T E", Font::kSmall);
  cdu.TextRight(118, "G P S   P O S", Font::kSmall, kPageRight);
  DrawPosition(cdu, 132, plane_lat, plane_lon);

  cdu.Text(230, 160, "S E T   I R S   P O S", Font::kSmall);
  if (irs_set_lat != 0.0) {
    DrawPosition(cdu, 180, irs_set_lat, irs_set_lon);
  } else {
    DrawIrsEntryBoxes(cdu);
  }

  cdu.Text(12, 205, "G M T  -  M O N / D V", Font::kSmall);
  cdu.Text(-5, 220, ZuluTimeAndDate());
  cdu.Text(-5, 248, "-------------------------", Font::kDash);
  cdu.Text(-5, cdu::kPromptY, "<INDEX");
  cdu.TextRight(cdu::kPromptY, "<ROUTE", Font::kLarge, kPageRight);
  cdu.ScratchpadLine();
}
