// RTE HOLD (page 39, DrawRteHoldPage in cdu_pages.h): the route's holds, one a sub-page, with the
// pilot's inbound course and turn, leg time or leg distance, the time of arrival over the hold fix,
// and the prompts to place a further hold (6L) or leave this one (6R).
//
// Reads: route_holds / hold_cnt, hold_page_cnt, the route state and stpos, the aircraft position,
// ground_speed and the zulu clock, the CDU key state. Writes: the shown hold's course, turn, leg time,
// leg distance and leg mode, hold_page, cdu_prompt_mode, edit_leg_idx, fms_page, the scratchpad and
// the message line; ERASE and EXIT HOLD through their route operations.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>

#include "cdu/cdu_globals.h"
#include "cdu/cdu_keys.h"
#include "cdu/cdu_page_framework.h"
#include "cdu/cdu_pages.h"
#include "cdu/eta_text.h"
#include "cdu/slash_entry.h"
#include "fmc/entry_limits.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_holds.h"
#include "base/geodesy.h"
#include "sim/tick_globals.h"
#include "navdb/navdb_text.h"

namespace {

using cdu::Font;

constexpr int32_t kHoldsForMorePrompts = 5;  // from 5 holds on there is no further hold and no exit
constexpr double kEtaMinGroundSpeedKt = 60.0;
constexpr size_t kCourseWordField = 19;
constexpr int32_t kBestHoldSpeedKt = 230;
constexpr int32_t kHoldAtPrompt = 2;

bool Modified() { return fms_fpln_active == 4; }

// "CRS/DIR": a course from 0 to 360 and L or R; fails as a whole.
bool EnterCourseAndTurn(RouteHold& h) {
  if (cdu_scratchpad.find('/') == std::string::npos) return false;
  std::string course_word, dir_word;
  if (!SplitSlashWords(cdu_scratchpad, kCourseWordField, &course_word, &dir_word)) return false;
  double course = 0.0;
  if (!CourseEntryDeg(course_word, EntryForm::kLeading, &course) || dir_word.empty()) return false;
  const char dir = static_cast<char>(std::toupper(static_cast<unsigned char>(dir_word.front())));
  if (dir != 'L' && dir != 'R') return false;
  h.turn = dir == 'R' ? 1 : 2;
  h.inbd_crs = course;
  return true;
}

// A positive number; `mode` says which of leg time (1) and leg distance (2) the hold then flies.
bool EnterLegLength(double* value, int32_t* leg_mode, int32_t mode) {
  double v = 0.0;
  if (!EntryNumber(cdu_scratchpad, EntryForm::kLeading, &v) || !(v > 0.0)) return false;
  *value = v;
  *leg_mode = mode;
  return true;
}

// 3L, 4L and 5L edit the hold row itself; the route state does not change. A page showing no hold
// takes no entry: the row behind it is not in use.
void ApplyEntry(RouteHold& h, bool hold_shown) {
  if (cdu_scratchpad.empty() || !cdu::PendingLeft()) return;
  const int32_t line = cdu::PendingLine();
  if (line < 3 || line > 5) return;
  bool ok = false;
  if (hold_shown) {
    switch (line) {
      case 3: ok = EnterCourseAndTurn(h); break;
      case 4: ok = EnterLegLength(&h.leg_time, &h.leg_mode, 1); break;
      default: ok = EnterLegLength(&h.leg_dist, &h.leg_mode, 2); break;
    }
  }
  if (ok) {
    cdu::AcceptEntry();
  } else {
    cdu::RefuseEntry(cdu::kInvalidEntry);
  }
}

void ApplyKey(RouteHold& h, int32_t row) {
  if (cdu_lsk == cdu_lsk_code::k6L) {
    if (Modified()) {
      EraseRouteModification();
    } else if (hold_cnt < kHoldsForMorePrompts) {
      cdu_prompt_mode = kHoldAtPrompt;
      fms_page = kCduPageRteLegs;
    }
  } else if (cdu_lsk == cdu_lsk_code::k6R) {
    // Only a hold that exists can be left.
    if (hold_cnt >= 1 && hold_cnt < kHoldsForMorePrompts && row <= hold_cnt) {
      // The held fix's leg in the modification, which an insertion before it may have moved.
      const int32_t mod_leg = h.saved_leg > 0 ? h.saved_leg : h.leg;
      ReleaseModLegHold(mod_leg);
      DeleteLegHolds(mod_leg, 2);
      cdu_prompt_mode = 0;
      fms_page = kCduPageRteLegs;
    }
  } else {
    ApplyEntry(h, hold_cnt >= 1 && row <= hold_cnt);
  }
}

void DrawFixEta(cdu::CduScreen& cdu, const RouteHold& h) {
  if (stpos == kNoActiveLeg || !(ground_speed > kEtaMinGroundSpeedKt) || hold_cnt < hold_page) {
    // Spaced for the CDU's narrow blank: drawn as a right-aligned field so that it stays on the screen.
    cdu.TextRight(88, ". . / . . .");
    return;
  }
  double dist_nm = 0.0, brg_deg = 0.0;
  CalcDistBrg(plane_lat, plane_lon, h.lat, h.lon, &dist_nm, &brg_deg);
  cdu.Text(290, 88, EtaTextTenths(dist_nm));
}

void DrawLines(cdu::CduScreen& cdu, const RouteHold& h) {
  cdu.Text(5, 26, "F I X", Font::kSmall);
  cdu.Text(0, 43, hold_cnt < 1 ? std::string("- - -") : h.fix);
  cdu.Text(280, 73, "F I X   E T A", Font::kSmall);
  DrawFixEta(cdu, h);
  cdu.Text(5, 118, "I N B D    C R S / D I R", Font::kSmall);
  cdu.Text(0, 132, cdu::Format(h.turn == 1 ? "%03.0f / R  T U R N" : "%03.0f / L  T U R N", h.inbd_crs));
  cdu.Text(5, 160, "L E G  T I M E", Font::kSmall);
  cdu.Text(0, 175, h.leg_mode == 1 ? cdu::Format("%1.1f   M I N", h.leg_time) : std::string("-.-  M I N"));
  cdu.Text(5, 205, "L E G    D I S T", Font::kSmall);
  cdu.Text(250, 205, "B E S T    S P E E D", Font::kSmall);
  cdu.Text(0, 220, h.leg_mode == 2 ? cdu::Format("%2.1f - N M", h.leg_dist) : std::string("--.-  - N M"));
  cdu.Text(310, 220, cdu::Format("%3d", kBestHoldSpeedKt));
  cdu.Text(370, 220, "K T", Font::kSmall);
  cdu.Text(0, 248, "- - - - - - - - - - - - - - - - - - - - - - - - -", Font::kSmall);
  if (Modified()) {
    cdu.Text(0, cdu::kPromptY, "< ERASE");
  } else {
    if (hold_cnt < kHoldsForMorePrompts) cdu.Text(0, cdu::kPromptY, "< NEXT HOLD");
    cdu.Text(220, cdu::kPromptY, "EXIT HOLD >");
  }
  cdu.ScratchpadLine();
}

}  // namespace

void DrawRteHoldPage(DisplaySurface* surface, gfx::Graphics* graphics) {
  cdu::CduScreen cdu(surface, graphics);
  cdu::ApplyPaging(&hold_page, std::min(hold_page_cnt, kMaxHolds));
  // The hold table's rows; a sub-page beyond the holds shows the row left there.
  const int32_t row = std::clamp(hold_page, 1, kMaxHolds);
  RouteHold& h = route_holds[row];

  cdu.RouteStatePrefix(21);
  cdu.Title(92, "RTE    HOLD");
  cdu.Text(290, 5, cdu::Format("%d / %d", hold_page, hold_page_cnt), Font::kSmall);
  ApplyKey(h, row);
  DrawLines(cdu, h);
}
