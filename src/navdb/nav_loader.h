// Loading of the navigation database: intersections, airway fixes, airports and navaids from the
// text files under "<sim_root>\Orvantel\navdata\" (each main file, then its "_user" twin) into the
// global tables of navdb_globals.h.
#pragma once

// Fills the four tables from row 1, every count starting from 0. Missing files are skipped; a full
// table drops further lines. Called while nav_apts_cnt is 0, so a load without airports is retried.
void LoadNavDatabase();
