#include "afds/afds_pending.h"

#include "platform/host_api.h"

RO_DEFINE_GLOBALS(AFDS_PENDING_GLOBALS)

void ResetAfdsPendingGlobals() { RO_RESET_GLOBALS(AFDS_PENDING_GLOBALS) }

void SetPanelStatusInit() {
  uint32_t id = 0;
  host::WriteNamedVar("ov_panelstatus_init", &id, 1.0);
  panelstatus_init_done = 1;
}

void UpdateIrsAnnunciatorVars() {}

void SyncYawDamperVars() {}

void InitPacks() {}
