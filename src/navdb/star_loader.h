// STAR loader: the destination airport's section of "\Orvantel\Navdata\stars.txt" (or, when that
// file has none, of stars_user.txt) into the STAR table of the destination block, airport_recs[2],
// with the STAR transition list the ARRIVALS page offers. Path legs get their end points from
// BuildStarLegs; a leg that intercepts the course into the next fix waits for the next leg line.
//
// Reads: the destination block's position. Writes: its STARs, star_cnt, the transition-name list
// (names only) and the name list; dest_magvar, proc_ref_lat/proc_ref_lon and star_trans_cur.
#pragma once

#include <string>

void LoadStars(std::string icao);
