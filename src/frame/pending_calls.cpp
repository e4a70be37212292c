#include "frame/pending_calls.h"

#include <algorithm>
#include <iterator>

int pending_calls[static_cast<int>(PendingCall::kCount)] = {};

void ResetPendingCalls() { std::fill(std::begin(pending_calls), std::end(pending_calls), 0); }
