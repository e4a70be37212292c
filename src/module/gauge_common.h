// What the gauge callbacks share: the panel windows they test or toggle, the pop-up toggle, the
// instance parameter test, and the start-up chores (identification, drawing library, data loads),
// each safe to repeat.
//
// Reads: the panel windows (host), aircraft_identified, acfg_attempts, gdiplus_token, nav_apts_cnt,
// fpl_list_loaded. Writes: gdiplus_token, aircraft_identified.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

// Panel windows the display gauges test or toggle.
namespace panel_window {
constexpr uint32_t kMain = 0;            // the 2-D panel
constexpr uint32_t kClickBlock = 20000;  // while shown, most display clicks do nothing
constexpr uint32_t kRadioStack = 50;
constexpr uint32_t kEadi = 70;
constexpr uint32_t kNd = 80;
constexpr uint32_t kUpperEicas = 90;
constexpr uint32_t kLowerEicas = 95;
constexpr uint32_t kCdu = 5000;
constexpr uint32_t kFpPfdEhsi = 5014;    // flat-panel PFD and EHSI share one pop-up
constexpr uint32_t kFpNd = 5016;
constexpr uint32_t kStby = 5018;
}  // namespace panel_window

// Toggles a pop-up window and returns the host's result; does nothing (0) while window 20000 is
// shown.
int32_t TogglePanelWindowUnlessBlocked(uint32_t popup);

// The instance's parameter text equals `text` exactly (an instance without one matches nothing).
bool GaugeParameterIs(const gauge::GaugeHeader* gauge, const char* text);

// Start-up chores, each safe to repeat.
// An identification is still to be tried: not identified and fewer than 10 attempts so far.
bool IdentificationPending();
// aircraft_identified := FindAircraftCfg() while an identification is pending.
void RunIdentificationStep();
void StartGdiplusOnce();
void StopGdiplusIfStarted();
// The navigation database while it has no airports, then the stored-plan list while it is unbuilt;
// a missing file is so retried at every such message.
void LoadMissingData();
