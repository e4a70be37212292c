// PROGRESS (page 33, DrawProgressPage in cdu_pages.h), read-only, along the ACTIVE route. Sub-page 1:
// the last waypoint passed, the active and next waypoints and the destination with distance, ETA and
// predicted fuel, the time to the T/C or T/D, the fuel on board and the wind. Sub-page 2: wind
// components, temperature, cross-track error, vertical deviation and true airspeed.
//
// Reads the active route (fms_fpln_act, fp_cnt, stpos), the FROM line (prog_from), the route
// distances (dist_to_active_wpt, dest_dtg, route_dist_total, dist_to_tod), cruise_alt, toc, tod,
// vnav_path_alt, xtk_dist, xtk_side, the sampled flight values, the fuel on board and fuel flow,
// descent_ias, trans_alt, weight_unit. Writes prog_page and fms_page (6L).
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "afds/afds_globals.h"
#include "afds/route_progress_globals.h"
#include "cdu/cdu_globals.h"
#include "cdu/cdu_keys.h"
#include "cdu/cdu_page_framework.h"
#include "cdu/cdu_pages.h"
#include "cdu/eta_text.h"
#include "cdu/pages/perf_texts.h"
#include "fmc/airspeed.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_following.h"
#include "fmc/route_model.h"
#include "base/geodesy.h"
#include "base/int_conversion.h"
#include "sim/fuel_tanks.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"

namespace {

using cdu::Font;

constexpr int32_t kProgPageCount = 2;
constexpr double kLegEtaMinGroundSpeedKt = 75.0;
constexpr double kDestEtaMinSpeedKt = 60.0;
constexpr double kTocMinGroundSpeedKt = 80.0;
constexpr double kMaxVertDevFt = 9000.0;
constexpr double kVertDevDeadbandFt = 3.0;
constexpr const char* kDegree = "\xB0";

// The fuel state of one paint: read once, as each read asks the simulator for every tank and engine.
struct FuelNow {
  double on_board_lb;
  double flow_lb_per_h;
};

// Fuel on board after `minutes`, in thousands of the display unit.
double PredictedFuelThousands(const FuelNow& fuel, double minutes) {
  return cdu_perf::ShownThousands(fuel.on_board_lb - fuel.flow_lb_per_h * minutes / 60.0);
}

// ETA and predicted fuel of a line reached `dist_nm` ahead at the present ground speed.
void DrawLegPrediction(cdu::CduScreen& cdu, const FuelNow& fuel, double y, double dist_nm) {
  if (!(ground_speed > kLegEtaMinGroundSpeedKt)) return;
  const double minutes = dist_nm / ground_speed * 60.0;
  cdu.Text(200, y, EtaTextAfterMinutes(minutes));
  cdu.Text(320, y, cdu::Format("%3.1f", PredictedFuelThousands(fuel, minutes)));
}

// The first leg after the active one that is not a discontinuity; fp_cnt or beyond when none.
int32_t NextLeg() {
  int32_t n = stpos + 1;
  while (n < fp_cnt && IsDisco(fms_fpln_act[n])) ++n;
  return n;
}

// A label row over the page's columns, each word over its own column (a single text with blanks
// between the words would run off the screen in the CDU font).
void DrawColumnLabels(cdu::CduScreen& cdu, double y, const char* first, const char* second, const char* third) {
  if (first != nullptr) cdu.Text(12, y, first, Font::kSmall);
  cdu.Text(125, y, second, Font::kSmall);
  cdu.Text(215, y, third, Font::kSmall);
  cdu.Text(330, y, "F U E L", Font::kSmall);
}

void DrawFromLine(cdu::CduScreen& cdu) {
  cdu.Text(10, 43, cdu::Format("%5s", prog_from_ident.c_str()));
  if (prog_from_alt >= trans_alt) {
    cdu.Text(110, 43, cdu::Format("FL%3.0f", prog_from_alt / 100.0));
  } else {
    cdu.Text(110, 43, cdu::Format("%5.0f", prog_from_alt));
  }
  cdu.Text(200, 43, cdu::Format("%-6s", prog_from_ata.c_str()));
  cdu.Text(320, 43, cdu::Format("%3.1f", prog_from_fuel / 1000.0));  // stored in the display unit
}

void DrawRouteLines(cdu::CduScreen& cdu, const FuelNow& fuel) {
  const RouteLeg& active = fms_fpln_act[stpos];
  cdu.Text(10, 73, "  T O", Font::kSmall);
  cdu.Text(5, 88, cdu::Format("%-5s", active.ident.c_str()));
  const double to_nm = ShownDistToActiveWptNm();
  cdu.Text(110, 88, cdu::Format("%4.0f", to_nm));
  DrawLegPrediction(cdu, fuel, 88, to_nm);

  const int32_t next = NextLeg();
  if (next < fp_cnt) {
    const RouteLeg& leg = fms_fpln_act[next];
    double leg_nm = 0.0, brg = 0.0;
    CalcDistBrg(active.lat, active.lon, leg.lat, leg.lon, &leg_nm, &brg);
    const double dtg_nm = to_nm + leg_nm;
    cdu.Text(10, 118, "  N E X T", Font::kSmall);
    cdu.Text(5, 132, cdu::Format("%-5s", leg.ident.c_str()));
    cdu.Text(110, 132, cdu::Format("%4.0f", dtg_nm));
    DrawLegPrediction(cdu, fuel, 132, dtg_nm);
  }

  cdu.Text(10, 161, "  D E S T", Font::kSmall);
  cdu.Text(5, 175, cdu::Format("%-5s", fms_fpln_act[fp_cnt].ident.c_str()));
  cdu.Text(110, 175, cdu::Format("%4.0f", dest_dtg));
  const cdu_perf::DestinationPrediction p = cdu_perf::PredictDestination(dest_dtg, fuel.flow_lb_per_h, fuel.on_board_lb);
  if (p.valid && p.avg_speed_kt > kDestEtaMinSpeedKt) {
    cdu.Text(200, 175, EtaTextAfterMinutes(p.minutes));
    cdu.Text(320, 175, cdu::Format("%3.1f", cdu_perf::ShownThousands(p.fuel_left_lb)));
  }
}

void DrawTocTodLine(cdu::CduScreen& cdu) {
  // Without a cruise altitude no T/C or T/D is placed (nor drawn on the map): the route distance
  // would read as a T/C at the destination.
  if (cruise_alt <= 0) return;
  double dist_nm = 0.0;
  if (toc == 0 && stpos != kNoActiveLeg && ground_speed > kTocMinGroundSpeedKt) {
    cdu.Text(275, 205, "T O  T/C", Font::kSmall);
    dist_nm = route_dist_total;
  } else if (toc == 1 && tod == 0) {
    cdu.Text(275, 205, "T O  T/D", Font::kSmall);
    dist_nm = dist_to_tod;
  } else {
    return;
  }
  const std::string eta = ground_speed >= cdu_perf::kMinEtaGroundSpeedKt
                              ? EtaTextAfterMinutes(dist_nm / ground_speed * 60.0)
                              : std::string("----Z");
  cdu.Text(235, 220, cdu::Format("%s/%-3.0f NM", eta.c_str(), dist_nm));
}

void DrawPageOne(cdu::CduScreen& cdu) {
  const FuelNow fuel{GetTotalFuelWeight(), ReadTokenVarGroup()};
  cdu.Title(5, "      PROGRESS");
  DrawColumnLabels(cdu, 26, "F R O M", "A L T", "A T A");
  // No waypoint passed since the module started (a route restored from a panel state in flight):
  // no altitude of 0 ft and no 0.0 fuel for a passage nobody saw.
  if (stpos > 1 && stpos != kNoActiveLeg && !prog_from_ident.empty()) DrawFromLine(cdu);
  DrawColumnLabels(cdu, 73, nullptr, "D T G", "E T A");
  if (fp_cnt > 0 && stpos != kNoActiveLeg && stpos >= 0 && stpos <= fp_cnt && fp_cnt <= kLastRouteRow) {
    DrawRouteLines(cdu, fuel);
  }
  DrawTocTodLine(cdu);

  cdu.Text(260, 248, "F U E L    Q T Y", Font::kSmall);
  cdu.Text(320, cdu::kPromptY, cdu::Format("%3.1f", cdu_perf::ShownThousands(fuel.on_board_lb)));
  cdu.Text(0, 248, "  W I N D         ", Font::kSmall);
  cdu.Text(5, cdu::kPromptY, cdu::Format("%03.0f%s/%-3.0f", wind_dir, kDegree, wind_speed));
}

std::string VertDevText() {
  const double dev_ft = std::clamp(plane_alt - vnav_path_alt, -kMaxVertDevFt, kMaxVertDevFt);
  if (dev_ft >= kVertDevDeadbandFt) return cdu::Format("%5.0f HI", dev_ft);
  if (dev_ft <= -kVertDevDeadbandFt) return cdu::Format("%5.0f LO", -dev_ft);
  return "----";
}

void DrawPageTwo(cdu::CduScreen& cdu) {
  cdu.Title(120, "PROGRESS");
  cdu.Text(0, 26, head_wind >= 0.0 ? "  H E A D W I N D" : "  T A I L W I N D", Font::kSmall);
  cdu.Text(280, 26, "C R O S S W I N D", Font::kSmall);
  const int64_t head_kt = TruncToI32(head_wind);
  const int64_t cross_kt = TruncToI32(cross_wind);
  // The side the wind comes from: the component is positive from the right.
  const char* side = cross_kt > 0 ? "R" : cross_kt < 0 ? "L" : "";
  cdu.Text(5, 43, cdu::Format("%2lld KT", static_cast<long long>(std::llabs(head_kt))));
  cdu_perf::TextEndingAt(cdu, cdu::kRightEdge, 43,
                         cdu::Format("%s %3lld KT", side, static_cast<long long>(std::llabs(cross_kt))));

  cdu.Text(0, 73, "  W I N D", Font::kSmall);
  cdu.Text(250, 73, "S A T / I S A    D E V", Font::kSmall);
  cdu.Text(0, 88, cdu::Format("%03.0f%s/%3.0f", wind_dir, kDegree, wind_speed));
  const int32_t isa_dev_c = TruncToI32(static_air_temp - IsaTemperatureC(plane_alt));
  cdu.Text(250, 88, cdu::Format("%2.0f%sc /%-2d%sc", static_air_temp, kDegree, isa_dev_c, kDegree));

  cdu.Text(0, 118, "  X T K   E R R O R", Font::kSmall);
  // The side of the track the aircraft is on, as the ND shows it: xtk_side 1 is right of it.
  if (stpos != kNoActiveLeg) cdu.Text(0, 132, cdu::Format("%s %3.2f NM", xtk_side == 1 ? "R" : "L", xtk_dist));
  if (tod == 1) {
    cdu.Text(280, 118, "V E R T  D E V", Font::kSmall);
    cdu.Text(270, 132, VertDevText());
  }
  cdu.Text(330, 160, "T A S", Font::kSmall);
  cdu_perf::TextEndingAt(cdu, cdu::kRightEdge, 175, cdu::Format("%3.0f KT", true_airspeed));
}

}  // namespace

void DrawProgressPage(DisplaySurface* surface, gfx::Graphics* graphics) {
  cdu::CduScreen cdu(surface, graphics);
  // PREV wins when both paging keys were pressed.
  if (cdu_prev_page == 1) {
    prog_page = prog_page - 1 < 1 ? kProgPageCount : prog_page - 1;
  } else if (cdu_next_page == 1) {
    prog_page = prog_page + 1 > kProgPageCount ? 1 : prog_page + 1;
  }
  if (prog_page < 1 || prog_page > kProgPageCount) prog_page = 1;
  if (cdu_lsk == cdu_lsk_code::k6L) fms_page = kCduPageInitRefIndex;

  if (prog_page == 1) {
    DrawPageOne(cdu);
  } else {
    DrawPageTwo(cdu);
  }
  cdu.Text(330, 5, cdu::Format("%d / %d", prog_page, kProgPageCount), Font::kSmall);
  cdu.ScratchpadLine();
}
