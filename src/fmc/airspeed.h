// Fixed-rule airspeed conversions for planned speeds. They are rules of thumb on indicated airspeed
// and altitude alone (no temperature, no standard atmosphere), as the route reset, the vertical
// profile and the configuration reader expect them. Beside them, the standard atmosphere's
// temperature, which the ISA deviation is measured from.
#pragma once

// True airspeed (kt): 1.5 % of the IAS per 1000 ft.
double ConvertIasToTas(double ias_kt, double alt_ft);

// Mach: the IAS raised by 1.9 % per 1000 ft, over the speed of sound at 0 degrees C.
double ConvertIasToMach(double ias_kt, double alt_ft);

// The standard atmosphere's temperature (degrees C) at a pressure altitude: 15 C at sea level, 1.98 C
// colder for each 1000 ft up to the tropopause (36,089 ft), and -56.5 C above it.
double IsaTemperatureC(double alt_ft);
