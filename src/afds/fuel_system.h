// Fuel quantities in pounds from the simulator's tanks, and the engine fuel selectors that make the
// engines burn the centre tank first. Quantities are read afresh at each call, never cached.
//
// Reads: tank levels (2^23 = full) and capacities (gal), weight per gallon (lb/gal), the pump and
// crossfeed switches. Writes: `reserves` (lowered to the fuel on board), the tank data read once
// (`fuel_weight_per_gal`, the seven capacities), key events 0x101AA (engine 1) and 0x103DB (engine 2).
#pragma once

// One tank's pounds from its level (2^23 = full) and capacity (gal).
double TankLb(double level, double capacity_gal);
// Centre tank, lb.
double FuelQtyA();
// Left main, second and third left tanks, lb.
double GetFuelLeftTanks();
// Right main, second and third right tanks, lb.
double GetFuel3tanks();
// All seven tanks, lb; a reserve above the total is lowered to it.
double GetTotalFuelWeight();
// Sends both engines' selector codes from the centre pumps, centre quantity and crossfeed.
void UpdateFuelSelectors();
