// The simulator key events the autoflight logic sends, by the role the module relies on, and the
// send. Each goes out with value 0 unless its comment names the value.
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/host_api.h"

namespace ap_event {

inline constexpr uint32_t kHeadingHoldOn = 0x1010F;
inline constexpr uint32_t kHeadingHoldOff = 0x10117;
inline constexpr uint32_t kHeadingBug = 0x101FA;        // whole degrees
inline constexpr uint32_t kNavHoldOn = 0x10113;
inline constexpr uint32_t kNavHoldOff = 0x1011B;
inline constexpr uint32_t kToggleGpsDrivesNav = 0x10347;
inline constexpr uint32_t kAltitudeHoldOn = 0x10110;
inline constexpr uint32_t kAltitudeHoldOff = 0x10118;
inline constexpr uint32_t kAltitudeTarget = 0x1024C;    // whole feet
inline constexpr uint32_t kVerticalSpeed = 0x101F4;     // whole ft/min, signed
inline constexpr uint32_t kAirspeedTarget = 0x101F5;    // whole knots
inline constexpr uint32_t kMachTarget = 0x101F6;        // Mach x 100, truncated
inline constexpr uint32_t kAirspeedHoldOn = 0x1022D;
inline constexpr uint32_t kAirspeedHoldOff = 0x1022E;
inline constexpr uint32_t kMachHoldOn = 0x10230;
inline constexpr uint32_t kMachHoldOff = 0x10231;
inline constexpr uint32_t kLocalizerArm = 0x1010D;
inline constexpr uint32_t kLocalizerHoldOff = 0x10115;
inline constexpr uint32_t kApproachHoldArm = 0x1010E;
inline constexpr uint32_t kApproachHoldOff = 0x10116;
inline constexpr uint32_t kAutopilotOn = 0x10100;
inline constexpr uint32_t kAutopilotOff = 0x100FF;
// Thrust levers.
inline constexpr uint32_t kThrottleStepUp = 0x10049;
inline constexpr uint32_t kThrottleStepDown = 0x10051;
inline constexpr uint32_t kThrottleSet = 0x100A1;       // lever units 0..16383
inline constexpr uint32_t kThrottleCut = 0x100E5;
// The levers' travel, idle to full: a position outside it is none the simulator has.
inline constexpr double kFullLever = 16383.0;
inline double WithinLeverTravel(double lever) { return std::clamp(lever, 0.0, kFullLever); }
// Autoland.
inline constexpr uint32_t kFlareApproachHold = 0x1010C;
inline constexpr uint32_t kPitchDown = 0x10417;
inline constexpr uint32_t kPitchUp = 0x10418;
inline constexpr uint32_t kRolloutHold = 0x10114;
inline constexpr uint32_t kSpoilersDeploy = 0x10210;
inline constexpr uint32_t kSpoilersStow = 0x10211;
inline constexpr uint32_t kAutothrottleDisconnect = 0x10144;
// Autobrake.
inline constexpr uint32_t kBrakes = 0x10034;
inline constexpr uint32_t kLeftBrakeAxis = 0x10353;     // axis value, 16383 full
inline constexpr uint32_t kRightBrakeAxis = 0x10354;

inline void Send(uint32_t event, int32_t value = 0) { host::TriggerKeyEvent(event, value); }
// A step of fixed size sent `count` times: the steps a run owes (StepsOwed).
inline void SendSteps(uint32_t event, int32_t count) {
  for (int32_t i = 0; i < count; ++i) Send(event);
}

}  // namespace ap_event
