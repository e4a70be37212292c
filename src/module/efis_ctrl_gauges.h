// The EFIS control panels of the 2-D cockpit. "EFIS_CTRL" serves the classic set (ND range and
// mode, map options, range rings, traffic, centre button, decision height); "RETRO_EFIS_CTRL" the
// flat-panel set, with separate EHSI and ND selectors and a side switch choosing which display the
// option buttons act on. Both show the selector positions and option lamps as pictures, and both
// carry the decision-height readout.
//
// Reads and writes the display selections of the navigation displays (ranges in NM, modes, option
// flags, efis_side, ctr_mode, tcas_display_on), efis_btn_toggle, tcas_flag; writes
// "efis_range_switch" and "ldg_checklist"; sends the decision-height key events.
//
// The buttons' actions below, with the EFIS selection services (range, mode, traffic and option
// toggles), are what the panels' mouse areas call.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

// Pre-update: the tick, then the pictures.
void EfisCtrlGaugeCallback(gauge::GaugeHeader* gauge, int32_t service_id, uintptr_t extra);
// Pre-update: the pictures; pre-draw: the tick.
void RetroEfisCtrlGaugeCallback(gauge::GaugeHeader* gauge, int32_t service_id, uintptr_t extra);

// Decision-height readout of both panels: blank without power, else "%03.0f" ft.
double FormatDecisionHeightText(gauge::ElementHeader* element);

// "EFIS_CTRL" buttons.
void FlipNdData();
void FlipEfisBtnToggle();
// Flips ctr_mode and writes 5.0 to "ldg_checklist" (the systems pass answers by flipping the
// landing-checklist switch once).
void PressCentreButton();
void FlipNdRangeRings();
// Decision height (both panels): down (key 0x10312) while above 0 ft, up (key 0x10311) while below
// 990 ft; the simulator moves it.
void DecisionHeightDown();
void DecisionHeightUp();

// "RETRO_EFIS_CTRL" buttons.
void EhsiRangeDown();  // along 10 .. 320 NM, writing "efis_range_switch" when it moves
void EhsiRangeUp();
void EhsiModeDown();   // 1 .. 3
void EhsiModeUp();
void SelectFpNdMap();
void SelectFpNdPlan();
void FlipEfisSide();
// Flips tcas_display_on and reopens the TCAS connection attempts while the module is not connected.
void PressTrafficLamp();
