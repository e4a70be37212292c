// Services of the frame that subsystem 8 calls, declared here until the frame's readers land.
#pragma once

// Token variable 350, a temperature in degrees C (the argument of the thrust-limit lookup).
double ReadTokenVar350();
