// The VNAV pages (page 15, DrawVnavPage in cdu_pages.h): CLB, CRZ and PATH DES by vnav_page. They take
// the cruise altitude, the speed schedule of each phase, the climb and descent speed restrictions,
// the transition altitude and the pause options, and show the next altitude constraint, the T/D and
// the destination ETA and fuel.
//
// Reads the route state and the active route (next_restr_leg, stpos), toc, tod, the T/C position,
// dist_to_tod, dest_dtg, ground speed, wind, the fuel on board and fuel flow, the zulu time and the
// arming switches. Writes cruise_alt (with cruise_alt_prev and pending_cruise_alt), the three speed
// pairs with their saved copies, the speed restrictions, trans_alt, the pause options with their
// done flags, vnav_page, and the route state through StepFplnState and ERASE.
#include <cstdint>
#include <string>
#include <string_view>

#include "cdu/cdu_globals.h"
#include "cdu/cdu_keys.h"
#include "cdu/cdu_page_framework.h"
#include "cdu/cdu_pages.h"
#include "cdu/eta_text.h"
#include "cdu/pages/perf_texts.h"
#include "fmc/entry_limits.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_model.h"
#include "fmc/route_state.h"
#include "sim/fuel_tanks.h"
#include "sim/sim_globals.h"
#include "base/geodesy.h"
#include "base/int_conversion.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"
#include "navdb/navdb_text.h"
#include "state/config_globals.h"

namespace {

using cdu::Font;
namespace lsk = cdu_perf::lsk;

constexpr int32_t kClb = 1;
constexpr int32_t kCrz = 2;
constexpr int32_t kDes = 3;
constexpr double kClbMaxMach = kScheduleMaxClimbMach;
constexpr double kMaxMach = kScheduleMaxMach;
constexpr double kEtaMinGroundSpeedKt = 60.0;
constexpr const char* kDegree = "\xB0";
constexpr const char* kDashLine = "-----------------------------";

// ---- entries ----

void EnterCruiseAlt() {
  if (cdu_scratchpad.empty()) return;
  int32_t ft = 0;
  if (!cdu_perf::CruiseAltEntryFt(cdu_scratchpad, &ft)) return cdu::RefuseEntry(cdu::kInvalidEntry);
  TakeCruiseAltEntry(ft);
  if (fms_fpln_active == 3) StepFplnState();
  cdu::AcceptEntry();
}

// One phase's speed schedule and the copies ERASE takes back.
struct SpeedPair {
  int32_t* ias_kt;
  double* mach;
  double* ias_prev_kt;
  double* mach_prev;
  double max_mach;
};

// The copies hold the executed values: a second entry before EXEC leaves them, so ERASE takes back
// both entries.
void SaveSpeed(const SpeedPair& p) {
  if (*p.ias_prev_kt <= 0.0) *p.ias_prev_kt = *p.ias_kt;
}
void SaveMach(const SpeedPair& p) {
  if (*p.mach_prev <= 0.0) *p.mach_prev = *p.mach;
}

// "SPD", "/MACH" or "SPD/MACH"; a refused entry changes nothing, the saved copies included.
void EnterSpeedPair(const SpeedPair& p) {
  if (cdu_scratchpad.empty()) return;
  const std::string_view text = cdu_scratchpad;
  const size_t slash = text.find('/');
  const auto mach_ok = [&](double m) { return ScheduleMachAccepted(m, p.max_mach); };
  if (slash == std::string_view::npos) {
    const int32_t kt = ParseLeadingInt(text);
    if (!ScheduleIasAccepted(kt)) return cdu::RefuseEntry(cdu::kInvalidEntry);
    SaveSpeed(p);
    *p.ias_kt = kt;
  } else if (slash == 0) {
    const double m = ParseLeadingDouble(text.substr(1));
    if (!mach_ok(m)) return cdu::RefuseEntry(cdu::kInvalidEntry);
    SaveMach(p);
    *p.mach = m;
  } else {
    const int32_t kt = ParseLeadingInt(text.substr(0, slash));
    const double m = ParseLeadingDouble(text.substr(slash + 1));
    if (!ScheduleIasAccepted(kt) || !mach_ok(m)) return cdu::RefuseEntry(cdu::kInvalidEntry);
    SaveSpeed(p);
    SaveMach(p);
    *p.ias_kt = kt;
    *p.mach = m;
  }
  cdu::AcceptEntry();
  if (fms_fpln_active == 3) StepFplnState();
}

// A restriction the page takes, and so one it shows.
bool RestrictionShown(double speed_kt, double alt_ft) {
  return RestrictionSpeedAccepted(speed_kt) && RestrictionAltitudeAccepted(alt_ft);
}

// "SPD/ALT" with at least three characters before the "/".
void EnterSpeedRestriction(double* speed_kt, double* alt_ft) {
  if (cdu_scratchpad.empty()) return;
  const std::string_view text = cdu_scratchpad;
  const size_t slash = text.find('/');
  if (slash == std::string_view::npos || slash < 3) return cdu::RefuseEntry(cdu::kInvalidEntry);
  const int32_t kt = ParseLeadingInt(text.substr(0, slash));
  const double alt = ParseLeadingDouble(text.substr(slash + 1));
  if (!RestrictionShown(kt, alt)) return cdu::RefuseEntry(cdu::kInvalidEntry);
  *speed_kt = kt;
  *alt_ft = alt;
  cdu::AcceptEntry();
}

void EnterTransAlt() {
  if (cdu_scratchpad.empty()) return;
  int32_t ft = 0;
  const int32_t max_ft = TruncToI32(cdu_perf::kAltEntryLimitFt) - 1;
  if (!HeightEntryFt(cdu_scratchpad, 1, max_ft, &ft)) return cdu::RefuseEntry(cdu::kInvalidEntry);
  trans_alt = ft;
  cdu::AcceptEntry();
}

// An option the configuration arms; switching it on clears its done flag so that it acts again.
void ToggleOption(int32_t armed, int32_t* option, int32_t* done) {
  if (armed != 1) return;
  *option = *option == 1 ? 0 : 1;
  if (*option == 1) *done = 0;
}

void EraseWhenModified() {
  if (fms_fpln_active == 4) EraseRouteModification();
}

// ---- shared texts ----

// The active route's leg next_restr_leg; null without one.
const RouteLeg* NextRestrictionLeg() {
  if (next_restr_leg < 0 || next_restr_leg > ClampedLastRow(fp_cnt)) return nullptr;
  return &fms_fpln_act[next_restr_leg];
}

void DrawCruiseAlt(cdu::CduScreen& cdu) {
  const std::string text = cdu_perf::CruiseAltText();
  if (text.empty()) {
    cdu_perf::BoxPrompt(cdu, 5, 48, 5);
  } else {
    cdu.Text(5, 43, text);
  }
}

// "%3d / 0.%d": the Mach's hundredths, as the CRZ and DES lines print it.
std::string SpeedMachText(int32_t ias_kt, double mach) {
  // The small lift keeps a typed .57 (0.56999... in binary) from showing as 0.56.
  return cdu::Format("%3d / 0.%d", ias_kt, TruncToI32(mach * 100.0 + 1e-9));
}

void DrawRestriction(cdu::CduScreen& cdu, double speed_kt, double alt_ft) {
  cdu.Text(0, 118, "  S P D / R E S T", Font::kSmall);
  if (RestrictionShown(speed_kt, alt_ft)) {
    cdu.Text(5, 132, cdu::Format("%3.0f / %-5.0f", speed_kt, alt_ft));
  }
}

void DrawSubPageTitle(cdu::CduScreen& cdu, double x, const char* title, int32_t page) {
  cdu.Title(x, title);
  cdu.Text(340, 5, cdu::Format("%d / 3", page), Font::kSmall);
}

// ---- CLB ----

// The climb meets the next constraint before it reaches the T/C.
bool ConstraintBeforeToc(const RouteLeg& leg) {
  double toc_nm = 0.0, leg_nm = 0.0, brg = 0.0;
  CalcDistBrg(plane_lat, plane_lon, toc_lat, toc_lon, &toc_nm, &brg);
  CalcDistBrg(plane_lat, plane_lon, leg.lat, leg.lon, &leg_nm, &brg);
  return toc_nm > leg_nm;
}

void DrawClbPage(cdu::CduScreen& cdu) {
  switch (cdu_lsk) {
    case lsk::k1L: EnterCruiseAlt(); break;
    case lsk::k2L: EnterSpeedPair({&climb_ias, &climb_mach, &clb_spd_prev, &clb_mach_prev, kClbMaxMach}); break;
    case lsk::k3L: EnterSpeedRestriction(&ClbSpdRest, &ClbAltRest); break;
    case lsk::k3R: EnterTransAlt(); break;
    case cdu_lsk_code::k6L: EraseWhenModified(); break;
    default: break;
  }

  DrawSubPageTitle(cdu, 150, "CLB", kClb);
  cdu.Text(0, 26, "  C R Z    A L T", Font::kSmall);
  DrawCruiseAlt(cdu);
  const RouteLeg* leg = NextRestrictionLeg();
  if (toc == 0 && ground_speed > 60.0 && stpos != kNoActiveLeg && leg != nullptr && ConstraintBeforeToc(*leg)) {
    cdu.Text(200, 22, cdu::Format("A T  %6s", leg->ident.c_str()), Font::kSmall);
    cdu.Text(200, 33, cdu::Format("%-5.2f", leg->alt));
  }

  cdu.Text(0, 73, "  S E L    S P D", Font::kSmall);
  cdu.Text(5, 88, cdu::Format("%3d / %.2f", climb_ias, climb_mach));
  DrawRestriction(cdu, ClbSpdRest, ClbAltRest);

  cdu.Text(275, 118, "T R A N S   A L T", Font::kSmall);
  if (trans_alt < 1) {
    cdu_perf::BoxPrompt(cdu, 315, 137, 4);
  } else {
    cdu.Text(320, 132, cdu::Format("%5d", trans_alt));
  }

  cdu.Text(0, 220, "--------------", Font::kDash);
  cdu.Text(0, 245, kDashLine, Font::kDash);
  if (fms_fpln_active == 4) cdu.Text(5, cdu::kPromptY, "< ERASE");
}

// ---- CRZ ----

void DrawDestinationEtaFuel(cdu::CduScreen& cdu) {
  cdu.Text(235, 160, cdu::Format("%4s  E T A / F U E L", dest_ident.c_str()), Font::kSmall);
  const cdu_perf::DestinationPrediction p =
      cdu_perf::PredictDestination(dest_dtg, ReadTokenVarGroup(), GetTotalFuelWeight());
  if (!p.valid) return;
  cdu_perf::TextEndingAt(
      cdu, cdu::kRightEdge, 175,
      cdu::Format("%s / %3.1f", EtaTextAfterMinutes(p.minutes).c_str(), cdu_perf::ShownThousands(p.fuel_left_lb)));
}

void DrawCrzPage(cdu::CduScreen& cdu) {
  switch (cdu_lsk) {
    case lsk::k1L: EnterCruiseAlt(); break;
    case lsk::k2L: EnterSpeedPair({&cruise_ias, &cruise_mach, &crz_spd_prev, &crz_mach_prev, kMaxMach}); break;
    case lsk::k4L: ToggleOption(ArmPauseAtTod, &PauseAtTod, &tod_pause_done); break;
    case lsk::k5L: ToggleOption(Arm1xAtTod, &one_x_at_tod, &tod_1x_done); break;
    case cdu_lsk_code::k6L: EraseWhenModified(); break;
    default: break;
  }

  DrawSubPageTitle(cdu, 5, "      CRZ", kCrz);
  cdu.Text(0, 26, "  C R Z   A L T ", Font::kSmall);
  DrawCruiseAlt(cdu);
  if (toc == 1 && tod == 0) {
    cdu.Text(275, 26, "T O  T/D", Font::kSmall);
    const std::string eta = ground_speed >= cdu_perf::kMinEtaGroundSpeedKt
                                ? EtaTextAfterMinutes(dist_to_tod / ground_speed * 60.0)
                                : std::string("----Z");
    cdu.Text(235, 43, cdu::Format("%s/%-.0f NM", eta.c_str(), dist_to_tod));
  }

  cdu.Text(0, 73, "  T G T    S P D", Font::kSmall);
  cdu.Text(5, 88, SpeedMachText(cruise_ias, cruise_mach));

  cdu.Text(240, 118, "A C T U A L    W I N D", Font::kSmall);
  if (wind_speed == 0.0) {
    cdu.Text(255, 132, cdu::Format("---%s / ---", kDegree));
  } else {
    cdu.Text(255, 132, cdu::Format("%03.0f%s/%3.0f", wind_dir, kDegree, wind_speed));
  }

  if (stpos != kNoActiveLeg && ground_speed > kEtaMinGroundSpeedKt) DrawDestinationEtaFuel(cdu);
  if (ArmPauseAtTod == 1) {
    cdu.Text(0, 160, "P A U S E @ T O D", Font::kSmall);
    if (PauseAtTod == 1) cdu.Text(5, 175, "ARMED");
  }
  if (Arm1xAtTod == 1) {
    cdu.Text(0, 205, "1X @ T O D", Font::kSmall);
    if (one_x_at_tod == 1) cdu.Text(5, 220, "ARMED");
  }

  cdu.Text(0, 245, kDashLine, Font::kDash);
  if (fms_fpln_active == 4) cdu.Text(5, cdu::kPromptY, "< ERASE");
}

// ---- PATH DES ----

void DrawDesPage(cdu::CduScreen& cdu) {
  switch (cdu_lsk) {
    case lsk::k2L: EnterSpeedPair({&descent_ias, &descent_mach, &des_spd_prev, &des_mach_prev, kMaxMach}); break;
    case lsk::k3L: EnterSpeedRestriction(&DescSpdRest, &DescAltRest); break;
    case cdu_lsk_code::k6R: ToggleOption(ArmPauseAtDistFromDest, &pause_at_dist_on, &dest_dist_pause_done); break;
    case cdu_lsk_code::k6L: EraseWhenModified(); break;
    default: break;
  }

  DrawSubPageTitle(cdu, 5, "     PATH  DES", kDes);
  cdu.Text(0, 26, "  E / D    A L T", Font::kSmall);
  const RouteLeg* leg = NextRestrictionLeg();
  // Past the last constraint the leg is the destination row, which carries no altitude to end at.
  if (stpos != kNoActiveLeg && leg != nullptr && leg->alt != kNoConstraint) {
    cdu.Text(0, 43, cdu::Format("%5.0f", leg->alt));
    cdu.Text(300, 26, cdu::Format("A T  %-6s", leg->ident.c_str()), Font::kSmall);
    cdu.Text(290, 43, cdu::Format("%5.0f", leg->alt));
  }

  cdu.Text(0, 73, "  T G T    S P D", Font::kSmall);
  cdu.Text(5, 88, SpeedMachText(descent_ias, descent_mach));
  DrawRestriction(cdu, DescSpdRest, DescAltRest);

  if (fms_fpln_active == 4) cdu.Text(5, cdu::kPromptY, "<ERASE");
  if (stpos != kNoActiveLeg && ArmPauseAtDistFromDest == 1) {
    // The medium font keeps the longest form on the screen.
    cdu.Text(40, cdu::kPromptY,
             cdu::Format(pause_at_dist_on == 1 ? "PAUSE %d NM From (%s)(ON)" : "PAUSE %d NM From (%s)(OFF)",
                         PauseAtDistFromDest, dest_ident.c_str()),
             Font::kMedium);
  }
}

}  // namespace

void DrawVnavPage(DisplaySurface* surface, gfx::Graphics* graphics) {
  cdu::CduScreen cdu(surface, graphics);
  if (cdu_prev_page == 1 && --vnav_page < kClb) vnav_page = kDes;
  if (cdu_next_page == 1 && ++vnav_page > kDes) vnav_page = kClb;
  // A value from outside (a panel file) that names no sub-page starts at CLB.
  if (vnav_page < kClb || vnav_page > kDes) vnav_page = kClb;
  switch (vnav_page) {
    case kClb: DrawClbPage(cdu); break;
    case kCrz: DrawCrzPage(cdu); break;
    default: DrawDesPage(cdu); break;
  }
  cdu.ScratchpadLine();
}
