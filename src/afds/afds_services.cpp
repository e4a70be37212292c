#include "afds/afds_services.h"

#include "afds/afds_globals.h"
#include "frame/named_vars.h"

void ReadSpeedModeSelect() { speed_mode_select = NV_GET(speed_mode_select) != 0.0 ? 1 : 0; }

int32_t TestTokenFlag(gauge::TokenVar tv, uint32_t mask) { return (tv.value.u & mask) != 0 ? 1 : 0; }

void SetApDiscBar(int32_t value) { NV_SET(apdisc_bar, value == 0 ? 1.0 : 0.0); }

void EngageApLeft() {
  apleft = 1;
  NV_SET(apleft, 1.0);
}

void SetPanelStatusInit() {
  NV_SET(ov_panelstatus_init, 1.0);
  panelstatus_init_done = 1;
}
