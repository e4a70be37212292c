#include "fmc/fmc_pending.h"

#include "fmc/vertical_profile.h"
#include "frame/pending_calls.h"


