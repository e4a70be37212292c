#include "afds/afds_services.h"

#include "afds/afds_globals.h"
#include "sim/named_vars.h"

void ReadSpeedModeSelect() { speed_mode_select = NV_GET(speed_mode_select) != 0.0 ? 1 : 0; }

void SetApDiscBar(int32_t value) { NV_SET(apdisc_bar, value == 0 ? 1.0 : 0.0); }

void EngageApLeft() {
  apleft = 1;
  NV_SET(apleft, 1.0);
}

void SetPanelStatusInit() {
  NV_SET(ov_panelstatus_init, 1.0);
  panelstatus_init_done = 1;
}

void UpdateIrsAnnunciatorVars() {
  irs_l_anun_knob = irs_c_anun_knob = irs_r_anun_knob = 1;
  irs_l_anun_mode = irs_c_anun_mode = irs_r_anun_mode = 3;
  irs_1_align = 1;
  NV_SET(irs_l_anun_knob, irs_l_anun_knob);
  NV_SET(irs_c_anun_knob, irs_c_anun_knob);
  NV_SET(irs_r_anun_knob, irs_r_anun_knob);
  NV_SET(irs_l_anun_mode, irs_l_anun_mode);
  NV_SET(irs_c_anun_mode, irs_c_anun_mode);
  NV_SET(irs_r_anun_mode, irs_r_anun_mode);
  NV_SET(irs_1_align, irs_1_align);
}
