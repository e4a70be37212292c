// SID loader: the origin airport's section of "\Orvantel\Navdata\sids.txt" (or, when that file has
// none, of sids_user.txt) into the SID table of the origin block, airport_recs[1]. Path legs get
// their end points from BuildSidLegs; the last leg of each common route carries its own ident as
// its transition and the marker "*".
//
// Reads: the origin block's position, runways and elevation. Writes: its SIDs and sid_cnt, the
// transition-name list count (emptied), origin_magvar, proc_ref_lat/proc_ref_lon.
#pragma once

#include <string>

void LoadSids(std::string icao);
