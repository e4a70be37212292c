// Readers of the simulated engines, fuel tanks, gear, flaps, spoilers, brakes, hydraulics and a few
// other systems. Engine twins differ by a fixed token step per family (10 for 560.., 19 for 626..,
// 35 for the throttles, 39 for 421..).
//
// Reads: host token variables and three gear expressions. Writes: nothing.
#pragma once

#include <cstdint>

// Engines (engine 1 / engine 2).
double ReadTokenVar560();
double ReadTokenVar570();
double ReadTokenVar561();  // oil temperature, deg C
double ReadTokenVar571();
double ReadTokenVar562();  // oil pressure, psi
double ReadTokenVar572();
int32_t ReadTokenVar563();
int32_t ReadTokenVar573();
double ReadTokenVar566();  // non-zero while the engine runs
double ReadTokenVar576();
double ReadTokenVar567();  // EGT, deg C
double ReadTokenVar577();
double ReadTokenVar626();
double ReadTokenVar645();
double ReadTokenVar627();
double ReadTokenVar646();
double ReadTokenVar641();
double ReadTokenVar660();
double ReadTokenVar642();
double ReadTokenVar661();
double ReadTokenVar643();
double ReadTokenVarPairA();  // token 421 when above 0, else 638
double ReadTokenVarPairB();  // token 460 when above 0, else 657
double ReadTokenVarGroup();  // four engines of the family that shows a flow
double ReadEng1ThrottlePos();
double ReadEng2ThrottlePos();

// Fuel: levels are fractions of full scaled so that 8388608 = full; capacities in gallons.
double ReadCenterTankLevel();
double ReadCenterTankCapacity();
double ReadLeftMainTankLevel();
double ReadLeftMainTankCapacity();
double ReadLeftAuxTankLevel();
double ReadLeftAuxTankCapacity();
double ReadLeftTipTankLevel();
double ReadLeftTipTankCapacity();
double ReadRightMainTankLevel();
double ReadRightMainTankCapacity();
double ReadRightAuxTankLevel();
double ReadRightAuxTankCapacity();
double ReadRightTipTankLevel();
double ReadRightTipTankCapacity();
double ReadFuelWeightPerGallon();  // lb per gallon

// Gear, flaps, spoilers, brakes.
double ReadTokenVar332();  // gear positions, 0 up .. 16383 down
double ReadTokenVar333();
double ReadTokenVar334();
int32_t GetGearCenterPosition();  // percent
int32_t GetGearLeftPosition();
int32_t GetGearRightPosition();
double ReadFlapsAngle();  // degrees (token 907)
double ReadFlapsPos();    // token 328
double ReadTokenVar324();  // speedbrake armed when above 0
double ReadTokenVar326();  // spoiler positions
double ReadTokenVar327();
double ReadParkingBrake();
double ReadTokenVar320();

// Hydraulics and other systems.
double ReadTokenVar732();  // hydraulic pressures, psi
double ReadTokenVar734();
double ReadTokenVar736();
double ReadTokenVar733();  // hydraulic quantities
double ReadTokenVar735();
double ReadTokenVar737();
double ReadTokenVar363();
double ReadTokenVar364();  // non-zero while power is available
double ReadTokenVar604();
int32_t ReadTokenVar743();  // the host's 32-bit integer as delivered
int32_t ReadTokenVar773();
double ReadTokenVar783();
double ReadTokenVar336();  // simulation rate
