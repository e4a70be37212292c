// Navigation-database services and counts that the frame's start-up already uses.
#pragma once

#include <cstdint>

extern int32_t nav_apts_cnt;  // airports loaded; 0 = database not loaded

// Will load the navigation tables.
void LoadNavDatabase();

void ResetNavdbPendingGlobals();
