// IDENT (page 25, the CDU's start page) and REF NAV DATA (page 28), DrawIdentPage and
// DrawRefNavDataPage in cdu_pages.h.
//
// IDENT shows the aircraft and engine variants, the navigation data cycle and the program, and leads
// to INIT/REF INDEX and POS INIT (finding the nearest airport on the ground). REF NAV DATA looks an
// identifier up in the database (several matches go through SELECT WAYPOINT) and shows the chosen
// item's identifier, frequency, position and, for an airport, elevation.
//
// Reads aircraft_model, engine_type, navdata_cycle / navdata_valid, ground_speed, the current fix
// (cur_fix_*) and the CDU key state. Writes the current fix, cdu_lookup_ident, the search list, the
// SELECT WAYPOINT hand-off, the POS INIT reference airport, the scratchpad, the message line and
// fms_page.
#pragma once
