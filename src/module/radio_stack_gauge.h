// "RADIO_STACK": the pedestal radio panel of the 2-D cockpit. The host draws its bitmaps and its
// nine readouts; the module formats the readouts, shows the lamp and knob pictures, and turns the
// knobs and buttons into key events (value 0 unless stated). The transponder controls also publish
// "859mode" / "859id" and write one byte each through FSUIPC for an outside transponder client.
//
// Reads: tokens 874..881, the radio readers, ReadTokenVar364, ac_power. Writes: xpdr_mode,
// radio_btn1_lamp, radio_btn2_lamp, "859mode", "859id", xpdr_ident_timer, FSUIPC 0x7B91 / 0x7B93,
// fsuipc_open_ok, sound_event_code; pop-up window 50.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

// Pre-update runs the tick; pre-draw forces the first readout's redraw and updates the pictures.
void RadioStackGaugeCallback(gauge::GaugeHeader* gauge, int32_t service_id, uintptr_t extra);

// Readouts 2..9 (readout 1 is FormatTokenVar23Text of the displays): each blank without power,
// else its reader in its format.
double FormatFreqTokenVar617Text(gauge::ElementHeader* element);  // "%03.2f" MHz
double FormatFreqTokenVar870Text(gauge::ElementHeader* element);
double FormatFreqTokenVar871Text(gauge::ElementHeader* element);
double FormatAdf1Text(gauge::ElementHeader* element);             // kHz, "0" before values below 1000
double FormatAdf2Text(gauge::ElementHeader* element);
double FormatXpdrCodeText(gauge::ElementHeader* element);         // "%04.0f"
double FormatToken27Text(gauge::ElementHeader* element);          // "%4.2f" MHz
double FormatTokenVar54Text(gauge::ElementHeader* element);       // "%03.0f"

// Toggles the radio pop-up (window 50) unless window 20000 is shown; returns the host's result.
int32_t RadioPopupClick(const gauge::PixelPoint* point, uint32_t mouse_flags);
// Key 0x1013B with value 1 while its lamp (token 880) is off, else 0.
void PressRadioLamp8();
// Left click one position down, right click one up (0..2); publishes the mode either way.
int32_t XpdrModeKnobClick(const gauge::PixelPoint* point, uint32_t mouse_flags);
void PressXpdrIdent();
// Keys 0x10344 / 0x1038C, each flipping its lamp.
void PressRadioBtn1();
void PressRadioBtn2();
