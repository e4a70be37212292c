// Whether a side hydraulic system's pumps give it pressure: its electric pump on, or its
// engine-driven pump delivering (2; 1 is on without pressure). The pressure ramps and the SYS PRESS
// cautions both follow these, so the caution stands exactly while the system has no pump pressure.
#pragma once

#include "afds/afds_globals.h"

inline bool LeftHydSystemPumps() { return l_elec_hyd_pump_mode > 0 || l_eng_hyd_pump_mode == 2; }
inline bool RightHydSystemPumps() { return r_elec_hyd_pump_mode > 0 || r_eng_hyd_pump_mode == 2; }
