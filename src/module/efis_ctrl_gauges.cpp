#include "module/efis_ctrl_gauges.h"

#include "sim/debug_log.h"
#include "sim/fsuipc_client.h"
#include "sim/tcas_link.h"
#include "module/gauge_elements.h"
#include "module/main_update.h"
#include "sim/named_vars.h"
#include "module/panel_gauge_globals.h"
#include "sim/readers_flight.h"
#include "sim/readout_text.h"
#include "nd/efis_options.h"
#include "nd/nd_globals.h"
#include "platform/host_api.h"

namespace {

constexpr double kRangePicturesNm[6] = {10.0, 20.0, 40.0, 80.0, 160.0, 320.0};
constexpr double kDhMaxFt = 990.0;

// Six range pictures from `first`: the one whose range equals the selection exactly, or none.
template <int N>
void ShowRangePictures(const GaugeElements<N>& el, int first, double range_nm) {
  for (int i = 0; i < 6; ++i) el.Show(first + i, range_nm == kRangePicturesNm[i]);
}

// Pictures from `first` for the mode values first_mode, first_mode + 1, ...
template <int N>
void ShowModePictures(const GaugeElements<N>& el, int first, int count, int first_mode, int32_t mode) {
  for (int i = 0; i < count; ++i) el.Show(first + i, mode == first_mode + i);
}

void EfisCtrlPictures(gauge::GaugeHeader* g) {
  const GaugeElements<15> el(g);
  ShowRangePictures(el, 1, nd_rng_nm);
  ShowModePictures(el, 7, 4, 1, nd_mode);
  el.Show(11, nd_sta_on == 1);
  el.Show(12, nd_arpt_on == 1);
  el.Show(13, nd_wpt_on == 1);
  el.Show(14, nd_data_on == 1);
}

void RetroEfisCtrlPictures(gauge::GaugeHeader* g) {
  const GaugeElements<26> el(g);
  ShowRangePictures(el, 1, fp_ehsi_rng_nm);
  ShowModePictures(el, 7, 3, 1, fp_ehsi_mode);
  ShowRangePictures(el, 10, fpnd_rng_nm);
  ShowModePictures(el, 16, 2, 3, fpnd_mode);
  el.Show(18, efis_side == 0);
  el.Show(19, efis_side != 0);
  // Option lamps of the side the buttons act on; a side value other than 0 or 1 lights none.
  const int32_t none = 0;
  const bool nd_side = efis_side == 1, ehsi_side = efis_side == 0;
  const int32_t* flags[5][2] = {{&ehsi_sta_on, &nd_sta_on},
                                {&ehsi_arpt_on, &nd_arpt_on},
                                {&ehsi_wpt_on, &nd_wpt_on},
                                {&ehsi_data_on, &nd_data_on},
                                {&ehsi_range_rings_on, &nd_range_rings_on}};
  for (int i = 0; i < 5; ++i) {
    const int32_t* flag = ehsi_side ? flags[i][0] : nd_side ? flags[i][1] : &none;
    el.Show(21 + i, *flag == 1);
  }
}

}  // namespace

void EfisCtrlGaugeCallback(gauge::GaugeHeader* g, int32_t service_id, uintptr_t) {
  if (service_id != gauge::kPreUpdate) return;
  MainUpdate();
  EfisCtrlPictures(g);
}

void RetroEfisCtrlGaugeCallback(gauge::GaugeHeader* g, int32_t service_id, uintptr_t) {
  if (service_id == gauge::kPreUpdate) {
    RetroEfisCtrlPictures(g);
  } else if (service_id == gauge::kPreDraw) {
    MainUpdate();
  }
}

double FormatDecisionHeightText(gauge::ElementHeader* e) { return FormatReadout(e, "%03.0f", &GetDecisionHeight); }

void FlipNdData() { FlipFlag(&nd_data_on); }
void FlipEfisBtnToggle() { FlipFlag(&efis_btn_toggle); }
void PressCentreButton() {
  FlipFlag(&ctr_mode);
  NV_SET(ldg_checklist, 5.0);
}
void FlipNdRangeRings() { FlipFlag(&nd_range_rings_on); }
void DecisionHeightDown() {
  if (GetDecisionHeight() > 0.0) host::TriggerKeyEvent(0x10312, 0);
}
void DecisionHeightUp() {
  if (GetDecisionHeight() < kDhMaxFt) host::TriggerKeyEvent(0x10311, 0);
}

void EhsiRangeDown() { StepRangeOnLadder(&fp_ehsi_rng_nm, -1); }
void EhsiRangeUp() { StepRangeOnLadder(&fp_ehsi_rng_nm, +1); }
void EhsiModeDown() {
  if (fp_ehsi_mode == 2 || fp_ehsi_mode == 3) --fp_ehsi_mode;
}
void EhsiModeUp() {
  if (fp_ehsi_mode == 1 || fp_ehsi_mode == 2) ++fp_ehsi_mode;
}
void SelectFpNdMap() { fpnd_mode = 3; }
void SelectFpNdPlan() { fpnd_mode = 4; }
void FlipEfisSide() { FlipFlag(&efis_side); }
void PressTrafficLamp() {
  FlipFlag(&tcas_display_on);
  if (tcas_serv == nullptr) tcas_flag = 10;
}
