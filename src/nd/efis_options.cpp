#include "nd/efis_options.h"

#include <iterator>

#include "sim/tcas_link.h"
#include "sim/named_vars.h"
#include "nd/nd_globals.h"

namespace {

constexpr double kRangeLadderNm[] = {10.0, 20.0, 40.0, 80.0, 160.0, 320.0};
constexpr int kRungs = static_cast<int>(std::size(kRangeLadderNm));

void StepRanges(int direction) {
  StepRangeOnLadder(&nd_rng_nm, direction);
  StepRangeOnLadder(&fpnd_rng_nm, direction);
}

void StepMode(int direction) {
  const int to = nd_mode + direction;
  if (nd_mode >= 1 && nd_mode <= 4 && to >= 1 && to <= 4) {
    nd_mode = to;
    NV_SET(efis_mode_switch, nd_mode - 1);
  }
  SetEhsiMode();
}

int32_t FlipBySide(int32_t* nd_side_flag, int32_t* ehsi_side_flag) {
  return FlipFlag(efis_side != 0 ? nd_side_flag : ehsi_side_flag);
}

}  // namespace

bool OnRangeLadder(double range_nm) {
  for (double rung : kRangeLadderNm) {
    if (range_nm == rung) return true;
  }
  return false;
}

bool StepRangeOnLadder(double* range_nm, int direction) {
  for (int i = 0; i < kRungs; ++i) {
    if (*range_nm != kRangeLadderNm[i]) continue;
    const int to = i + direction;
    if (to < 0 || to >= kRungs) return false;
    *range_nm = kRangeLadderNm[to];
    NV_SET(efis_range_switch, to);
    return true;
  }
  return false;
}

void SetEhsiMode() { NV_SET(ehsi_mode, nd_mode); }
void DecrementEfisMode() { StepMode(-1); }
void IncrementEfisMode() { StepMode(+1); }
void DecreaseNdRange() { StepRanges(-1); }
void IncreaseNdRange() { StepRanges(+1); }

void ToggleEfisTfc() {
  FlipFlag(&nd_tfc_on);
  FlipFlag(&fp_nd_tfc_on);
  NV_SET(efis_TFC_switch, nd_tfc_on);
  NV_SET(tcas_knob, nd_tfc_on == 1 ? 2.0 : 0.0);
  if (tcas_serv == nullptr) tcas_flag = 10;
}

int32_t ToggleNdSta() { return FlipFlag(&nd_sta_on); }
int32_t ToggleNdArpt() { return FlipFlag(&nd_arpt_on); }
int32_t ToggleNdWpt() { return FlipFlag(&nd_wpt_on); }
int32_t ToggleStaBySide() { return FlipBySide(&nd_sta_on, &ehsi_sta_on); }
int32_t ToggleArptBySide() { return FlipBySide(&nd_arpt_on, &ehsi_arpt_on); }
int32_t ToggleWptBySide() { return FlipBySide(&nd_wpt_on, &ehsi_wpt_on); }
int32_t ToggleDataBySide() { return FlipBySide(&nd_data_on, &ehsi_data_on); }
int32_t ToggleRangeRingsBySide() { return FlipBySide(&nd_range_rings_on, &ehsi_range_rings_on); }
