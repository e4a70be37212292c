// Services of this subsystem that are not built yet, as the update driver already calls them: the
// per-tick steps. Each stub does nothing.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

void ResetFramePendingGlobals();

// The per-tick steps that MainUpdate calls in their fixed order. Each step tests its own inner
// conditions; MainUpdate tests only the gate its order gives.
// Will ramp the three hydraulic pressures towards their targets or let them fall, and publish them.
void StepHydraulicPressures();
// Will ramp the APU exhaust temperature and speed while it spools up or down.
void StepApuSpool();
// Will force a passage when the active waypoint falls more than 90 degrees off the leg in a turn.
void StepEarlyTurnSequencing();
// Will force a passage once the aircraft crosses the active waypoint's abeam line.
void StepAbeamPassage();
// Will set the 30-second look-ahead, the next constrained leg and the VNAV crossing point.
void StepLookAhead();
// Will stamp the active leg's time once when it comes within the look-ahead.
void StepLegTimeStamp();
// Will build the traffic pattern and remove the holds behind the active leg.
void StepHoldUpkeep();
// Will sequence legs and steer LNAV: passage, DISCO, PROGRESS FROM data, distances, heading command.
void RunRouteBlock();
// Will detect T/C and T/D and set the VNAV speed targets and restrictions of the route block.
void RunTocTodBlock();
// Will follow the simulator's landing-light switch into the wing and nose light switches.
void StepLandingLightFollowUp();
// Will follow the simulator's autopilot master, holds and autothrottle arm into the module's modes.
void StepAutopilotFollowUp();
// Will count down the sound and callout delays and the landing-checklist timer.
void StepSoundDelays();
// Will count down the IRS alignments and hand the yaw dampers over.
void StepIrsAlignment();
// Will run the APU start sequence and the valve, light and engine-start timers.
void StepSystemsTimers();
// Will count down the FMA boxes and CMD and follow the take-off/go-around state.
void StepFmaAndToga();
// Will run autoland, the V/S capture of the selected altitude and the autobrake.
void StepAutolandAndAutobrake();
// Will sample the simulation rate and pause or return to 1x at the T/D and near the destination.
void StepSimRateAndPauses();
// Will send the flap and decision-height key events, write the debug dump and make the end-of-tick
// resets.
void StepEndOfTick();
// Will count down the disconnect-warning timers, once per simulator second.
void StepOncePerSecondTimers();
