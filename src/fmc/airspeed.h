// Fixed-rule airspeed conversions for planned speeds. They are rules of thumb on indicated airspeed
// and altitude alone (no temperature, no standard atmosphere), as the route reset, the vertical
// profile and the configuration reader expect them.
#pragma once

// True airspeed (kt): 1.5 % of the IAS per 1000 ft.
double ConvertIasToTas(double ias_kt, double alt_ft);

// Mach: the IAS raised by 1.9 % per 1000 ft, over the speed of sound at 0 degrees C.
double ConvertIasToMach(double ias_kt, double alt_ft);
