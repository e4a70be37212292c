// State and services of the autoflight and systems subsystem that the configuration reader and the
// aircraft identification use, declared here until that subsystem lands; each moves there at merge.
#pragma once

#include <cstdint>

#include "frame/globals_macros.h"

// epr_bug, epr_bug_2: reference EPR of the two engines. panelstatus_init_done: 1 once
// SetPanelStatusInit has set "ov_panelstatus_init".
#define AFDS_PENDING_GLOBALS(X)          \
  X(double, epr_bug, 0.0)                \
  X(double, epr_bug_2, 0.0)              \
  X(int32_t, panelstatus_init_done, 0)

RO_DECLARE_GLOBALS(AFDS_PENDING_GLOBALS)

void ResetAfdsPendingGlobals();

// Sets the named variable "ov_panelstatus_init" to 1.0 and records that it did so.
void SetPanelStatusInit();
// Will align the three IRSs (selectors 1, modes 3) and publish them.
void UpdateIrsAnnunciatorVars();
// Will engage both yaw dampers (aligning the IRSs first when needed) and publish them.
void SyncYawDamperVars();
// Will switch both packs on and publish them.
void InitPacks();
