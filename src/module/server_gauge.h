// The life cycle the "SERVER" gauge carries (start-up, identification, the per-frame systems pass,
// TCAS retries, the first panel state, shutdown) and the "FMS" gauge's callback, which shares the
// start-up chores and decides when the CDU screen paints.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

// Panel-service messages 0..17 by number; other numbers are ignored.
void ServerGaugeCallback(gauge::GaugeHeader* gauge, int32_t service_id, uintptr_t extra);
// Acts on connect-to-window, pre-update, pre-draw and disconnect.
void FmsGaugeCallback(gauge::GaugeHeader* gauge, int32_t service_id, uintptr_t extra);
