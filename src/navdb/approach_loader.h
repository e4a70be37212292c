// Approach loader: the destination airport's section of "\Orvantel\Navdata\apps.txt" into the
// approach table of the destination block, airport_recs[2]. Legs given as a path code (a track or
// heading until a DME distance or until a course through the reference fix is intercepted, with or
// without a procedure turn) get positions from BuildApproachLegs, which also adds the two legs of a
// procedure turn. Ends by rebuilding the approach list for all runways.
//
// Reads: the destination block's position. Writes: its approaches and appr_cnt, the register of
// approach identifiers (appr_transitions, appr_trans_cnt), iaf_cnt (emptied), dest_magvar,
// proc_ref_lat/proc_ref_lon, and through BuildApproachList appr_list.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

void LoadApproaches(std::string icao);

// Position of a path-code leg of approach `appr_row` that starts at (prev_lat, prev_lon). On entry
// *ref_lat/*ref_lon hold the reference fix; returns 1 with the position written there, or 0 when
// there is none. A procedure-turn code first appends its two turn legs to the approach (with the
// transition name and runway given, and the approach's identifier).
int32_t BuildApproachLegs(std::string_view code, double prev_lat, double prev_lon, double* ref_lat,
                          double* ref_lon, int32_t appr_row, std::string_view trans, std::string_view runway);
