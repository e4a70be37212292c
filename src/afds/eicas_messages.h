// The EICAS message manager: three lists (warnings, cautions, advisories; rows 1..count, row 1 the
// newest) into which each pass adds at most one message whose condition holds and from which it
// removes at most one whose condition has cleared; CANCEL and RECALL of the upper-EICAS switches.
//
// Reads: engine, throttle, autopilot, spoiler, brake, stabilizer, battery and hydraulic token
// variables; the switch and light globals; fuel quantities (lb). Writes: warning_msgs, caution_msgs,
// advisory_msgs and their counts, the shown flags, master_warning_req, master_caution_req,
// chime_code, the status annunciators, the hydraulic system pressure lights, ap_disc_timer,
// at_disc_timer, sound_event_code (cleared by GEAR NOT DOWN leaving).
#pragma once

#include <cstdint>

// Message ids that other systems test.
enum EicasMessageId : int32_t {
  kMsgAutopilotDisc = 1,
  kMsgAutothrotDisc = 24,
  kMsgLHydSysPress = 26,
  kMsgRHydSysPress = 27,
  kMsgCHydSysPress = 28,
};

// Usable rows of each list (row 0 is never used).
constexpr int32_t kEicasListCapacity = 29;

void UpdateEicasMessages();
// CANCEL: hides shown cautions, then advisories, while warnings plus the rows hidden now stay below 10.
void CancelEicasMessages();
// RECALL: shows every caution and advisory row again.
void ResetEicasCancelFlags();
void CountVisibleEicasMessages();
