#include "fmc/fmc_pending.h"

#include "fmc/vertical_profile.h"
#include "frame/pending_calls.h"


int32_t DeleteRouteSegment(int32_t, RteRow&) { return 0; }


