// Route text files of the plan folder ("<sim_root>\Orvantel\flightplans\"): the writer of the
// active route, the loader into the modified route with its route-state step and origin and
// destination set-up, and the stored-plan list.
//
// File: header lines "CruiseAlt=35000", "TripFuel=...", "ResvFuel=...", "Fuel=..." (key and value
// separated by "=" or blanks, keys without regard to case); the section line "[FlightPlan]"; then
// one leg per line: ident, lat, lon (degrees, north and east positive), type, frequency ("---" =
// none), airway, procedure tag. A line without both coordinates, or with one that cannot be read
// (navdb/coordinate_text.h), refuses the file. ";" starts a comment line. Written as text (CR LF on disk).
//
// Reads: fms_fpln_act/fp_cnt (writer), fms_fpln_active. Writes: fms_fpln_mod/fp_mod_cnt,
// mod_stpos, saved_stpos, stpos, pending_cruise_alt(_set), plan_fuel(_set), clear_holds_on_exec,
// new_fpln_loaded, lnav_init_done, the origin and destination selections; the list: fpl_store,
// fpl_list_loaded, fpl_scratch/fpl_scratch_cnt.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A file name that stays inside the folder it is joined to (plan and panel-state files): not empty,
// shorter than 260 characters, no "/", "\", ":", ".." or control character.
bool IsSafePlanFileName(std::string_view name);

// A name the stored-plan list takes for a route file of its own: it ends in ".RTE", holds no ".PLN"
// (read as a simulator plan) and is not the converter's scratch file "temp.rte", which the next list
// rewrites (letters in any case).
bool IsStoredRouteFileName(std::string_view name);

// Writes rows 0..fp_cnt of the active route to plan file `name` (replaced whole). 1 when written,
// 0 when the file cannot be written or the name is unsafe.
int32_t WriteRouteFile(const std::string& name);

// Reads plan file `name` (".PLN" plans through "temp.rte") into the modified route and steps the
// route state; mode 0 is the only mode its callers use. False, with nothing changed, when the file
// is damaged or its plan refused (a listed plan edited since the list was made).
bool LoadFlightPlanFile(const std::string& name, int32_t mode);

// The same reader aimed at fpl_scratch / fpl_scratch_cnt, without header keys or side effects.
void LoadNextFplFile(const std::string& name, int32_t mode);

// Rebuilds fpl_store rows 1..n from the plan folder's .RTE and .PLN files (at most fpl_list_max,
// "temp.rte" never), plans of fewer than two legs left out, then the row "NEW FPL";
// fpl_list_loaded := n + 1.
void LoadFplList();

// Shared by the plan loaders, once the route state has been stepped for the plan just read into the
// modified route: the plan is listed from its leg 1 (saved_stpos), the departure and arrival choices
// are cleared, and the plan's end rows that are airports become the origin and destination (keys,
// entries, airport records). Over a route flown (state 4) they are only the entries EXEC takes: the
// route keeps orig_ident and dest_ident until then. LoadAirport's result for the destination, 0 when
// the plan has no airport at its end.
int32_t SetUpLoadedPlan();
