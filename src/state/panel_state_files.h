// Panel-state files under "\Orvantel\PanelStates\" in the simulator folder: saving the present state
// (the CDU's "SAVE PNL>" prompt, the simulator's flight save as "lastsaved"), applying a saved one
// (start-up's automatic snapshot, checked against the aircraft and its position first, or a named
// file from the STORED PANELS page or the configuration), and listing the stored files for the CDU.
//
// Reads: sim_root, aircraft, orig_ident, dest_ident, startup_phase, ClimbIas / CruiseIas /
// DescentIas, the simulator's position, altitude and heading. Writes: the panel state
// (panel_state_format.h), pnl_list / pnl_list_cnt, cdu_message.
#pragma once

#include <cstdint>
#include <string>

// The automatic snapshot's file, as the loader opens it.
inline constexpr char kPanelStateSnapshotFile[] = "LastSavedPanelState.pnl";

// Writes the state to "<name>.pnl" (upper-cased); "lastsaved" writes the automatic snapshot, an empty
// name makes one from the route's airports (or "SavPnl") and today's date. Reports "<NAME>.PNL OK";
// a name that is not a plain file name, a path too long, or a file that cannot be written reports
// "PANEL STATE SAVE FAIL" and leaves any earlier file as it was.
void SavePanelState(std::string name);

// Applies a panel-state file: 1 when it was applied, 0 when not. An empty name takes the automatic
// snapshot, which applies only for the same aircraft within 2 NM, 200 ft and 12 degrees of where it
// was saved; any other name is the file name, extension included, applied without checks. A file that
// is missing, refused or cut inside its route (RouteOutline) applies nothing; a named one reports
// "PANEL STATE LOAD FAIL". A file with route lines replaces the route and its holds, in the route
// state saved: an active route is executed again (a pending modification is not in the file), a route
// not executed comes back as the RTE page left it (its airports named and loaded, the route built on
// them); then its runways, holds and SID choice are put back. The freighter's cabin rule holds after
// every load.
int32_t LoadPanelState(std::string name);

// Lists the stored files, upper-cased with their extension, into pnl_list rows 1..pnl_list_cnt (at
// most fpl_list_max names, in the folder's order).
void ListPanelStates();
