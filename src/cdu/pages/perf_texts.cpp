#include "cdu/pages/perf_texts.h"

#include <algorithm>
#include <cmath>

#include "base/int_conversion.h"
#include "fmc/entry_limits.h"
#include "fmc/fmc_globals.h"
#include "navdb/navdb_text.h"
#include "sim/fuel_tanks.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"

namespace cdu_perf {

namespace {

constexpr double kBoxCell = 20.0;
constexpr double kBoxHeight = 15.0;
constexpr double kTextBoxHeight = 30.0;
constexpr double kFinalApproachNm = 100.0;
constexpr double kFinalApproachSpeedShare = 0.85;

bool WeightInKg() { return weight_unit == "KGS"; }

// Digits with at most one point, nothing else: "230/FL" or "FL280/" is no altitude, as on RTE LEGS.
bool IsPlainNumber(std::string_view s) {
  const size_t points = static_cast<size_t>(std::count(s.begin(), s.end(), '.'));
  const size_t digits =
      static_cast<size_t>(std::count_if(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }));
  return digits > 0 && points <= 1 && digits + points == s.size();
}

}  // namespace

double ShownThousands(double lb) { return (WeightInKg() ? lb * kKgPerLb : lb) / 1000.0; }

double EnteredWeightLb(double value) { return WeightInKg() ? value * kLbPerKg : value; }

double GrossWeightThousands() { return ShownThousands(GetTotalFuelWeight() + gross_weight); }

bool CruiseAltEntryFt(std::string_view text, int32_t* ft) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return false;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  const bool level = text.starts_with("FL");
  if (level) text.remove_prefix(2);
  if (!IsPlainNumber(text)) return false;
  const double x = ParseLeadingDouble(text);
  if (!(x > 0.0 && x < kAltEntryLimitFt)) return false;
  int32_t n = TruncToI32(x);
  if (level || n < 1000) n *= 100;
  if (!CruiseAltitudeAccepted(n)) return false;
  *ft = n;
  return true;
}

std::string CruiseAltText() {
  if (cruise_alt == 0 && pending_cruise_alt == 0) return {};
  int32_t alt_ft = 0;
  if (fms_fpln_active >= 3 && pending_cruise_alt >= 1000) {
    alt_ft = pending_cruise_alt;  // the entry a route being flown waits to execute
  } else if (cruise_alt != 0) {
    alt_ft = cruise_alt;
  } else if (pending_cruise_alt >= 1000) {
    alt_ft = pending_cruise_alt;
  }
  return alt_ft > trans_alt ? cdu::Format("FL%03d", alt_ft / 100) : cdu::Format("%5d", alt_ft);
}

void BoxPrompt(cdu::CduScreen& cdu, double x, double y, int32_t cells) {
  const auto F = [](double v) { return static_cast<gfx::REAL>(v); };
  gfx::Graphics* g = cdu.graphics();
  const gfx::Pen& pen = cdu.pen(2);
  g->DrawRectangle(&pen, F(x), F(y), F(kBoxCell * cells), F(kBoxHeight));
  for (int32_t i = 1; i < cells; ++i) {
    const double dx = x + kBoxCell * i;
    g->DrawLine(&pen, F(dx), F(y), F(dx), F(y + kBoxHeight));
  }
}

void TextEndingAt(cdu::CduScreen& cdu, double right, double y, std::string_view text, cdu::Font font) {
  if (text.empty()) return;
  gfx::StringFormat far;
  far.SetAlignment(gfx::StringAlignmentFar);
  const double w = cdu::kRightCell * static_cast<double>(text.size());
  const gfx::RectF box(static_cast<gfx::REAL>(right - w), static_cast<gfx::REAL>(y), static_cast<gfx::REAL>(w),
                       static_cast<gfx::REAL>(kTextBoxHeight));
  cdu.graphics()->DrawString(text.data(), static_cast<gfx::INT>(text.size()), &cdu.font(font), box, &far,
                             &cdu.brush(cdu::Ink::kGreen));
}

DestinationPrediction PredictDestination(double dist_nm, double fuel_flow_lb_per_h, double on_board_lb) {
  DestinationPrediction p;
  p.avg_speed_kt = ground_speed;
  if (dist_nm > kFinalApproachNm) {
    p.avg_speed_kt = ((dist_nm - kFinalApproachNm) * ground_speed +
                      kFinalApproachSpeedShare * descent_ias * kFinalApproachNm) / dist_nm;
  }
  if (!(p.avg_speed_kt >= kMinEtaGroundSpeedKt)) return p;
  p.valid = true;
  p.minutes = dist_nm / p.avg_speed_kt * 60.0;
  p.fuel_burned_lb = fuel_flow_lb_per_h * p.minutes / 60.0;
  // The present flow, scaled down for the slower final part.
  if (ground_speed > p.avg_speed_kt) p.fuel_burned_lb *= p.avg_speed_kt / ground_speed;
  p.fuel_left_lb = on_board_lb - p.fuel_burned_lb;
  return p;
}

}  // namespace cdu_perf
