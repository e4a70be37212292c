#include "afds/afds_pending.h"

RO_DEFINE_GLOBALS(AFDS_PENDING_GLOBALS)

void ResetAfdsPendingGlobals() { RO_RESET_GLOBALS(AFDS_PENDING_GLOBALS) }

void UpdateSpeedTrend() {}
void ProcAutothrottle() {}
