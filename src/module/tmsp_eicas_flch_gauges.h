// Small panel gauges that turn clicks into requests for the thrust-reference, EICAS and autoflight
// logic: "TMSP" (thrust mode select and assumed temperature), "EICAS_MSG_SW" (CANCEL / RECALL; it
// also repeats the server gauge's connection chores), "EICAS_ENG_STS" (lower EICAS page) and "FLCH"
// (its lamp, and the FLCH target kept on the MCP speed bug while FLCH is engaged). The push
// button of "FLCH" itself is FlchMouseCallback of the autoflight logic.
//
// Writes: tmsp, the one-shot requests (1 = pending, spent by the upper-EICAS paint), epr_bug,
// epr_bug_2, to_epr_temp_sel, lower_eicas_mode with "eng_lwr_eicas" / "sts_lwr_eicas",
// target_ias / target_mach, flch_pitch, flch_pitch_rate, disconnect_seen, sound_event_code.
#pragma once

#include <cstdint>

#include "afds/flch_thrust.h"
#include "platform/gauge.h"

void TmspGaugeCallback(gauge::GaugeHeader* gauge, int32_t service_id, uintptr_t extra);
void EicasMsgSwGaugeCallback(gauge::GaugeHeader* gauge, int32_t service_id, uintptr_t extra);
void EicasEngStsGaugeCallback(gauge::GaugeHeader* gauge, int32_t service_id, uintptr_t extra);
void FlchGaugeCallback(gauge::GaugeHeader* gauge, int32_t service_id, uintptr_t extra);

// Thrust mode buttons: SelectThrustMode, PressTmspTo and PressTmspCrz (flch_thrust.h), which the
// 3-D cockpit's buttons share.
template <int32_t kMode>
void PressTmspMode() {
  SelectThrustMode(kMode);
}
// Assumed temperature one step down / up (requests), with the click sound.
void PressTmspTempDown();
void PressTmspTempUp();

void PressEicasCancel();
void PressEicasRecall();
// ENG: engine page, or the blank page when it is shown; STS: status page.
void PressEicasEng();
void PressEicasSts();
