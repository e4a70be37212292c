// TAKEOFF REF (page 27) and APPROACH REF (page 12), DrawTakeoffRefPage and DrawApproachRefPage in
// cdu_pages.h: the take-off flaps, acceleration height and V-speeds with the pre-flight cue, and the
// landing VREFs, the landing flap/speed choice and the destination runway and approach data. Both
// set the airspeed bugs and publish them.
//
// Reads the fuel on board, gross_weight, reserves, cruise_alt, the route state, dep_rwy_sel,
// dest_ident with the destination airport block (runway fms_dest_rwy_pos, dest_elev), the approach
// list row arr_appr_sel, to_flap_list, weight_unit. Writes to_flaps, accel_ht, v1/vr/v2 and their
// entry flags, vref20/25/30, ldg_flaps, vref, asi_bug1..3, fms_page.
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "afds/afds_globals.h"
#include "afds/annunciators.h"
#include "cdu/cdu_globals.h"
#include "cdu/cdu_keys.h"
#include "cdu/cdu_page_framework.h"
#include "cdu/cdu_pages.h"
#include "cdu/pages/perf_texts.h"
#include "fmc/entry_limits.h"
#include "fmc/fmc_globals.h"
#include "fmc/perf_tables.h"
#include "fmc/route_state.h"
#include "navdb/nav_records.h"
#include "navdb/navdb_globals.h"
#include "navdb/navdb_text.h"
#include "state/config_globals.h"

namespace {

using cdu::Font;
namespace lsk = cdu_perf::lsk;

constexpr const char* kDegree = "\xB0";
constexpr const char* kNoSelection = "------";
constexpr float kEnteredSpeedEm = 27.0f;
constexpr int32_t kApproachBugKt = 60;
constexpr double kFeetToMetres = 0.3048;

// ---- TAKEOFF REF ----

void EnterTakeoffFlaps() {
  const int32_t n = ParseLeadingInt(cdu_scratchpad);
  const std::string framed = "," + cdu_scratchpad + ",";
  if (!TakeoffFlapsAccepted(n) || to_flap_list.find(framed) == std::string::npos) {
    return cdu::RefuseEntry(cdu::kInvalidEntry);
  }
  to_flaps = n;
  ComputeTakeoffSpeeds(n);
  cdu::AcceptEntry();
}

void EnterAccelHeight() {
  int32_t n = 0;
  if (!HeightEntryFt(cdu_scratchpad, kMinAccelHtFt, kMaxAccelHtFt, &n)) return cdu::RefuseEntry(cdu::kInvalidEntry);
  accel_ht = n;
  cdu::AcceptEntry();
}

// A pilot's V-speed: the speed, its bug and its entry flag (which keeps it from the table).
void EnterVSpeed(int32_t max_kt, int32_t* speed, int32_t* set_flag, int32_t* bug) {
  int32_t n = 0;
  if (!SpeedEntryKt(cdu_scratchpad, 1, max_kt, &n)) return cdu::RefuseEntry(cdu::kInvalidEntry);
  *bug = n;
  *speed = n;
  *set_flag = n;
  UpdateAsiBugVars();
  cdu::AcceptEntry();
}

void ApplyTakeoffRefKey() {
  if (cdu_lsk == cdu_lsk_code::k6L) {
    fms_page = kCduPageInitRefIndex;
    return;
  }
  if (cdu_scratchpad.empty()) return;
  switch (cdu_lsk) {
    case lsk::k1L: return EnterTakeoffFlaps();
    case lsk::k2L: return EnterAccelHeight();
    case lsk::k1R: return EnterVSpeed(kMaxV1VrKt, &v1, &v1_set, &asi_bug1);
    case lsk::k2R: return EnterVSpeed(kMaxV1VrKt, &vr, &vr_set, &asi_bug2);
    case lsk::k3R: return EnterVSpeed(kMaxRefSpeedKt, &v2, &v2_set, &asi_bug3);
    default: return;
  }
}

// A V-speed in the large font, or in the larger one once the pilot entered it.
void DrawVSpeed(cdu::CduScreen& cdu, const gfx::Font& entered_font, double y, int32_t speed, int32_t set_flag) {
  if (speed < 1) {
    cdu.Text(345, y, "---", Font::kDash);
    return;
  }
  const std::string text = cdu::Format("%3d", speed);
  if (set_flag <= 0) {
    cdu.Text(345, y, text);
    return;
  }
  cdu.graphics()->DrawString(text.c_str(), static_cast<gfx::INT>(text.size()), &entered_font,
                             gfx::PointF(345.0f, static_cast<gfx::REAL>(y)), &cdu.brush(cdu::Ink::kGreen));
}

bool PreflightComplete() {
  return fms_fpln_active > 0 && reserves > 0.0 && cruise_alt > 0 && dep_rwy_sel != kNoSelection;
}

// ---- APPROACH REF ----

int32_t* VrefOfKey(int32_t key) {
  switch (key) {
    case lsk::k1R: return &vref20;
    case lsk::k2R: return &vref25;
    case lsk::k3R: return &vref30;
    default: return nullptr;
  }
}

void ApplyVrefKey(int32_t key) {
  int32_t* vref_kt = VrefOfKey(key);
  const int32_t flaps = key == lsk::k1R ? 20 : key == lsk::k2R ? 25 : 30;
  if (cdu_scratchpad.empty()) {
    // Offers the row as a FLAP/SPD entry.
    cdu_scratchpad = cdu::Format("%d/%d", flaps, *vref_kt);
    return;
  }
  if (ParseLeadingInt(cdu_scratchpad) < 0) return;  // a negative VREF is ignored without a message
  // No VREF above the take-off speeds' limit: 999 kt was shown and set on the speed tape.
  int32_t n = 0;
  if (!SpeedEntryKt(cdu_scratchpad, 0, kMaxRefSpeedKt, &n) || (n == 0 && cdu_scratchpad != "0")) {
    return cdu::RefuseEntry(cdu::kInvalidEntry);
  }
  *vref_kt = n;
  cdu::AcceptEntry();
}

void ApplyFlapSpeedKey() {
  const size_t slash = cdu_scratchpad.find('/');
  if (slash == std::string::npos || slash < 2) return;
  const std::string_view flaps = std::string_view(cdu_scratchpad).substr(0, slash);
  const int32_t speed_kt = ParseLeadingInt(std::string_view(cdu_scratchpad).substr(slash + 1));
  const bool matches = (flaps == "20" && speed_kt == vref20) || (flaps == "25" && speed_kt == vref25) ||
                       (flaps == "30" && speed_kt == vref30);
  if (!matches) return cdu::RefuseEntry(cdu::kInvalidEntry);
  ldg_flaps = ParseLeadingInt(flaps);
  asi_bug3 = speed_kt;
  asi_bug1 = kApproachBugKt;
  asi_bug2 = kApproachBugKt;
  vref = speed_kt;
  UpdateAsiBugVars();
  cdu::AcceptEntry();
}

void ApplyApproachRefKey() {
  switch (cdu_lsk) {
    case lsk::k1R:
    case lsk::k2R:
    case lsk::k3R: return ApplyVrefKey(cdu_lsk);
    case lsk::k4R: return ApplyFlapSpeedKey();
    case cdu_lsk_code::k6L: fms_page = kCduPageInitRefIndex; return;
    default: return;
  }
}

// The chosen arrival runway of the destination block; null when none is chosen.
const RunwayRecord* DestRunway() {
  const AirportRecord& dest = airport_recs[2];
  const int32_t row = fms_dest_rwy_pos;
  if (row < 1 || row > dest.rwy_cnt || row >= kAirportRunwayRows) return nullptr;
  return &dest.runways[row];
}

// The chosen approach row of the ARRIVALS list; null when none is chosen.
const ApproachListRow* ChosenApproach() {
  const int32_t row = arr_appr_sel;
  if (row < 1 || row > appr_list_cnt || row >= static_cast<int32_t>(std::size(appr_list))) return nullptr;
  return &appr_list[row];
}

void DrawDestinationData(cdu::CduScreen& cdu) {
  const RunwayRecord* rwy = DestRunway();
  if (rwy != nullptr) {
    const std::string ident(TextOf(rwy->ident));
    cdu.Text(10, 160, cdu::Format("%s %s", LoadedDestination().c_str(), ident.c_str()), Font::kSmall);
    cdu.Text(0, 175, cdu::Format("%05dFT*%04.0fM", rwy->length_ft, rwy->length_ft * kFeetToMetres));
    cdu.Text(260, 205, "F R O N T  C R S", Font::kSmall);
    cdu.Text(310, 220, cdu::Format("%03.0f%s", rwy->heading, kDegree));
  }
  const ApproachListRow* appr = ChosenApproach();
  if (appr != nullptr) {
    cdu.Text(10, 205, cdu::Format(" %s %s", appr->identifier.c_str(), appr->runway.c_str()), Font::kSmall);
    if (rwy != nullptr) cdu.Text(0, 220, std::string(TextOf(rwy->ils_freq)));
  }
  if (dest_ident != kNoSelection) {
    cdu.Text(170, 205, "E L E V", Font::kSmall);
    cdu.Text(170, 220, cdu::Format("%d", dest_elev));
  }
}

}  // namespace

void DrawTakeoffRefPage(DisplaySurface* surface, gfx::Graphics* graphics) {
  cdu::CduScreen cdu(surface, graphics);
  ApplyTakeoffRefKey();
  const gfx::Font entered_font("Orvantel757CDU", kEnteredSpeedEm, gfx::FontStyleBold, gfx::UnitPixel);

  cdu.Title(80, "TAKEOFF  REF");
  cdu.Text(0, 26, "  F L A P", Font::kSmall);
  if (to_flaps >= 1) cdu.Text(5, 43, cdu::Format("%d%s", to_flaps, kDegree));
  cdu.Text(340, 26, "V 1", Font::kSmall);
  DrawVSpeed(cdu, entered_font, 43, v1, v1_set);

  cdu.Text(0, 73, "  A C C E L  H T", Font::kSmall);
  cdu.Text(5, 88, cdu::Format("%d", accel_ht));
  cdu.Text(340, 73, "V R", Font::kSmall);
  DrawVSpeed(cdu, entered_font, 88, vr, vr_set);

  cdu.Text(340, 118, "V 2", Font::kSmall);
  DrawVSpeed(cdu, entered_font, 132, v2, v2_set);

  cdu.Text(150, 160, "G R   W T", Font::kSmall);
  cdu.Text(150, 185, cdu::Format("%-3.1f", cdu_perf::GrossWeightThousands()));

  // The dashes and the cue apart, so that the cue ends on the screen in the CDU font.
  cdu.Text(2, 245, "- - - - - - - - - - - - - - - - - - - - - - - -", Font::kSmall);
  cdu_perf::TextEndingAt(cdu, 397, 245, "P R E - F L T", Font::kSmall);
  if (PreflightComplete()) cdu.Text(250, cdu::kPromptY, "COMPLETE");
  cdu.Text(5, cdu::kPromptY, "<INDEX");
  cdu.ScratchpadLine();
}

void DrawApproachRefPage(DisplaySurface* surface, gfx::Graphics* graphics) {
  cdu::CduScreen cdu(surface, graphics);
  ApplyApproachRefKey();

  cdu.Title(5, "      APPROACH REF");
  cdu.Text(0, 26, "  G R O S S   W T", Font::kSmall);
  cdu.Text(5, 43, cdu::Format("%3.1f", cdu_perf::GrossWeightThousands()));
  cdu.Text(180, 26, "F L A P S", Font::kSmall);
  cdu.Text(330, 26, "V R E F", Font::kSmall);
  const struct {
    double y;
    const char* flaps;
    int32_t vref_kt;
  } rows[] = {{43, "20\xB0", vref20}, {88, "25\xB0", vref25}, {132, "30\xB0", vref30}};
  for (const auto& row : rows) {
    cdu.Text(180, row.y, row.flaps);
    cdu.Text(300, row.y, cdu::Format("%3d", row.vref_kt));
    cdu.Text(365, row.y + 10, "K T", Font::kSmall);
  }

  cdu.Text(250, 160, "F L A P / S P D", Font::kSmall);
  if (ldg_flaps == 0 || vref == 0) {
    cdu.Text(270, 185, "- - / - - -", Font::kSmall);
  } else {
    cdu.Text(270, 175, cdu::Format("%2d%s/%3d", ldg_flaps, kDegree, vref));
  }
  DrawDestinationData(cdu);

  cdu.Text(0, 248, "- - - - - - - - - - - - - - - - - - - - - - - - -");
  cdu.Text(0, cdu::kPromptY, "< INDEX");
  cdu.ScratchpadLine();
}
