// Flight-management services that the frame's start-up already calls.
#pragma once

// Will fill the performance tables for the present variant.
void InitPerformanceTables();
// Will build the stored-flight-plan list and set fpl_list_loaded.
void LoadFplList();
// Will return the thrust-limit EPR of the thrust reference mode at the given temperature.
double GetThrustLimitEpr(double temperature);
