// The steps of one click-poller pass, in the order PollClickedVars runs them. Each handler step
// acts only on non-zero click variables; the light steps run on every pass.
#pragma once

#include <cstdint>

#include "afds/afds_globals.h"
#include "sim/readers_systems.h"

namespace click_poller {

// Glareshield: the three autopilot engage buttons, then LNAV .. ALT HOLD.
void PollMcpButtons();
// Overhead hydraulic, APU, utility bus (first block), then generator, battery, standby power and
// fuel panel (second block).
void UpdateHydraulicPumpLights();
void PollHydraulicApuBusClicks();
void UpdateGeneratorLights();
void PollGeneratorBatteryFuelClicks();
void PollFuelClicks();  // the fuel panel's part of the second block
void UpdateFuelPumpLights();
// Air conditioning, anti-ice, bleed, NAV radio mode, IRS, yaw dampers, thrust mode select, EICAS.
void PollAirIrsTmspEicasClicks();
void UpdateProbeHeatLight();
// EFIS range, mode, CTR and TFC controls of the 3-D cockpit.
void PollEfisClicks();
// Panel mode and the two display style switches.
void PollPanelModeClicks();

// Power terms of the overhead logic (token 364 is the simulator's battery switch).
inline bool BatteryOn() { return ReadTokenVar364() != 0.0; }
inline bool AcPowered() { return ac_power > 1; }
inline bool Powered() { return AcPowered() || BatteryOn(); }
inline bool Dead() { return !Powered(); }
inline bool BatteryOnly() { return !AcPowered() && BatteryOn(); }

// Valve and switch codes shared by the handlers.
inline constexpr int32_t kValveClosed = 0;
inline constexpr int32_t kValveOpening = 1;
inline constexpr int32_t kValveOpen = 2;
inline constexpr int32_t kValveClosing = 3;
inline constexpr int32_t kValveTransitTicks = 36;

inline constexpr int32_t kSoundClick = 2;
inline constexpr int32_t kSoundPush = 3;
inline constexpr int32_t kSoundStbyAttSpool = 7;
inline constexpr int32_t kSoundAcPowerOn = 9;

}  // namespace click_poller
