// Gauges that only switch pictures: "ELEC_CHKLIST" (an electronic checklist of two columns, each
// showing one of two pages whose items are ticked by buttons; a page whose items are all ticked
// shows its completed header), "AUTOLAND_STATUS" (two autoland annunciators) and "ALT_ALERT" (the
// altitude-alert light).
//
// Reads: irs_*_anun_mode, ac_power, autoland_mode, alt_alert_state. Writes: the checklist state
// (chk_*), sound_event_code.
#pragma once

#include <cstdint>

#include "platform/gauge.h"

// Pre-update: the checklist pass. The one gauge callback that never runs the tick.
void ElecChklistGaugeCallback(gauge::GaugeHeader* gauge, int32_t service_id, uintptr_t extra);
// Pre-update: the tick, then the annunciators; connect-to-window: simulator folder and drawing
// library; disconnect: stops the drawing library.
void AutolandStatusGaugeCallback(gauge::GaugeHeader* gauge, int32_t service_id, uintptr_t extra);
// Pre-draw: the tick, then the light.
void AltAlertGaugeCallback(gauge::GaugeHeader* gauge, int32_t service_id, uintptr_t extra);

// Page buttons: the first press shows the column's first page, each later press switches pages
// and clears the ticks of items 1..5 (going to the first page, also of items 6 and 7).
void PressChecklistLeftPage();
void PressChecklistRightPage();
// Item buttons (items 1..7 of a column) flip their tick, shown page or not.
void FlipChecklistTick(int32_t* ticks, int item);
template <int32_t* kTicks, int kItem>
void PressChecklistItem() {
  FlipChecklistTick(kTicks, kItem);
}
