// Access to the simulator's numbered variables (host token read, slot 40) and the readers the
// frame's life cycle needs. Each reader works on a fresh local record; `sim_vars` is the one
// shared record, kept for the smoothed airspeed reader.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

extern gauge::TokenVar sim_vars;

// A zeroed record for token `id`, filled by the host.
gauge::TokenVar ReadTokenRecord(uint32_t id);
// The token's value as a double.
double ReadTokenValue(uint32_t id);

// Token 60, truncated: 1 on the ground.
int32_t ReadOnGround();
// Token 350: the assumed-temperature start value of the thrust reference.
double ReadTokenVar350();

void ResetSimReaders();
