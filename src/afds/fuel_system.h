// The engine fuel selectors that make the engines burn the centre tank first (the quantities they go
// by are sim/fuel_tanks.h's).
//
// Reads: the centre tank's quantity, the pump and crossfeed switches. Writes: the tank data read once
// (`fuel_weight_per_gal`, the seven capacities), key events 0x101AA (engine 1) and 0x103DB (engine 2).
#pragma once

// Sends both engines' selector codes from the centre pumps, centre quantity and crossfeed.
void UpdateFuelSelectors();
