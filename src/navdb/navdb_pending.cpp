#include "navdb/navdb_pending.h"

#include "frame/pending_calls.h"

int32_t nav_apts_cnt = 0;

void LoadNavDatabase() { CountPendingCall(PendingCall::kLoadNavDatabase); }

void ResetNavdbPendingGlobals() { nav_apts_cnt = 0; }
