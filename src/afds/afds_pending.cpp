#include "afds/afds_pending.h"

#include "frame/pending_calls.h"

