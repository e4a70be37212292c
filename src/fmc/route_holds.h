// Holds attached to route legs: the table route_holds (rows 1..hold_cnt, at most 10, in ascending
// order of `leg`) and the leg numbers that follow the legs while the modified route is edited.
//
// Each row carries two leg numbers: `leg` for the active route and `saved_leg`, the pending number
// in the modified route while a modification is open; EXEC makes the pending one current. The
// legs point back with `hold_idx`. The traffic-pattern tail of a row is never moved or cleared here.
//
// Writes: route_holds, hold_cnt, holds_present, hold_page, hold_page_cnt, hold_at_leg, edit_leg_idx,
// pattern_leg, pattern_phase, the hold_idx of route legs, cdu_message and fms_page (RTE HOLD -> LEGS).
#pragma once

#include <cstdint>

#include "fmc/hold_legs.h"


// Appends a hold at modified-route leg `leg_no` (1..fp_mod_cnt); flag 1 is the RTE LEGS HOLD AT
// entry. An eleventh hold, a leg without a leg before it or a "DISCO"/"THEN" row is refused with
// "INVALID ENTRY". The inbound course is that from the last place before the fix.
void AddLegHold(int32_t leg_no, int32_t flag);

// Removes the hold whose active `leg` is leg_no (flag 0 or 1) and clears the modified leg's
// hold_idx; flag 2 or more only clears the leg's hold_idx. A flag above 0 is a pilot's edit.
void DeleteLegHolds(int32_t leg_no, int32_t flag);

// Removes hold row `row` (1..hold_cnt) itself: later rows move down and the legs of both routes
// follow their rows; legs that named the row name no hold. Other rows are refused silently. As
// DeleteLegHolds, it takes the CDU from RTE HOLD to RTE LEGS when no hold is left.
void DeleteHoldRow(int32_t row);

// The pilot takes the hold of modified leg `mod_leg` away, found through the leg, as its fix may have
// another leg number in the active route. A hold the active route flies only leaves the leg now and
// the table at EXEC (edit_leg_idx), so ERASE gives it back; one made in this modification goes at once.
void ReleaseModLegHold(int32_t mod_leg);

// Removes every hold row that no leg of the modified route names any more: EXEC's share of the
// holds a modification took away, however many they were.
void DropHoldsOffModifiedRoute();

// After modified legs `from`..fp_mod_cnt were written anew (an arrival or approach chosen again), a
// hold whose leg lay there goes to the first of those legs at its fix; one whose fix is gone is left
// for EXEC to drop.
void ReattachModHolds(int32_t from);

// Removes every hold, the legs' references to them and a circuit being flown with them.
void RemoveAllHolds();

// Fills the emptied hold table with the holds saved with a restored route (saved[0..count-1] were
// rows 1..count): a hold comes back only where the modified route's leg `leg` is its fix, at the
// hold's place, and names its row, in the order of the legs; a leg that names anything else names no hold. `executed`: the
// route has been executed, and its active legs follow.
void PlaceRestoredHolds(const RouteHold* saved, int32_t count, bool executed);
