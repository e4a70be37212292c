// Services of autoflight, panel controls, systems and sound that the frame calls (the gauge life
// cycle now, the update driver and the gauge callbacks later).
#pragma once

#include <cstdint>

#include "platform/gauge.h"

// Will run the sound pass.
void ProcSounds();



